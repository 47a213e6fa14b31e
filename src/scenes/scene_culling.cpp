#include "scenes/scene_culling.h"

#include <algorithm>
#include <cmath>

BoundingSphere boundingSphere(std::span<const ModelVertex> vertices) {
    if (vertices.empty()) return {};
    std::array<double, 3> low = vertices[0].position, high = low;
    for (const ModelVertex& v : vertices) {
        for (size_t k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], v.position[k]);
            high[k] = std::max(high[k], v.position[k]);
        }
    }
    BoundingSphere sphere;
    for (size_t k = 0; k < 3; ++k) sphere.centre[k] = (low[k] + high[k]) / 2;
    double largest = 0;
    for (const ModelVertex& v : vertices) {
        double sum = 0;
        for (size_t k = 0; k < 3; ++k)
            sum += (v.position[k] - sphere.centre[k]) * (v.position[k] - sphere.centre[k]);
        largest = std::max(largest, sum);
    }
    sphere.radius = std::sqrt(largest);
    return sphere;
}

BoundingSphere placedSphere(const BoundingSphere& sphere, const PlacementMatrix& m) {
    if (sphere.radius < 0) return sphere;
    BoundingSphere placed;
    const auto& c = sphere.centre;
    const double w = m[3] * c[0] + m[7] * c[1] + m[11] * c[2] + m[15];
    for (size_t row = 0; row < 3; ++row)
        placed.centre[row] = m[row] * c[0] + m[4 + row] * c[1] + m[8 + row] * c[2] + m[12 + row];
    double scale = 0;
    for (size_t column = 0; column < 3; ++column) {
        const double* a = &m[column * 4];
        scale = std::max(scale, std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]));
    }
    // Placements are affine; a matrix that is not keeps its sphere everywhere (never culled).
    if (w != 1 || m[3] != 0 || m[7] != 0 || m[11] != 0) return {placed.centre, HUGE_VAL};
    placed.radius = sphere.radius * scale;
    return placed;
}

ViewVolume viewVolume(const std::array<double, 16>& mv, const std::array<double, 16>& p) {
    // clip = projection x model-view, column-major: clip[column * 4 + row].
    std::array<double, 16> clip{};
    for (size_t column = 0; column < 4; ++column)
        for (size_t row = 0; row < 4; ++row)
            for (size_t k = 0; k < 4; ++k)
                clip[column * 4 + row] += p[k * 4 + row] * mv[column * 4 + k];
    auto row = [&clip](size_t r) {
        return std::array<double, 4>{clip[r], clip[4 + r], clip[8 + r], clip[12 + r]};
    };
    const auto w = row(3);
    ViewVolume view;
    size_t n = 0;
    for (size_t axis = 0; axis < 3; ++axis) {
        const auto a = row(axis);
        for (double sign : {1.0, -1.0}) {
            std::array<double, 4> plane{};
            for (size_t k = 0; k < 4; ++k) plane[k] = w[k] + sign * a[k];
            const double length =
                std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            if (length > 0)
                for (double& value : plane) value /= length;
            view.planes[n++] = plane;
        }
    }
    return view;
}

bool outsideView(const ViewVolume& view, const BoundingSphere& sphere) {
    if (sphere.radius < 0) return false;
    const auto& c = sphere.centre;
    return std::ranges::any_of(view.planes, [&](const std::array<double, 4>& plane) {
        return plane[0] * c[0] + plane[1] * c[1] + plane[2] * c[2] + plane[3] < -sphere.radius;
    });
}
