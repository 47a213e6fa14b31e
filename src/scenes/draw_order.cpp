#include "scenes/draw_order.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

std::vector<ObjectCall> sceneDrawOrder(const GardenTableEntry& scene,
                                       const std::vector<ObjectLook>& looks) {
    auto look = [&](int object) {
        return object >= 0 && static_cast<size_t>(object) < looks.size()
                   ? looks[static_cast<size_t>(object)]
                   : ObjectLook{};
    };
    // Only plain steps go early: the water's texture matrix, and the exit's sphere map and
    // its being shown only when open, stay where the table puts them.
    std::vector<ObjectCall> early, rest;
    for (const ObjectCall& call : tableDrawOrder(scene)) {
        const bool plain =
            scene.drawSequence[static_cast<size_t>(call.step)].kind == StepKind::plain;
        (plain && !look(call.object).blended ? early : rest).push_back(call);
    }
    std::ranges::stable_sort(early, [&](const ObjectCall& a, const ObjectCall& b) {
        return look(a.object).distance < look(b.object).distance;
    });
    early.insert(early.end(), rest.begin(), rest.end());
    return early;
}

std::vector<ObjectCall> tableDrawOrder(const GardenTableEntry& scene) {
    std::vector<ObjectCall> order;
    for (size_t s = 0; s < scene.drawSequence.size(); ++s)
        for (int object : scene.drawSequence[s].objects)
            order.push_back({static_cast<int>(s), object});
    return order;
}

double distanceFromGardenMiddle(const ModelObject& object) {
    constexpr std::array<double, 3> middle{0, 2, 0};
    double nearest = std::numeric_limits<double>::max();
    for (const PlacementMatrix& m : object.placements) {
        for (const ModelVertex& v : object.vertices) {
            double sum = 0;
            for (size_t row = 0; row < 3; ++row) {
                // Column-major, as glMultMatrixd takes it.
                const double p = m[row] * v.position[0] + m[4 + row] * v.position[1] +
                                 m[8 + row] * v.position[2] + m[12 + row] - middle[row];
                sum += p * p;
            }
            nearest = std::min(nearest, sum);
        }
    }
    return nearest == std::numeric_limits<double>::max() ? nearest : std::sqrt(nearest);
}
