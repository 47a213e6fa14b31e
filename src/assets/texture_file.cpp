#include "assets/texture_file.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/data_paths.h"

namespace {

// The texture a header announces, its pixel buffer of the image's size (in `memory` when
// one is lent; what it held is left for the caller to overwrite or clear).
TextureFile fromHeader(std::string_view header, std::vector<unsigned char>&& memory = {}) {
    TextureFile texture;
    texture.formatLetter = header[0];
    texture.sizeCode = header[2];
    texture.rgba = std::string_view("aAkK").find(texture.formatLetter) != std::string_view::npos;
    texture.side = textureSide(texture.sizeCode);
    texture.pixels = std::move(memory);
    texture.pixels.resize(static_cast<size_t>(texture.side) * static_cast<size_t>(texture.side) *
                          static_cast<size_t>(texture.bytesPerPixel()));
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
    auto end = std::copy(stored.begin(), stored.end(), texture.pixels.begin());
    std::fill(end, texture.pixels.end(), 0);
    texture.storedPixelBytes = stored.size();
    return texture;
}

std::optional<TextureFile> readTextureFile(DataFile& file, std::vector<unsigned char>&& memory) {
    char header[textureHeaderSize];
    auto got = file.read(header, sizeof header);
    if (!got || *got < sizeof header) return std::nullopt;
    TextureFile texture = fromHeader(std::string_view(header, sizeof header), std::move(memory));
    // The pixels go straight into the image's buffer; whatever follows them is never read.
    got = file.read(texture.pixels.data(), texture.pixels.size());
    if (!got) return std::nullopt;
    // What the file does not hold is black, whatever the lent memory held before.
    std::fill(texture.pixels.begin() + static_cast<std::ptrdiff_t>(*got), texture.pixels.end(), 0);
    texture.storedPixelBytes = *got;
    return texture;
}

std::vector<unsigned char> rgbaPixels(TextureFile&& texture) {
    std::vector<unsigned char> pixels = std::move(texture.pixels);
    if (texture.rgba) return pixels;
    const size_t count = pixels.size() / 3;
    pixels.resize(count * 4);
    // In place from the last pixel back: pixel k moves from 3k to 4k, never over one not
    // yet moved.
    unsigned char* p = pixels.data();
    for (size_t k = count; k-- > 0;) {
        const unsigned char r = p[3 * k], g = p[3 * k + 1], b = p[3 * k + 2];
        p[4 * k] = r;
        p[4 * k + 1] = g;
        p[4 * k + 2] = b;
        p[4 * k + 3] = 255;
    }
    return pixels;
}

void halveSquareRgba(const unsigned char* above, int side, unsigned char* below) {
    const size_t rowBytes = static_cast<size_t>(side) * 4;
    const int half = side / 2;
    for (int y = 0; y < half; ++y) {
        const unsigned char* top = above + 2 * static_cast<size_t>(y) * rowBytes;
        const unsigned char* bottom = top + rowBytes;
        unsigned char* out = below + static_cast<size_t>(y) * static_cast<size_t>(half) * 4;
        for (int x = 0; x < half; ++x) {
            for (int c = 0; c < 4; ++c) {
                const int left = 8 * x + c;
                const int sum = top[left] + top[left + 4] + bottom[left] + bottom[left + 4];
                out[4 * x + c] = static_cast<unsigned char>((sum + 2) >> 2);
            }
        }
    }
}
