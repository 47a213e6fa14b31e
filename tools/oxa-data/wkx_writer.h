#pragma once
// Scene model files (".wkx"): fixed-column text, one object block per object: a header
// line, the textured vertex lines (three per triangle) and the placements, four lines of
// a column-major matrix each.

#include <string>
#include <vector>

#include "geometry3.h"
#include "mesh.h"

// How an object's triangles are drawn, as the model file's material letter says.
enum class Material : char {
    solid = 'N',           // opaque, back faces culled
    cutout = 'A',          // alpha-tested cut-out shapes, back faces culled
    cutoutTwoSided = 'G',  // alpha-tested, both sides: fences, leaves, cards
    blended = 'K',         // soft alpha, back faces culled
    blendedTwoSided = 'H',
    twoSided = 'D',  // opaque, both sides
};

struct SceneObject {
    Mesh mesh;
    Material material = Material::solid;
    std::vector<Mat4> placements;
};

// A number in a 7-character column, with as many decimals (up to four) as fit.
std::string column7(float value);

// The whole file: count line and every object block, CR LF line ends.
std::string encodeSceneModel(const std::vector<SceneObject>& objects);
