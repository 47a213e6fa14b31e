#pragma once
// Everything a level needs beside its garden: the bee, the placement maps, the collision
// meshes, the stage, creature and progress files.

#include "data_tree.h"

// Adds them to a tree that already holds the gardens (the maps, meshes and fish are
// derived from the written scenes).
void addStageData(DataFiles& files);
