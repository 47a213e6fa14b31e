#include "text_art.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr const char* fontFile = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";

// One FreeType library and face for the whole run.
class Font {
  public:
    static Font& instance() {
        static Font font;
        return font;
    }
    FT_Face face() const { return face_; }

  private:
    Font() {
        if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType does not start");
        if (!std::filesystem::exists(fontFile) || FT_New_Face(library_, fontFile, 0, &face_)) {
            FT_Done_FreeType(library_);
            throw std::runtime_error(std::string("no menu font: ") + fontFile +
                                     " (install fonts-comic-neue)");
        }
    }
    ~Font() {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int extra = byte < 0x80 ? 0 : byte < 0xe0 ? 1 : byte < 0xf0 ? 2 : 3;
        char32_t code = extra == 0 ? byte : byte & (0x3f >> extra);
        if (extra > 0 && i + static_cast<size_t>(extra) >= text.size())
            throw std::invalid_argument("broken UTF-8 in a menu text");
        for (int k = 1; k <= extra; ++k)
            code =
                (code << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3f);
        out += code;
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

// Sets the face's size so that a capital H is `capHeight` pixels tall.
void sizeForCapHeight(FT_Face face, float capHeight) {
    constexpr unsigned probe = 200;
    FT_Set_Transform(face, nullptr, nullptr);
    if (FT_Set_Pixel_Sizes(face, 0, probe) || FT_Load_Char(face, 'H', FT_LOAD_DEFAULT))
        throw std::runtime_error("FreeType cannot measure the menu font");
    const float probeCap = static_cast<float>(face->glyph->metrics.height) / 64;
    const FT_F26Dot6 size = std::lround(probe * capHeight / probeCap * 64);
    if (FT_Set_Char_Size(face, 0, std::max<FT_F26Dot6>(size, 4 * 64), 72, 72))
        throw std::runtime_error("FreeType cannot size the menu font");
}

}  // namespace

std::u32string lettersWithoutGlyph(std::string_view utf8) {
    FT_Face face = Font::instance().face();
    std::u32string missing;
    for (char32_t code : decodeUtf8(utf8))
        if (FT_Get_Char_Index(face, code) == 0) missing += code;
    return missing;
}

TextMask setText(std::string_view utf8, float capHeight, float stretchX) {
    FT_Face face = Font::instance().face();
    sizeForCapHeight(face, capHeight);
    FT_Matrix stretch{static_cast<FT_Fixed>(std::lround(stretchX * 0x10000)), 0, 0, 0x10000};
    FT_Set_Transform(face, &stretch, nullptr);

    struct Placed {
        int left, top, width, rows;
        std::vector<float> ink;
    };
    std::vector<Placed> glyphs;
    long pen = 0;  // 26.6
    FT_UInt previous = 0;
    int minX = 0, maxX = 0, minY = 0, maxY = 0;  // ink bounds, y up from the baseline
    bool any = false;
    for (char32_t code : decodeUtf8(utf8)) {
        const FT_UInt index = FT_Get_Char_Index(face, code);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
            pen += static_cast<long>(std::lround(static_cast<double>(kern.x) * stretchX));
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL))
            throw std::runtime_error("FreeType cannot render a menu letter");
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        Placed placed{static_cast<int>(pen / 64) + slot->bitmap_left,
                      slot->bitmap_top,
                      static_cast<int>(bitmap.width),
                      static_cast<int>(bitmap.rows),
                      {}};
        placed.ink.resize(static_cast<size_t>(placed.width * placed.rows));
        for (int y = 0; y < placed.rows; ++y) {
            for (int x = 0; x < placed.width; ++x) {
                placed.ink[static_cast<size_t>(y * placed.width + x)] =
                    static_cast<float>(bitmap.buffer[y * bitmap.pitch + x]) / 255;
            }
        }
        if (placed.width > 0 && placed.rows > 0) {
            if (!any) {
                minX = placed.left, maxX = placed.left + placed.width;
                minY = placed.top - placed.rows, maxY = placed.top;
                any = true;
            }
            minX = std::min(minX, placed.left);
            maxX = std::max(maxX, placed.left + placed.width);
            minY = std::min(minY, placed.top - placed.rows);
            maxY = std::max(maxY, placed.top);
        }
        glyphs.push_back(std::move(placed));
        pen += slot->advance.x;
        previous = index;
    }
    FT_Set_Transform(face, nullptr, nullptr);

    TextMask mask;
    mask.capHeight = capHeight;
    mask.text = utf8;
    if (!any) return mask;
    mask.width = maxX - minX;
    mask.height = maxY - minY;
    mask.baseline = maxY;
    mask.coverage.assign(static_cast<size_t>(mask.width * mask.height), 0);
    for (const Placed& glyph : glyphs) {
        for (int y = 0; y < glyph.rows; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                const int mx = glyph.left - minX + x, my = maxY - glyph.top + y;
                float& cell = mask.coverage[static_cast<size_t>(my * mask.width + mx)];
                cell = std::min(1.0f, cell + glyph.ink[static_cast<size_t>(y * glyph.width + x)]);
            }
        }
    }
    return mask;
}

TextMask setTextToFit(std::string_view utf8, float capHeight, float maxWidth) {
    TextMask mask = setText(utf8, capHeight);
    if (static_cast<float>(mask.width) <= maxWidth) return mask;
    const float scale = maxWidth / static_cast<float>(mask.width) * 0.98f;
    mask = setText(utf8, capHeight * scale);
    mask.scale = scale;
    return mask;
}

std::vector<TextMask> setLinesToFit(std::string_view utf8, float capHeight, float maxWidth,
                                    float keep) {
    TextMask one = setTextToFit(utf8, capHeight, maxWidth);
    if (one.scale >= keep) return {std::move(one)};
    size_t split = std::string_view::npos;
    for (size_t k = utf8.find(' '); k != std::string_view::npos; k = utf8.find(' ', k + 1)) {
        const auto distance = [&](size_t at) {
            return std::abs(static_cast<long>(at) - static_cast<long>(utf8.size() / 2));
        };
        if (split == std::string_view::npos || distance(k) < distance(split)) split = k;
    }
    if (split == std::string_view::npos) return {std::move(one)};
    return {setTextToFit(utf8.substr(0, split), capHeight, maxWidth),
            setTextToFit(utf8.substr(split + 1), capHeight, maxWidth)};
}

namespace {
TextLog* openLog = nullptr;
TextRoom* openRoom = nullptr;
}  // namespace

TextLog::TextLog() : previous_(openLog) {
    openLog = this;
}

TextLog::~TextLog() {
    openLog = previous_;
}

void TextLog::note(PaintedText line) {
    if (openLog) openLog->lines_.push_back(std::move(line));
}

TextRoom::TextRoom(Box room) : room_(room), previous_(openRoom) {
    openRoom = this;
}

TextRoom::~TextRoom() {
    openRoom = previous_;
}

const Box* TextRoom::current() {
    return openRoom ? &openRoom->room_ : nullptr;
}

void paintText(Image& image, const TextMask& text, float left, float baseline,
               const TextStyle& style) {
    const int x0 = static_cast<int>(std::lround(left));
    const int y0 = static_cast<int>(std::lround(baseline)) - text.baseline;
    const float width = style.outlineWidth;
    const int reach = width > 0 ? static_cast<int>(std::ceil(width)) + 1 : 0;
    // The outline is the letters grown by a disc: the strongest ink within reach, fading
    // over its last pixel.
    std::vector<std::pair<int, int>> disc;
    std::vector<float> weight;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const float w =
                clamp01(width + 0.5f - std::hypot(static_cast<float>(dx), static_cast<float>(dy)));
            if (w <= 0) continue;
            disc.emplace_back(dx, dy);
            weight.push_back(w);
        }
    }
    const float capTop = static_cast<float>(text.baseline) - text.capHeight;
    {
        // The ink's box: the letters grown by the outline's full width.
        const float grow = width > 0 ? width + 0.5f : 0;
        const Box ink = text.width > 0
                            ? Box{static_cast<float>(x0) - grow, static_cast<float>(y0) - grow,
                                  static_cast<float>(x0 + text.width) + grow,
                                  static_cast<float>(y0 + text.height) + grow}
                            : Box{0, 0, 0, 0};
        const Box* room = TextRoom::current();
        const Box whole{0, 0, static_cast<float>(image.side()), static_cast<float>(image.side())};
        TextLog::note({text.text, &image, ink, room ? *room : whole, room != nullptr, text.scale});
    }
    for (int y = -reach; y < text.height + reach; ++y) {
        for (int x = -reach; x < text.width + reach; ++x) {
            float ring = 0;
            for (size_t k = 0; k < disc.size(); ++k)
                ring = std::max(ring, text.at(x + disc[k].first, y + disc[k].second) * weight[k]);
            const float ink = text.at(x, y);
            if (ring <= 0 && ink <= 0) continue;
            const float v = clamp01((static_cast<float>(y) - capTop) / text.capHeight);
            const Colour fill = mix(style.top, style.bottom, v);
            const Colour colour = width > 0 ? mix(style.outline, fill, ink) : fill;
            const float alpha = width > 0 ? std::max(ring, ink) : ink;
            // Over what is there: the picture below shows through the letters' soft edges.
            Colour& p = image.at(x0 + x, y0 + y);
            const float k = alpha * colour.a;
            const float a = p.a + (1 - p.a) * k;
            const float w = a > 0 ? k / a : 1;
            p = mix(p, {colour.r, colour.g, colour.b, 1}, w);
            p.a = a;
        }
    }
}

void paintTextCentred(Image& image, const TextMask& text, float cx, float cy,
                      const TextStyle& style) {
    paintText(image, text, cx - static_cast<float>(text.width) / 2, cy + text.capHeight / 2, style);
}
