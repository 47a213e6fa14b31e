#pragma once
// The overlays' projection: the whole window in design units, so that the 80 x 60 design
// fills the 4:3 box in the window's middle, one unit as wide as it is high (layout_view.h).

// Loads it into the current matrix (the projection's, as the overlays push it).
void loadLayoutProjection();
