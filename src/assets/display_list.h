#pragma once
// One OpenGL display list, owned by whatever draws it (usually in a fixed array of lists).
// The list name is made on first compile; calling a list never compiled does nothing.

#include <GL/gl.h>

namespace glh {

class display_list {
  public:
    display_list() = default;
    display_list(const display_list&) = delete;
    display_list& operator=(const display_list&) = delete;
    virtual ~display_list() { deleteList(); }

    // Begins compiling (the loaders use GL_COMPILE), making the list name if needed.
    void newList(GLenum mode);
    void endList();
    void callList() const;
    void deleteList();

    bool created = false;
    GLuint listName = 0;
};

}  // namespace glh
