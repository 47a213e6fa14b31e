#include "assets/texture_loader.h"

#include <GL/gl.h>

#include <array>
#include <utility>
#include <vector>

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

// Memory for decoding images, kept for the life of the process: a big image then costs no
// fresh pages after the first (the kernel zeroes each new page, which was a third of a
// 1024 x 1024 image's load). At most 4 MB for an image and 1 MB for its smaller levels.
struct DecodeMemory {
    std::vector<unsigned char> image, levels;
} decodeMemory;

constexpr size_t largestImageBytes = 1024 * 1024 * 4;

// The image and every smaller level down to 1 x 1, each halving the one above it, given to
// OpenGL as RGBA rows (which it takes twice as fast as RGB ones) and kept with or without
// alpha as `components` says.
void uploadMipmapChain(std::vector<unsigned char>& image, int side, GLint components) {
    glTexImage2D(GL_TEXTURE_2D, 0, components, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.data());
    // The levels take turns between the image's buffer, free once level 0 is uploaded, and
    // the smaller one.
    std::vector<unsigned char>& levels = decodeMemory.levels;
    levels.resize(image.size() / 4);
    const unsigned char* above = image.data();
    unsigned char* spare = image.data();
    unsigned char* below = levels.data();
    for (int level = 1; side > 1; ++level) {
        halveSquareRgba(above, side, below);
        side /= 2;
        glTexImage2D(GL_TEXTURE_2D, level, components, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     below);
        above = below;
        std::swap(below, spare);
    }
}

}  // namespace

TextureKind loadTextureFile(std::string_view path, glh::tex_object_2D& record,
                            int textureFilterMode, TextureAlpha alpha) {
    // A missing file, a folder, a FIFO or a device is skipped like a missing file.
    DataFile file = DataFile::open(path);
    if (!file.ok()) return TextureKind::None;
    decodeMemory.image.reserve(largestImageBytes);
    auto texture = readTextureFile(file, std::move(decodeMemory.image));
    if (!texture) return TextureKind::None;
    record.bind();
    setFilter(record, textureFilterMode);
    const int side = texture->side;
    const TextureKind kind = texture->rgba ? TextureKind::WithAlpha : TextureKind::Opaque;
    decodeMemory.image = rgbaPixels(std::move(*texture));
    if (side == 0) return TextureKind::None;
    const GLint components = kind == TextureKind::Opaque && alpha == TextureAlpha::AsFile ? 3 : 4;
    uploadMipmapChain(decodeMemory.image, side, components);
    return kind;
}
