#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/data_error.h"
#include "game/collision_mesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        CollisionMesh mesh =
            readCollisionMesh(std::string_view(reinterpret_cast<const char*>(data), size), "f");
        if (!mesh.loaded || mesh.groups.size() > CollisionMesh::maxGroups) __builtin_trap();
        // The bee at every triangle's first corner, lifted a little, and at every box centre.
        for (const CollisionGroup& group : mesh.groups) {
            if (group.triangles.empty()) __builtin_trap();
            const geometry::Vec3 centre{(group.box.min.x + group.box.max.x) / 2,
                                        (group.box.min.y + group.box.max.y) / 2,
                                        (group.box.min.z + group.box.max.z) / 2};
            for (const CollisionHit& hit : collisionHits(mesh, centre))
                if (hit.group < 0 || static_cast<size_t>(hit.group) >= mesh.groups.size())
                    __builtin_trap();
            for (const CollisionTriangle& t : group.triangles)
                collisionHits(mesh, {t.a.x, t.a.y + 0.01f, t.a.z});
        }
    } catch (const DataError&) {
    }
    return 0;
}
