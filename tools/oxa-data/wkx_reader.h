#pragma once
// A small reader of scene model files for the generator's own checks and previews: the
// game has its own loader, this one only has to read back what the writer writes.

#include <optional>
#include <string>
#include <vector>

#include "geometry3.h"

struct ReadVertex {
    Vec3 position;
    float s, t;
    Vec3 colour;  // 0..1
};

struct ReadObject {
    char material;
    std::vector<ReadVertex> vertices;
    std::vector<Mat4> placements;
};

// nullopt when the text is not a well-formed scene model file.
std::optional<std::vector<ReadObject>> readSceneModel(const std::string& text);
