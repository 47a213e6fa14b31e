#include "bmp_writer.h"

namespace {

void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::string encodeBmp(int width, int height, const std::function<Rgb(int x, int y)>& pixel) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;  // rows pad to 4
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    const uint32_t headerBytes = 14 + 40;
    std::string out;
    out.reserve(headerBytes + imageBytes);
    out += "BM";
    put32(out, headerBytes + imageBytes);
    put32(out, 0);  // reserved
    put32(out, headerBytes);
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));  // positive: bottom-up
    put16(out, 1);                              // planes
    put16(out, 24);
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);  // no palette
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        uint32_t written = 0;
        for (int x = 0; x < width; ++x, written += 3) {
            Rgb c = pixel(x, y);
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
        }
        for (; written < rowBytes; ++written) out += '\0';
    }
    return out;
}
