#include "png_dump.h"

#include <png.h>

#include <cstdio>
#include <stdexcept>

void writePng(const std::filesystem::path& path, int width, int height,
              const std::vector<unsigned char>& rgba) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("cannot encode " + path.string());
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, rgba.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 4);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

bool textureToPng(const std::string& srm, const std::filesystem::path& path) {
    if (srm.size() < 16 || srm[2] < '1' || srm[2] > '6') return false;
    int side = 32 << (srm[2] - '1');
    bool alpha = srm[0] == 'a' || srm[0] == 'A' || srm[0] == 'k' || srm[0] == 'K';
    size_t bpp = alpha ? 4 : 3;
    if (srm.size() < 16 + static_cast<size_t>(side * side) * bpp) return false;
    std::vector<unsigned char> rgba(static_cast<size_t>(side * side) * 4);
    for (size_t i = 0; i < static_cast<size_t>(side * side); ++i) {
        for (size_t c = 0; c < 4; ++c) {
            rgba[i * 4 + c] = c < bpp ? static_cast<unsigned char>(srm[16 + i * bpp + c]) : 255;
        }
    }
    writePng(path, side, side, rgba);
    return true;
}
