#include "assets/layout_view.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr float middleX = designWidth / 2, middleY = designHeight / 2;
constexpr double slack = 1e-3;  // layout files write four decimals

struct Bounds {
    double left, right, bottom, top;
};

// The quads of a layout object: its vertices four at a time.
size_t quadCount(const ModelObject& object) {
    return object.vertices.size() / 4;
}

Bounds boundsOf(const ModelObject& object, size_t quad) {
    const ModelVertex* v = &object.vertices[quad * 4];
    Bounds b{v[0].position[0], v[0].position[0], v[0].position[1], v[0].position[1]};
    for (int k = 1; k < 4; ++k) {
        b.left = std::min(b.left, v[k].position[0]);
        b.right = std::max(b.right, v[k].position[0]);
        b.bottom = std::min(b.bottom, v[k].position[1]);
        b.top = std::max(b.top, v[k].position[1]);
    }
    return b;
}

bool coversBox(const Bounds& b) {
    return b.left <= slack && b.right >= designWidth - slack && b.bottom <= slack &&
           b.top >= designHeight - slack;
}

bool reachesOut(const Bounds& b) {
    return b.left < -slack || b.right > designWidth + slack || b.bottom < -slack ||
           b.top > designHeight + slack;
}

// How much a backdrop reaching `reach` must grow about the box's middle to cover the view.
double growthToCover(const Bounds& reach, const LayoutView& view) {
    double growth = 1;
    if (view.left < reach.left)
        growth = std::max(growth, (middleX - view.left) / (middleX - reach.left));
    if (view.right > reach.right)
        growth = std::max(growth, (view.right - middleX) / (reach.right - middleX));
    if (view.bottom < reach.bottom)
        growth = std::max(growth, (middleY - view.bottom) / (middleY - reach.bottom));
    if (view.top > reach.top)
        growth = std::max(growth, (view.top - middleY) / (reach.top - middleY));
    return growth;
}

void fitBackdrop(ModelObject& object, const LayoutView& view) {
    const size_t quads = quadCount(object);
    std::vector<bool> backdrop(quads, false);
    bool anyCovers = false;
    Bounds reach{middleX, middleX, middleY, middleY};
    for (size_t q = 0; q < quads; ++q) {
        const Bounds b = boundsOf(object, q);
        anyCovers = anyCovers || coversBox(b);
        if (!coversBox(b) && !reachesOut(b)) continue;
        backdrop[q] = true;
        reach = {std::min(reach.left, b.left), std::max(reach.right, b.right),
                 std::min(reach.bottom, b.bottom), std::max(reach.top, b.top)};
    }
    if (!anyCovers) return;
    const double growth = growthToCover(reach, view);
    if (growth <= 1 + 1e-6) return;
    for (size_t q = 0; q < quads; ++q) {
        if (!backdrop[q]) continue;
        for (size_t k = q * 4; k < q * 4 + 4; ++k) {
            auto& p = object.vertices[k].position;
            p[0] = middleX + (p[0] - middleX) * growth;
            p[1] = middleY + (p[1] - middleY) * growth;
        }
    }
}

void fitToCorners(ModelObject& object, const LayoutView& view) {
    for (size_t q = 0; q < quadCount(object); ++q) {
        double x = 0, y = 0;
        for (size_t k = q * 4; k < q * 4 + 4; ++k) {
            x += object.vertices[k].position[0] / 4;
            y += object.vertices[k].position[1] / 4;
        }
        float dx = 0, dy = 0;
        cornerOffset(view, static_cast<float>(x), static_cast<float>(y), dx, dy);
        for (size_t k = q * 4; k < q * 4 + 4; ++k) {
            object.vertices[k].position[0] += dx;
            object.vertices[k].position[1] += dy;
        }
    }
}

LayoutView current = layoutViewOf(640, 480);

}  // namespace

LayoutView layoutViewOf(int width, int height) {
    LayoutView view;
    view.width = width;
    view.height = height;
    view.boxWidth = width;
    view.boxHeight = height;
    if (width <= 0 || height <= 0) return view;
    const int64_t across = int64_t{width} * 3, down = int64_t{height} * 4;
    if (across > down) {
        // Wider than 4:3: the box is as high as the window, with units beside it.
        view.boxWidth = height * 4.0 / 3;
        view.boxLeft = (width - view.boxWidth) / 2;
        const double beside = view.boxLeft * designHeight / height;
        view.left = static_cast<float>(-beside);
        view.right = static_cast<float>(designWidth + beside);
    } else if (across < down) {
        // Taller: the box is as wide as the window, with units above and below it.
        view.boxHeight = width * 3.0 / 4;
        view.boxTop = (height - view.boxHeight) / 2;
        const double beyond = view.boxTop * designWidth / width;
        view.bottom = static_cast<float>(-beyond);
        view.top = static_cast<float>(designHeight + beyond);
    }
    return view;
}

void windowToDesign(const LayoutView& view, int x, int y, float& mx, float& my) {
    const double ux = (x - view.boxLeft) / (view.boxWidth * 0.0125);
    const double uy = 60 - (y - view.boxTop) / (view.boxHeight * (1.0 / 60));
    mx = static_cast<float>(std::clamp(ux, 0.0, double{designWidth}));
    my = static_cast<float>(std::clamp(uy, 0.0, double{designHeight}));
}

void designToWindow(const LayoutView& view, float mx, float my, int& x, int& y) {
    x = static_cast<int>(static_cast<float>(view.boxLeft) +
                         mx * static_cast<float>(view.boxWidth) / designWidth);
    y = static_cast<int>(static_cast<float>(view.boxTop) +
                         (designHeight - my) * static_cast<float>(view.boxHeight) / designHeight);
}

void cornerOffset(const LayoutView& view, float x, float y, float& dx, float& dy) {
    dx = x < middleX ? view.left : (x > middleX ? view.right - designWidth : 0);
    dy = y < middleY ? view.bottom : (y > middleY ? view.top - designHeight : 0);
}

void fitLayout(ModelFile& layout, LayoutFit fit, const LayoutView& view) {
    if (fit == LayoutFit::asWritten) return;
    for (ModelObject& object : layout.objects) {
        if (fit == LayoutFit::backdrops)
            fitBackdrop(object, view);
        else
            fitToCorners(object, view);
    }
}

const LayoutView& layoutView() {
    return current;
}

bool setLayoutWindow(int width, int height) {
    if (width == current.width && height == current.height) return false;
    current = layoutViewOf(width, height);
    return true;
}
