#pragma once
// One OpenGL texture, owned by the scene, screen or object that draws with it. The texture
// name is made on first bind; deleting it lets a later bind make a fresh one.

#include <GL/gl.h>

namespace glh {

class tex_object {
  public:
    explicit tex_object(GLenum target) : target(target) {}
    tex_object(const tex_object&) = delete;
    tex_object& operator=(const tex_object&) = delete;
    virtual ~tex_object() { deleteTexture(); }

    void bind();
    // Set on `target`, so on whatever texture is bound there.
    void parameter(GLenum name, GLint value) const;
    void parameter(GLenum name, GLfloat value) const;
    void deleteTexture();

    bool created = false;
    GLuint textureName = 0;
    GLenum target;
};

class tex_object_2D : public tex_object {
  public:
    tex_object_2D() : tex_object(GL_TEXTURE_2D) {}
};

}  // namespace glh
