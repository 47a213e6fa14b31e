#include "platform/screenshot.h"

#include <GL/gl.h>
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/window.h"

namespace platform {

bool writeScreenshotOfWindow(const std::string& path, std::string& error) {
    const int width = windowWidth();
    const int height = windowHeight();
    if (width <= 0 || height <= 0) {
        error = "no picture to write";
        return false;
    }
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        error = path + ": cannot encode PNG";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // GL rows run bottom-up, PNG rows top-down.
    for (int row = height - 1; row >= 0; --row)
        png_write_row(png, pixels.data() + static_cast<size_t>(row) * width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace platform
