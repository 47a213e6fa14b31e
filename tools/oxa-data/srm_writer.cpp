#include "srm_writer.h"

#include <cmath>
#include <stdexcept>

namespace {

char sizeCode(int side) {
    for (int code = 1, s = 32; code <= 6; ++code, s *= 2) {
        if (s == side) return static_cast<char>('0' + code);
    }
    throw std::invalid_argument("texture side must be 32..1024, a power of two");
}

char byteOf(float v) {
    return static_cast<char>(static_cast<unsigned char>(std::lround(clamp01(v) * 255)));
}

}  // namespace

std::string encodeTexture(const Image& image, bool withAlpha) {
    std::string out(16, '\0');
    out[0] = withAlpha ? 'A' : 'R';
    out[1] = ' ';
    out[2] = sizeCode(image.side());
    const int side = image.side();
    out.reserve(16 + static_cast<size_t>(side * side * (withAlpha ? 4 : 3)));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const Colour& c = image.at(x, y);
            out += byteOf(c.r);
            out += byteOf(c.g);
            out += byteOf(c.b);
            if (withAlpha) out += byteOf(c.a);
        }
    }
    return out;
}
