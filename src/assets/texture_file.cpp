#include "assets/texture_file.h"

#include <algorithm>

#include "platform/data_paths.h"

namespace {

// The texture a header announces, its pixels all zero.
TextureFile fromHeader(std::string_view header) {
    TextureFile texture;
    texture.formatLetter = header[0];
    texture.sizeCode = header[2];
    texture.rgba = std::string_view("aAkK").find(texture.formatLetter) != std::string_view::npos;
    texture.side = textureSide(texture.sizeCode);
    texture.pixels.assign(static_cast<size_t>(texture.side) * static_cast<size_t>(texture.side) *
                              static_cast<size_t>(texture.bytesPerPixel()),
                          0);
    return texture;
}

}  // namespace

int textureSide(char sizeCode) {
    if (sizeCode < '1' || sizeCode > '6') return 0;
    return 32 << (sizeCode - '1');
}

std::optional<TextureFile> parseTextureFile(std::string_view bytes) {
    if (bytes.size() < textureHeaderSize) return std::nullopt;
    TextureFile texture = fromHeader(bytes);
    std::string_view stored = bytes.substr(textureHeaderSize, texture.pixels.size());
    std::copy(stored.begin(), stored.end(), texture.pixels.begin());
    texture.storedPixelBytes = stored.size();
    return texture;
}

std::optional<TextureFile> readTextureFile(DataFile& file) {
    char header[textureHeaderSize];
    auto got = file.read(header, sizeof header);
    if (!got || *got < sizeof header) return std::nullopt;
    TextureFile texture = fromHeader(std::string_view(header, sizeof header));
    // The pixels go straight into the image's buffer; whatever follows them is never read.
    got = file.read(texture.pixels.data(), texture.pixels.size());
    if (!got) return std::nullopt;
    texture.storedPixelBytes = *got;
    return texture;
}
