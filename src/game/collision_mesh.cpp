#include "game/collision_mesh.h"

#include <limits>

#include "assets/data_error.h"
#include "assets/fixed_columns.h"
#include "assets/text_lines.h"

namespace {

constexpr int fieldWidth = 6;
constexpr int boxColumn = 2;     // six numbers in columns 2-37
constexpr int countColumn = 38;  // the triangle count in columns 38-41
constexpr int countWidth = 4;
constexpr float ceiling = 1.6f;  // the bee never flies above this
constexpr float touchDistance = 0.04f;

class CollisionReader {
  public:
    CollisionReader(std::string_view bytes, const std::string& fileName)
        : lines_(bytes, fileName) {}

    CollisionMesh read() {
        int end = lines_.lineCount();
        while (end > 1 && trimBlanks(lines_.line(end - 1)).empty()) --end;
        CollisionMesh mesh;
        mesh.loaded = true;
        // Nothing after the first line: an empty mesh, which disables the collision test.
        if (end < 2) return mesh;
        if (!isGroupLine(1)) lines_.fail("a triangle line comes before the first '#' line", 1);

        int expected = 0;
        for (int index = 1; index < end; ++index) {
            if (isGroupLine(index)) {
                closeGroup(mesh, expected, index);
                if (static_cast<int>(mesh.groups.size()) == CollisionMesh::maxGroups)
                    lines_.fail("more than " + std::to_string(CollisionMesh::maxGroups) +
                                    " collision groups",
                                index);
                expected = readGroup(mesh, index);
            } else {
                CollisionGroup& group = mesh.groups.back();
                if (static_cast<int>(group.triangles.size()) == expected)
                    lines_.fail(
                        "more triangle lines than the group's count of " + std::to_string(expected),
                        index);
                group.triangles.push_back(readTriangle(index));
            }
        }
        closeGroup(mesh, expected, end);
        return mesh;
    }

  private:
    bool isGroupLine(int index) const {
        const std::string_view line = lines_.line(index);
        return !line.empty() && line[0] == '#';
    }

    float number(int index, int column, int width) const {
        const double value = lines_.number(index, column, width);
        if (value > std::numeric_limits<float>::max() || value < -std::numeric_limits<float>::max())
            lines_.fail("'" + std::string(trimBlanks(lines_.field(index, column, width))) +
                            "' is too large for a coordinate",
                        index);
        return static_cast<float>(value);
    }

    geometry::Vec3 point(int index, int column) const {
        return {number(index, column, fieldWidth), number(index, column + fieldWidth, fieldWidth),
                number(index, column + 2 * fieldWidth, fieldWidth)};
    }

    // The group before line `index` must have all its triangles.
    void closeGroup(const CollisionMesh& mesh, int expected, int index) const {
        if (mesh.groups.empty()) return;
        const int found = static_cast<int>(mesh.groups.back().triangles.size());
        if (found < expected)
            lines_.fail("the group's count is " + std::to_string(expected) + " but only " +
                            std::to_string(found) + " triangle lines follow",
                        index);
    }

    int readGroup(CollisionMesh& mesh, int index) const {
        CollisionGroup group;
        group.box.min = point(index, boxColumn);
        group.box.max = point(index, boxColumn + 3 * fieldWidth);
        const int count = truncateToInt(lines_.number(index, countColumn, countWidth));
        if (count < 1)
            lines_.fail(
                "a collision group needs at least one triangle, not " + std::to_string(count),
                index);
        mesh.groups.push_back(std::move(group));
        return count;
    }

    CollisionTriangle readTriangle(int index) const {
        CollisionTriangle t;
        t.a = point(index, 1);
        t.b = point(index, 1 + 3 * fieldWidth);
        t.c = point(index, 1 + 6 * fieldWidth);
        t.degenerate = geometry::isDegenerateTriangle(t.a, t.b, t.c);
        return t;
    }

    FixedColumnLines lines_;
};

bool aboveCeiling(const CollisionTriangle& t) {
    return t.a.y > ceiling && t.b.y > ceiling && t.c.y > ceiling;
}

bool touches(const CollisionTriangle& t, const geometry::Vec3& position) {
    const geometry::TriangleFrame frame = geometry::triangleFrame(position, t.a, t.b, t.c);
    return frame.point.y >= -touchDistance && frame.point.y <= touchDistance &&
           geometry::pointInTriangle({frame.point.x, frame.point.z}, frame.a, frame.b, frame.c);
}

}  // namespace

CollisionMesh readCollisionMesh(std::string_view bytes, const std::string& fileName) {
    return CollisionReader(bytes, fileName).read();
}

std::string collisionMeshName(std::string_view levelId) {
    return "SCE\\CLP\\s" + std::string(levelId) + ".clp";
}

std::vector<CollisionHit> collisionHits(const CollisionMesh& mesh, const geometry::Vec3& position) {
    std::vector<CollisionHit> hits;
    collisionHits(mesh, position, hits);
    return hits;
}

void collisionHits(const CollisionMesh& mesh, const geometry::Vec3& position,
                   std::vector<CollisionHit>& hits) {
    hits.clear();
    if (!mesh.loaded) return;
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        const CollisionGroup& group = mesh.groups[g];
        if (!group.box.contains(position)) continue;
        for (size_t k = 0; k < group.triangles.size(); ++k) {
            const CollisionTriangle& t = group.triangles[k];
            if (t.degenerate || aboveCeiling(t) || !touches(t, position)) continue;
            hits.push_back({static_cast<int>(g), static_cast<int>(k),
                            geometry::triangleNormal(t.a, t.b, t.c)});
            break;
        }
    }
}
