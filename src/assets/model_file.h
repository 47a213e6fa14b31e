#pragma once
// Model and layout files (".wkx", ".mex") as plain data. The three kinds share one
// fixed-column text: a count line, then per object a header line and its vertex lines.
//
//   object model  triangles; four lines after the vertices are skipped
//   scene model   triangles; the header's placement count P is followed by P placements
//                 of four lines, each a column-major 4x4 matrix
//   layout        quads, four vertex lines per step of three counted vertices
//
// The readers turn bytes into these structs or raise DataError; they draw nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ModelFileKind { Object, Scene, Layout };

// Vertex kinds of the header's column 16 (exact case); any other kind reads no vertices.
constexpr char texturedVertices = 'N';
constexpr char untexturedVertices = 'C';

struct ModelVertex {
    std::array<double, 3> position{};
    std::array<double, 2> texCoord{};  // textured lines only
    std::array<double, 3> colour{};    // components already divided by 255
};

// Sixteen numbers in OpenGL's column-major order: the first line of a placement is the
// first column.
using PlacementMatrix = std::array<double, 16>;

struct ModelObject {
    int headerLine = 0;          // index of the header line, counted from 0
    int32_t vertexCount = 0;     // V as written; whole triangles or quads are read
    int32_t placementCount = 0;  // P as written (scene and layout files; 0 for object models)
    char vertexKind = 0;
    char material = 0;
    int32_t flags = 0;
    std::vector<ModelVertex> vertices;
    std::vector<PlacementMatrix> placements;  // scene files only
};

struct ModelFile {
    ModelFileKind kind = ModelFileKind::Object;
    std::vector<ModelObject> objects;
};

// Reads a whole file of the given kind. `fileName` locates errors.
ModelFile parseModelFile(ModelFileKind kind, std::string_view bytes, const std::string& fileName);

// The object count of the count line alone, for callers that check it against the room they
// have before anything else.
int32_t modelObjectCount(std::string_view bytes, const std::string& fileName);

const char* modelFileKindName(ModelFileKind kind);
