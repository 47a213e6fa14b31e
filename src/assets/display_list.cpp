#include "assets/display_list.h"

namespace glh {

void display_list::newList(GLenum mode) {
    if (!created) {
        listName = glGenLists(1);
        created = true;
    }
    glNewList(listName, mode);
}

void display_list::endList() {
    glEndList();
}

void display_list::callList() const {
    if (created) glCallList(listName);
}

void display_list::deleteList() {
    if (!created) return;
    glDeleteLists(listName, 1);
    created = false;
}

}  // namespace glh
