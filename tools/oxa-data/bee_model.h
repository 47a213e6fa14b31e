#pragma once
// The bee: "MOD\DATA\oxa.wkx" and its textures "MOD\BMP_0\u1.srm" (body, legs, eyes and
// the translucent wings), "g1.srm" (the head with its smile) and "wiadro.srm" (her
// bucket).
//
// The game draws her in eye space 0.4 in front of the eye, turned -30 degrees about x and
// scaled by the stage's bee scale, with the wings hinged at fixed points of the model. The
// model is made upright in a "screen" frame (x right, y up, z towards the eye) and turned
// +30 degrees about x, so that she shows on screen as made: seen from behind, a little
// below the middle of the picture, her wings beating above her back.

#include <vector>

#include "data_tree.h"
#include "wkx_writer.h"

// The stage's bee scale (stage line 22) the model is made for.
inline constexpr float beeScale = 0.34f;

// The twenty objects of the model file, object i as the game draws it.
std::vector<SceneObject> buildBee();

void addBee(DataFiles& files);
