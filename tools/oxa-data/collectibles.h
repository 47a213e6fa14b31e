#pragma once
// The flower field, plants, nectar glow and pickup icons: their model files under
// "MOD\\DATA\\" and their textures under "MOD\\BMP_0\\".

#include "data_tree.h"

void addCollectibles(DataFiles& files);
