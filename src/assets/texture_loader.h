#pragma once
// Loads a texture file ("MOD\BMP_0\motyl.srm") into a texture record with a full mipmap
// chain, left bound to GL_TEXTURE_2D. A file that is missing or shorter than its header is
// skipped and the record keeps what it had; a size code that names no image leaves the
// record bound with its filters set and no image. Only a regular file is a texture: a name
// that is a folder, a FIFO or a device is skipped like a missing file. Never raises an
// error.

#include <string_view>

#include "assets/tex_object.h"

// textureFilterMode picks the minification filter:
//   0 nearest mipmap nearest   1 nearest mipmap linear
//   2 linear mipmap nearest    3 linear mipmap linear (2 and 3 with anisotropy 4 where
//                              the driver is hardware and has the extension)
// Any other mode leaves OpenGL's default filters.
//
// An RGB file's texture has no alpha channel unless `alpha` asks for one; then its alpha is
// 255 everywhere, which reads as the same 1, so it draws the same picture in the same GL
// state as the RGBA pictures around it (on Mesa's software renderer every new state costs a
// shader compiled on its first use).
enum class TextureAlpha { AsFile, Always };

// What was loaded: no image (the file was skipped or names no size), an opaque image (an
// RGB file) or one with its own alpha channel (an RGBA file).
enum class TextureKind { None, Opaque, WithAlpha };

TextureKind loadTextureFile(std::string_view path, glh::tex_object_2D& record,
                            int textureFilterMode, TextureAlpha alpha = TextureAlpha::AsFile);

// The control panel's textures load at this mode whatever the player chose.
constexpr int panelTextureFilterMode = 2;
