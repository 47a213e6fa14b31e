#include "assets/texture_loader.h"

#include <GL/glu.h>

#include <array>

#include "assets/anisotropy.h"
#include "assets/texture_file.h"
#include "platform/data_paths.h"

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif

namespace {

struct FilterMode {
    GLint minFilter;
    bool anisotropic;
};

constexpr std::array<FilterMode, 4> filterModes = {{
    {GL_NEAREST_MIPMAP_NEAREST, false},
    {GL_NEAREST_MIPMAP_LINEAR, false},
    {GL_LINEAR_MIPMAP_NEAREST, true},
    {GL_LINEAR_MIPMAP_LINEAR, true},
}};

std::string_view glString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

void setFilter(glh::tex_object_2D& record, int textureFilterMode) {
    if (textureFilterMode < 0 || textureFilterMode >= static_cast<int>(filterModes.size())) return;
    const FilterMode& mode = filterModes[static_cast<size_t>(textureFilterMode)];
    record.parameter(GL_TEXTURE_MIN_FILTER, mode.minFilter);
    if (mode.anisotropic && anisotropyWanted(glString(GL_RENDERER), glString(GL_EXTENSIONS)))
        record.parameter(GL_TEXTURE_MAX_ANISOTROPY_EXT, 4.0f);
}

}  // namespace

void loadTextureFile(std::string_view path, glh::tex_object_2D& record, int textureFilterMode) {
    // A missing file, a folder, a FIFO or a device is skipped like a missing file.
    DataFile file = DataFile::open(path);
    if (!file.ok()) return;
    auto texture = readTextureFile(file);
    if (!texture) return;
    record.bind();
    setFilter(record, textureFilterMode);
    if (texture->side == 0) return;
    GLenum format = texture->rgba ? GL_RGBA : GL_RGB;
    gluBuild2DMipmaps(GL_TEXTURE_2D, texture->bytesPerPixel(), texture->side, texture->side, format,
                      GL_UNSIGNED_BYTE, texture->pixels.data());
}
