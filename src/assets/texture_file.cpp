#include "assets/texture_file.h"

#include <algorithm>

int textureSide(char sizeCode) {
    if (sizeCode < '1' || sizeCode > '6') return 0;
    return 32 << (sizeCode - '1');
}

std::optional<TextureFile> parseTextureFile(std::string_view bytes) {
    if (bytes.size() < textureHeaderSize) return std::nullopt;
    TextureFile texture;
    texture.formatLetter = bytes[0];
    texture.sizeCode = bytes[2];
    texture.rgba = std::string_view("aAkK").find(texture.formatLetter) != std::string_view::npos;
    texture.side = textureSide(texture.sizeCode);
    size_t size = static_cast<size_t>(texture.side) * static_cast<size_t>(texture.side) *
                  static_cast<size_t>(texture.bytesPerPixel());
    std::string_view stored = bytes.substr(textureHeaderSize, size);
    texture.pixels.assign(size, 0);
    std::copy(stored.begin(), stored.end(), texture.pixels.begin());
    texture.storedPixelBytes = stored.size();
    return texture;
}
