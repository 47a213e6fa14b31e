#include "backdrop.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "menu_art.h"
#include "preview.h"

namespace {

using menuCanvas::pixelsPerUnit;
constexpr float marginTexelsPerUnit = 8;
// Every margin piece is stored with a rim of its neighbours' texels, so that filtering at
// its edges blends in the garden next to it, not another piece.
constexpr int rim = 2;

const int besidePixels = static_cast<int>(backdrop::besideUnits * pixelsPerUnit);  // 256
const int abovePixels = static_cast<int>(backdrop::aboveUnits * pixelsPerUnit);    // 64

// A margin piece: where it is shown (menu units) and the top left texel of its own area in
// the upright picture (its rim lies around that area).
struct Piece {
    MenuRect rect;
    int x, y;

    int width() const { return static_cast<int>((rect.right - rect.left) * marginTexelsPerUnit); }
    int height() const { return static_cast<int>((rect.top - rect.bottom) * marginTexelsPerUnit); }
};

// The spare rows are 768 to 1023. The first four repeat the picture's bottom row, so that
// filtering at its bottom edge blends in nothing else; the last four are left as they are.
constexpr int guardRows = 4;
constexpr int firstSpareRow = menuCanvas::height + guardRows;

// The left and right margins in halves of 30 units (160 x 240 texels) side by side; the
// strips above and below in halves of 40 units (320 x 40) stacked beside them.
std::vector<Piece> pieces() {
    constexpr float w = backdrop::besideUnits, h = backdrop::aboveUnits;
    const MenuRect besides[4] = {
        {-w, 0, 30, 60}, {-w, 0, 0, 30}, {80, 80 + w, 30, 60}, {80, 80 + w, 0, 30}};
    const MenuRect strips[4] = {
        {0, 40, 60, 60 + h}, {40, 80, 60, 60 + h}, {0, 40, -h, 0}, {40, 80, -h, 0}};
    std::vector<Piece> out;
    int x = 0;
    for (const MenuRect& r : besides) {
        out.push_back({r, x + rim, firstSpareRow + rim});
        x += out.back().width() + 2 * rim;
    }
    int y = firstSpareRow;
    for (const MenuRect& r : strips) {
        out.push_back({r, x + rim, y + rim});
        y += out.back().height() + 2 * rim;
    }
    return out;
}

Colour sample(const WideGarden& garden, float px, float py) {
    const float fx = std::clamp(px - 0.5f, 0.0f, static_cast<float>(garden.width - 1));
    const float fy = std::clamp(py - 0.5f, 0.0f, static_cast<float>(garden.height - 1));
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, garden.width - 1), y1 = std::min(y0 + 1, garden.height - 1);
    const float u = fx - static_cast<float>(x0), v = fy - static_cast<float>(y0);
    auto at = [&](int x, int y) {
        return garden.pixels[static_cast<size_t>(y * garden.width + x)];
    };
    return mix(mix(at(x0, y0), at(x1, y0), u), mix(at(x0, y1), at(x1, y1), u), v);
}

}  // namespace

std::vector<Colour> WideGarden::box() const {
    std::vector<Colour> out;
    out.reserve(static_cast<size_t>(menuCanvas::width * menuCanvas::height));
    for (int y = 0; y < menuCanvas::height; ++y) {
        const auto row = pixels.begin() + (y + abovePixels) * width + besidePixels;
        out.insert(out.end(), row, row + menuCanvas::width);
    }
    return out;
}

Colour WideGarden::at(float x, float y) const {
    // A margin texel spans 1.6 garden pixels: four samples across it.
    const float px = (x + backdrop::besideUnits) * pixelsPerUnit;
    const float py = (60 + backdrop::aboveUnits - y) * pixelsPerUnit;
    const float d = 0.4f;
    Colour sum{0, 0, 0, 0};
    for (float oy : {-d, d}) {
        for (float ox : {-d, d}) {
            const Colour c = sample(*this, px + ox, py + oy);
            sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4, 1};
        }
    }
    return sum;
}

const WideGarden& wideGarden(const DataFiles& files, int scene, Vec3 eye, Vec3 target,
                             int samples) {
    static std::map<std::pair<int, int>, WideGarden> rendered;
    auto [place, fresh] = rendered.try_emplace({scene, samples});
    WideGarden& garden = place->second;
    if (fresh) {
        garden.width = menuCanvas::width + 2 * besidePixels;
        garden.height = menuCanvas::height + 2 * abovePixels;
        garden.pixels = renderGardenView(files, scene, eye, target, menuCanvas::width,
                                         menuCanvas::height, samples, besidePixels, abovePixels);
    }
    return garden;
}

void paintMargins(Image& picture, const WideGarden& garden, const BackdropTint& tint) {
    const int last = picture.side() - 1;
    for (int y = menuCanvas::height; y < firstSpareRow; ++y) {
        for (int x = 0; x < picture.side(); ++x)
            picture.at(x, last - y) = picture.at(x, last - (menuCanvas::height - 1));
    }
    for (const Piece& piece : pieces()) {
        for (int y = piece.y - rim; y < piece.y + piece.height() + rim; ++y) {
            for (int x = piece.x - rim; x < piece.x + piece.width() + rim; ++x) {
                const float ux = piece.rect.left +
                                 (static_cast<float>(x - piece.x) + 0.5f) / marginTexelsPerUnit;
                const float uy =
                    piece.rect.top - (static_cast<float>(y - piece.y) + 0.5f) / marginTexelsPerUnit;
                Colour c = tint(garden.at(ux, uy), ux, uy);
                c.a = 1;
                picture.at(x, last - y) = c;
            }
        }
    }
}

Image withMargins(Image picture, const WideGarden& garden, const BackdropTint& tint) {
    paintMargins(picture, garden, tint);
    return picture;
}

std::vector<LayoutQuad> marginQuads() {
    const auto side = static_cast<float>(menuCanvas::side);
    std::vector<LayoutQuad> quads;
    for (const Piece& p : pieces()) {
        const float s0 = static_cast<float>(p.x) / side;
        const float s1 = static_cast<float>(p.x + p.width()) / side;
        const float t1 = 1 - static_cast<float>(p.y) / side;
        const float t0 = 1 - static_cast<float>(p.y + p.height()) / side;
        quads.push_back(
            layoutRect(p.rect.left, p.rect.bottom, p.rect.right, p.rect.top, s0, t0, s1, t1));
    }
    return quads;
}
