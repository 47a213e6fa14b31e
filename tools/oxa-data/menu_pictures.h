#pragma once
// The little pictures of the menus: the bee, the hive, a nectar spot, the keys and the
// mouse, and the rounded plates every button and page is made of. Pixel coordinates, y
// down, on pictures painted the right way up.

#include <functional>

#include "paint.h"
#include "text_table.h"

using InsideTest = std::function<bool(float x, float y)>;

struct Box {
    float x0, y0, x1, y1;
    float cx() const { return (x0 + x1) / 2; }
    float cy() const { return (y0 + y1) / 2; }
    float w() const { return x1 - x0; }
    float h() const { return y1 - y0; }
    Box grown(float by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

InsideTest roundedBox(Box box, float radius);

// A rounded plate: an outline `edge` wide in `edgeColour`, filled with a colour shaded from
// `top` to `bottom`.
void plate(Image& image, Box box, float radius, float edge, Colour edgeColour, Colour top,
           Colour bottom);

// A soft shadow under a shape's box, for a little depth.
void shadow(Image& image, Box box, float radius, float offset, float alpha);

// The bee, facing right, her body `size` pixels long, centred on (cx, cy).
void paintBee(Image& image, float cx, float cy, float size);

// A picture for a line of a page, fitted into a square of `size` pixels round (cx, cy).
// `keyLabel` is the word on the Escape key.
void paintPageIcon(Image& image, PageIcon icon, float cx, float cy, float size,
                   const std::string& keyLabel);

// A small sign for a button, so that a child who cannot read yet knows it too.
enum class ButtonIcon { none, bee, play, gear, mouse, cup, heart, door, back };
void paintButtonIcon(Image& image, ButtonIcon icon, float cx, float cy, float size);

// The menus' pointer: an arrow striped like the bee, its tip at (tipX, tipY), `size`
// pixels from the tip to its far end.
void paintPointerArrow(Image& image, float tipX, float tipY, float size);
