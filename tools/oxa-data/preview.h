#pragma once
// A small software renderer that draws each garden as the game would (textures by the
// draw sequence, alpha test, blending, culling per material letter, near 0.1 and far 450,
// 60 degrees) from a few viewpoints, one PNG per scene: for checking layouts by eye.

#include <filesystem>
#include <vector>

#include "data_tree.h"
#include "geometry3.h"
#include "paint.h"

// Scene -1: all scenes.
void renderPreviews(const DataFiles& files, const std::filesystem::path& dir, int scene);

// One view of garden `scene` from `eye` towards `target`, `width` x `height` pixels (rows top
// first), each pixel the mean of samples x samples: for pictures made of the gardens.
std::vector<Colour> renderGardenView(const DataFiles& files, int scene, Vec3 eye, Vec3 target,
                                     int width, int height, int samples);
// The same view seen past its edges: `besideX` more pixels on the left and on the right,
// `besideY` above and below, at the same scale ((width + 2 besideX) x (height + 2 besideY)).
std::vector<Colour> renderGardenView(const DataFiles& files, int scene, Vec3 eye, Vec3 target,
                                     int width, int height, int samples, int besideX,
                                     int besideY);
