#pragma once
// Object model files (".wkx" under "MOD\\DATA\\"): one object block per drawable part: a
// header line, the textured vertex lines (three per triangle) and four spare lines. The
// spare lines hold an identity matrix, so the file also reads as a scene model that draws
// every object once where it stands.

#include <string>
#include <vector>

#include "mesh.h"
#include "wkx_writer.h"

struct ModelPart {
    Mesh mesh;
    Material material = Material::solid;
    bool twoSided = false;  // the flag number's 512: no face culling, whatever the letter
};

std::string encodeObjectModel(const std::vector<ModelPart>& parts);
