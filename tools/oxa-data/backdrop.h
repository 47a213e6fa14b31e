#pragma once
// Full-screen pictures for windows of any shape. Each picture is painted as it always was:
// the 4:3 part in the top 1024 x 768 texels of its texture, 12.8 texels a menu unit, shown
// on the 80 x 60 box. Its margins lie in the texture's spare rows, 8 texels a unit: 20 units
// on the left and on the right (windows up to 2:1) and 5 units above and below (down to
// 8:7), each shown by quads of its own beside the box. At 4:3 those quads lie outside the
// window; on a wide or tall screen they carry the garden on to the window's edges.

#include <functional>
#include <vector>

#include "data_tree.h"
#include "geometry3.h"
#include "layout_writer.h"
#include "paint.h"

namespace backdrop {
inline constexpr float besideUnits = 20, aboveUnits = 5;
}  // namespace backdrop

// A garden seen wider than the box: (80 + 40) x (60 + 10) units at 12.8 pixels a unit, rows
// top first.
struct WideGarden {
    int width = 0, height = 0;
    std::vector<Colour> pixels;

    // The box's part, 1024 x 768, as the pictures' painters take it.
    std::vector<Colour> box() const;
    // The garden at a menu position (x to the right, y up; the box is 0..80 x 0..60),
    // averaged over one margin texel.
    Colour at(float x, float y) const;
};

// The view of the menus' gardens from `eye` towards `target`, each pixel the mean of
// samples x samples. Rendered once per scene and kept: the gardens do not change once written.
const WideGarden& wideGarden(const DataFiles& files, int scene, Vec3 eye, Vec3 target, int samples);

// What a picture makes of the garden beyond the box, at menu position (x, y).
using BackdropTint = std::function<Colour(Colour garden, float x, float y)>;

// Paints the margins into the spare rows of a picture flipped for saving (t up), below a
// few rows that repeat the picture's bottom row.
void paintMargins(Image& picture, const WideGarden& garden, const BackdropTint& tint);

// The picture with its margins painted in.
Image withMargins(Image picture, const WideGarden& garden, const BackdropTint& tint);

// The quads that show the margins beside the box.
std::vector<LayoutQuad> marginQuads();
