// Compares two screenshots of the same frame, before and after a change to drawing:
//   oxa-picture-diff BEFORE.png AFTER.png [SIDE_BY_SIDE.png]
// Prints "changed P % mean M max X": the share of pixels whose largest channel difference is
// over 24 (of 255), the mean absolute difference over all channels, and the largest. Exits
// with 1 when the pictures differ by more than a child would notice: 1 % of the pixels
// changed or a mean difference of 2. The optional third file shows before, after and the
// changed pixels (in red) side by side.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Picture {
    png_uint_32 width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

bool readPng(const char* path, Picture& picture) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) return false;
    image.format = PNG_FORMAT_RGB;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

bool writePng(const char* path, const Picture& picture) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = picture.width;
    image.height = picture.height;
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path, 0, picture.rgb.data(), 0, nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: oxa-picture-diff BEFORE.png AFTER.png [SIDE_BY_SIDE.png]\n");
        return 2;
    }
    Picture before, after;
    if (!readPng(argv[1], before) || !readPng(argv[2], after)) {
        std::fprintf(stderr, "oxa-picture-diff: cannot read %s or %s as PNG\n", argv[1], argv[2]);
        return 2;
    }
    if (before.width != after.width || before.height != after.height) {
        std::fprintf(stderr, "oxa-picture-diff: the pictures differ in size\n");
        return 2;
    }
    const size_t pixels = static_cast<size_t>(before.width) * before.height;
    size_t changed = 0;
    double sum = 0;
    int largest = 0;
    std::vector<bool> marks(pixels);
    for (size_t p = 0; p < pixels; ++p) {
        int most = 0;
        for (int c = 0; c < 3; ++c) {
            const int d = std::abs(before.rgb[p * 3 + c] - after.rgb[p * 3 + c]);
            sum += d;
            most = std::max(most, d);
        }
        largest = std::max(largest, most);
        if (most > 24) {
            ++changed;
            marks[p] = true;
        }
    }
    const double share = 100.0 * static_cast<double>(changed) / static_cast<double>(pixels);
    const double mean = sum / static_cast<double>(pixels * 3);
    std::printf("changed %.3f %% mean %.3f max %d\n", share, mean, largest);
    if (argc > 3) {
        Picture side;
        side.width = before.width * 3;
        side.height = before.height;
        side.rgb.resize(static_cast<size_t>(side.width) * side.height * 3);
        for (png_uint_32 y = 0; y < before.height; ++y) {
            for (png_uint_32 x = 0; x < before.width; ++x) {
                const size_t p = static_cast<size_t>(y) * before.width + x;
                unsigned char* row = &side.rgb[static_cast<size_t>(y) * side.width * 3];
                std::memcpy(row + x * 3, &before.rgb[p * 3], 3);
                std::memcpy(row + (before.width + x) * 3, &after.rgb[p * 3], 3);
                unsigned char* mark = row + (2 * before.width + x) * 3;
                // The changed pixels in red over a faded copy of the picture.
                for (int c = 0; c < 3; ++c)
                    mark[c] = static_cast<unsigned char>(128 + after.rgb[p * 3 + c] / 4);
                if (marks[p]) mark[0] = 255, mark[1] = 0, mark[2] = 0;
            }
        }
        if (!writePng(argv[3], side)) {
            std::fprintf(stderr, "oxa-picture-diff: cannot write %s\n", argv[3]);
            return 2;
        }
    }
    return share >= 1.0 || mean >= 2.0 ? 1 : 0;
}
