#include "assets/tex_object.h"

namespace glh {

void tex_object::bind() {
    if (!created) {
        glGenTextures(1, &textureName);
        created = true;
    }
    glBindTexture(target, textureName);
}

void tex_object::parameter(GLenum name, GLint value) const {
    glTexParameteri(target, name, value);
}

void tex_object::parameter(GLenum name, GLfloat value) const {
    glTexParameterf(target, name, value);
}

void tex_object::deleteTexture() {
    if (!created) return;
    glDeleteTextures(1, &textureName);
    created = false;
}

}  // namespace glh
