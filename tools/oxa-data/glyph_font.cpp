#include "glyph_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

constexpr const char* fontFiles[] = {
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

struct Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    Library() {
        if (FT_Init_FreeType(&library)) throw std::runtime_error("FreeType does not start");
        for (const char* file : fontFiles) {
            if (std::filesystem::exists(file) && FT_New_Face(library, file, 0, &face) == 0) return;
        }
        FT_Done_FreeType(library);
        throw std::runtime_error("no font for the panel digits (install fonts-comic-neue)");
    }
    ~Library() {
        if (face) FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

GlyphMask rasterise(FT_Face face, char32_t code, unsigned pixelSize) {
    if (FT_Set_Pixel_Sizes(face, 0, pixelSize) ||
        FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL)) {
        throw std::runtime_error("FreeType cannot render a panel glyph");
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    GlyphMask mask{static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {}};
    mask.coverage.resize(static_cast<size_t>(mask.width * mask.height));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            mask.coverage[static_cast<size_t>(y * mask.width + x)] =
                static_cast<float>(bitmap.buffer[y * bitmap.pitch + x]) / 255;
        }
    }
    return mask;
}

}  // namespace

GlyphMask renderGlyph(char32_t code, float inkHeight) {
    Library font;
    // Measure at a known size, then render at the size that gives the wanted ink height.
    const unsigned probe = 100;
    GlyphMask measured = rasterise(font.face, code, probe);
    if (measured.height == 0) throw std::runtime_error("a panel glyph has no ink");
    auto size = static_cast<unsigned>(
        std::lround(static_cast<float>(probe) * inkHeight / static_cast<float>(measured.height)));
    return rasterise(font.face, code, std::max(size, 4u));
}

void paintGlyph(Image& image, const GlyphMask& glyph, float x0, float y0, float x1, float y1,
                Colour top, Colour bottom, Colour outline, float outlineWidth) {
    const int left = static_cast<int>(std::lround((x0 + x1 - static_cast<float>(glyph.width)) / 2));
    const int upper =
        static_cast<int>(std::lround((y0 + y1 - static_cast<float>(glyph.height)) / 2));
    auto cover = [&](int gx, int gy) {
        if (gx < 0 || gy < 0 || gx >= glyph.width || gy >= glyph.height) return 0.0f;
        return glyph.coverage[static_cast<size_t>(gy * glyph.width + gx)];
    };
    const int reach = static_cast<int>(std::ceil(outlineWidth)) + 1;
    for (int gy = -reach; gy < glyph.height + reach; ++gy) {
        for (int gx = -reach; gx < glyph.width + reach; ++gx) {
            // The outline is the glyph grown by a disc: the strongest ink within reach,
            // fading over the last pixel.
            float ring = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    float d = std::hypot(static_cast<float>(dx), static_cast<float>(dy));
                    float weight = clamp01(outlineWidth + 0.5f - d);
                    if (weight > 0) ring = std::max(ring, cover(gx + dx, gy + dy) * weight);
                }
            }
            float ink = cover(gx, gy);
            if (ring <= 0 && ink <= 0) continue;
            float v = clamp01(static_cast<float>(gy) / static_cast<float>(glyph.height));
            Colour fill = mix(top, bottom, v);
            Colour c = mix(outline, fill, ink);
            Colour& p = image.at(left + gx, upper + gy);
            float alpha = std::max(ring, ink);
            p = {c.r, c.g, c.b, std::max(p.a, alpha)};
        }
    }
}
