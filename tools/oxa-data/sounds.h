#pragma once
// The game's sound effects, synthesised: every "MOV\*.wav" the sound table and the fish
// open, friendly and short.

#include "data_tree.h"

void addSoundEffects(DataFiles& files);
