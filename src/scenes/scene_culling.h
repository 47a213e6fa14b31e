#pragma once
// Which placements of a scene object can show: each placement is bounded by a sphere (its
// mesh's, moved and scaled by the placement matrix), and a sphere wholly outside one of the
// six planes of the view volume is not sent to OpenGL. Plain arithmetic, no window needed.

#include <array>
#include <span>

#include "assets/model_file.h"

struct BoundingSphere {
    std::array<double, 3> centre{};
    double radius = -1;  // below 0: nothing to bound (an object without vertices)
};

// The sphere about the middle of the vertices' box that holds them all.
BoundingSphere boundingSphere(std::span<const ModelVertex> vertices);

// The sphere moved by a placement; its radius grows with the matrix's largest column scale.
BoundingSphere placedSphere(const BoundingSphere& sphere, const PlacementMatrix& matrix);

// The view volume's six planes (a x + b y + c z + d >= 0 inside, (a, b, c) of length 1) in
// the coordinates the model-view matrix takes from; matrices in OpenGL's column-major order.
struct ViewVolume {
    std::array<std::array<double, 4>, 6> planes{};
};
ViewVolume viewVolume(const std::array<double, 16>& modelView,
                      const std::array<double, 16>& projection);

// True when the sphere lies wholly outside one plane: it cannot cover a pixel. An empty
// sphere is never outside (its object's state calls still run).
bool outsideView(const ViewVolume& view, const BoundingSphere& sphere);
