#pragma once
// How the flat 80 x 60 design of the menus, the panel and the countdown meets a window of
// any shape. The design sits in the largest 4:3 box centred in the window, one unit as wide
// on the screen as it is high; a window of another shape shows more units beside the box
// (a wide screen) or above and below it (a tall one). At 4:3 the box is the window and
// every figure here is exactly the design's own.
//
// Layout files keep the design's coordinates. Fitting a layout to a window moves nothing
// inside the box: a backdrop (a picture covering the whole box) is grown about the box's
// middle only where its own quads do not reach the window's edges, and the panel's pieces
// keep to the window's corners.

#include "assets/model_file.h"

struct LayoutView {
    int width = 640, height = 480;  // the window, pixels
    // The 4:3 box in window pixels, from the window's top left corner.
    double boxLeft = 0, boxTop = 0, boxWidth = 640, boxHeight = 480;
    // The whole window in design units (x to the right, y up): 0, 80, 0, 60 at 4:3.
    float left = 0, right = 80, bottom = 0, top = 60;

    bool operator==(const LayoutView&) const = default;
};

inline constexpr float designWidth = 80, designHeight = 60;

LayoutView layoutViewOf(int width, int height);

// A pointer position in window pixels (y counted down from the top) in design units. Inside
// the box: mx = x / (W x 0.0125), my = 60 - y / (H / 60) of the box; outside it the pointer
// is held at the box's edge, so it always stands on the design.
void windowToDesign(const LayoutView& view, int x, int y, float& mx, float& my);
// The window pixel that shows a design position (truncated), for a hand that points.
void designToWindow(const LayoutView& view, float mx, float my, int& x, int& y);

enum class LayoutFit {
    asWritten,  // coordinates as the file gives them
    backdrops,  // menus: a picture covering the box reaches the window's edges
    corners,    // the panel: each quad keeps to the corner of the window nearest its middle
};

// Fits a layout read from a file to the view, before it is compiled. A backdrop is an
// object with a quad covering the whole box; its backdrop quads are that quad and every
// quad reaching out of the box (a picture's margins). Where they do not reach the window's
// edges all of them are grown together about the box's middle, just enough to cover the
// window: the picture keeps its proportions and is cropped. Quads inside the box stay.
void fitLayout(ModelFile& layout, LayoutFit fit, const LayoutView& view);

// How far a piece of the panel with its middle at (x, y) moves to keep to its corner of
// the window: the left or right edge by which half of the design it is in, the bottom or
// top likewise; a piece on a middle line stays centred on that axis.
void cornerOffset(const LayoutView& view, float x, float y, float& dx, float& dy);

// The window the overlays are drawn in now. Layouts are fitted to it when they load, and
// the frame fits them again when the window changes (setLayoutWindow returns true then).
const LayoutView& layoutView();
bool setLayoutWindow(int width, int height);
