#include <GL/gl.h>
#include <GL/glu.h>

#include "game/kamera.h"

namespace glh {

void FlightCamera::compileCamera(const LookAt& view) {
    cameraList.newList(GL_COMPILE);
    gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.centre[0], view.centre[1], view.centre[2],
              view.up[0], view.up[1], view.up[2]);
    cameraList.endList();
}

}  // namespace glh
