#pragma once
// Painting tools for cut-out pictures (flowers, leaves, icons, panel parts): shapes given
// by an inside test, filled with anti-aliased edges, and the clean-up that cut-outs need
// before they are filtered and mipmapped.

#include <functional>
#include <vector>

#include "paint.h"

struct Point2 {
    float x, y;
};

// Blends colour(x, y) over every pixel of the box x0..x1, y0..y1 (pixels) in proportion to
// how much of the pixel lies inside (4 x 4 samples). Coordinates wrap like Image::at.
void fillRegion(Image& image, float x0, float y0, float x1, float y1,
                const std::function<bool(float x, float y)>& inside,
                const std::function<Colour(float x, float y)>& colour);

// A filled polygon (any winding, even-odd rule).
void fillPolygon(Image& image, const std::vector<Point2>& points,
                 const std::function<Colour(float x, float y)>& colour);
bool insidePolygon(const std::vector<Point2>& points, float x, float y);

// An ellipse turned by `angle` radians (its x radius then points along the angle);
// `colour` gets the position along that axis and across it, both -1..1.
void fillTurnedEllipse(Image& image, float cx, float cy, float rx, float ry, float angle,
                       const std::function<Colour(float along, float across)>& colour);

// Gives fully transparent pixels the colour of the nearest visible ones, so that filtering
// and mipmaps never pull a dark fringe into a cut-out's edge.
void bleedColours(Image& image);

// The picture upside down: for atlases whose coordinates count t upwards (panel parts).
Image flipped(const Image& image);
