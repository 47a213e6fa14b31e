#include "assets/layout_projection.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/layout_view.h"

void loadLayoutProjection() {
    const LayoutView& view = layoutView();
    gluOrtho2D(view.left, view.right, view.bottom, view.top);
}
