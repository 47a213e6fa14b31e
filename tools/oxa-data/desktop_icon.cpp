#include "desktop_icon.h"

#include <algorithm>
#include <string>
#include <vector>

#include "menu_pictures.h"
#include "paint.h"
#include "png_dump.h"

namespace fs = std::filesystem;

namespace {

unsigned char byteOf(float v) {
    return static_cast<unsigned char>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

}  // namespace

void writeDesktopIcons(const fs::path& dir) {
    for (int side : {48, 128, 256}) {
        Image image(side, Colour{0, 0, 0, 0});
        const float s = static_cast<float>(side);
        // A disc of honey with a darker rim, so the bee reads on light and dark panels.
        image.ellipse(s / 2, s / 2, s * 0.47f, s * 0.47f, hex(0xe65100), 1.5f);
        image.ellipse(s / 2, s / 2, s * 0.43f, s * 0.43f, hex(0xffca28), 1.5f);
        paintBee(image, s * 0.52f, s * 0.54f, s * 0.7f);
        std::vector<unsigned char> rgba(static_cast<size_t>(side * side) * 4);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const Colour& c = image.at(x, y);
                unsigned char* p = &rgba[static_cast<size_t>(y * side + x) * 4];
                p[0] = byteOf(c.r);
                p[1] = byteOf(c.g);
                p[2] = byteOf(c.b);
                p[3] = byteOf(c.a);
            }
        const fs::path folder = dir / (std::to_string(side) + "x" + std::to_string(side)) / "apps";
        fs::create_directories(folder);
        writePng(folder / "oxa.png", side, side, rgba);
    }
}
