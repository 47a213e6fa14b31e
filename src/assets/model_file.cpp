#include "assets/model_file.h"

#include "assets/fixed_columns.h"

namespace {

// Columns of the header line.
constexpr int vertexCountColumn = 6;
constexpr int placementCountColumn = 11;
constexpr int vertexKindColumn = 16;
constexpr int materialColumn = 18;
constexpr int flagsColumn = 20;

// Every number of a vertex or placement line is seven columns wide.
constexpr int numberWidth = 7;

ModelVertex texturedVertex(const FixedColumnLines& lines, int64_t h) {
    ModelVertex v;
    for (int k = 0; k < 3; ++k) v.position[k] = lines.number(h, 1 + k * numberWidth, numberWidth);
    v.texCoord[0] = lines.number(h, 22, numberWidth);
    v.texCoord[1] = lines.number(h, 29, numberWidth);
    v.colour = lines.colour(h, 36, 12);
    return v;
}

ModelVertex untexturedVertex(const FixedColumnLines& lines, int64_t h) {
    ModelVertex v;
    for (int k = 0; k < 3; ++k) v.position[k] = lines.number(h, 1 + k * numberWidth, numberWidth);
    // Four numbers nobody uses, but they must still be numbers.
    for (int k = 0; k < 4; ++k) lines.number(h, 22 + k * numberWidth, numberWidth);
    v.colour = lines.colour(h, 50, 12);
    return v;
}

ModelObject readHeader(ModelFileKind kind, const FixedColumnLines& lines, int64_t h) {
    ModelObject object;
    object.headerLine = static_cast<int>(h);
    object.vertexCount = lines.integer(h, vertexCountColumn, 5);
    // Object models never convert the placement field, so anything may stand there.
    if (kind != ModelFileKind::Object)
        object.placementCount = lines.integer(h, placementCountColumn, 4);
    object.vertexKind = lines.letter(h, vertexKindColumn);
    object.material = lines.letter(h, materialColumn);
    object.flags = lines.integer(h, flagsColumn, 5);
    return object;
}

// Reads the vertex lines after header line h and returns the index of the last line read
// (h itself when none was). Triangles take three lines per three counted vertices, quads
// four, so V is always rounded up to whole primitives.
int64_t readVertices(ModelFileKind kind, const FixedColumnLines& lines, int64_t h,
                     ModelObject& object) {
    bool textured = object.vertexKind == texturedVertices;
    if (!textured && object.vertexKind != untexturedVertices) return h;
    int linesPerStep = kind == ModelFileKind::Layout ? 4 : 3;
    for (int64_t i = 0; i < object.vertexCount; i += 3) {
        for (int k = 0; k < linesPerStep; ++k) {
            ++h;
            object.vertices.push_back(textured ? texturedVertex(lines, h)
                                               : untexturedVertex(lines, h));
        }
    }
    return h;
}

PlacementMatrix readPlacement(const FixedColumnLines& lines, int64_t h) {
    PlacementMatrix m{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            m[static_cast<size_t>(column * 4 + row)] =
                lines.number(h + column, 1 + row * numberWidth, numberWidth);
    return m;
}

int32_t readCount(const FixedColumnLines& lines) {
    return lines.integer(0, 1, 3);
}

}  // namespace

int32_t modelObjectCount(std::string_view bytes, const std::string& fileName) {
    return readCount(FixedColumnLines(bytes, fileName));
}

ModelFile parseModelFile(ModelFileKind kind, std::string_view bytes, const std::string& fileName) {
    FixedColumnLines lines(bytes, fileName);
    ModelFile file;
    file.kind = kind;
    int32_t count = readCount(lines);
    int64_t h = 1;
    for (int32_t k = 0; k < count; ++k) {
        ModelObject object = readHeader(kind, lines, h);
        h = readVertices(kind, lines, h, object);
        switch (kind) {
            case ModelFileKind::Object:
                h += 5;  // past the last vertex line and four lines nobody reads
                break;
            case ModelFileKind::Scene:
                ++h;
                for (int32_t j = 0; j < object.placementCount; ++j, h += 4)
                    object.placements.push_back(readPlacement(lines, h));
                break;
            case ModelFileKind::Layout:
                ++h;
                break;
        }
        file.objects.push_back(std::move(object));
    }
    return file;
}

const char* modelFileKindName(ModelFileKind kind) {
    switch (kind) {
        case ModelFileKind::Object:
            return "object model";
        case ModelFileKind::Scene:
            return "scene model";
        case ModelFileKind::Layout:
            return "layout";
    }
    return "?";
}
