#include "menu_pages.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "art_tools.h"
#include "menu_art.h"
#include "menu_pictures.h"
#include "text_art.h"
#include "text_table.h"

namespace {

using menuCanvas::pixelsPerUnit;
const Colour ink = hex(0x3e2723);

float px(float units) {
    return units * pixelsPerUnit;
}

// A page: the garden, softened, and a card for the words; the card leaves the bottom right
// corner to the button.
struct Page {
    Image image{menuCanvas::side};
    Box card{px(3), px(2.5f), px(77), px(50.5f)};  // pixels, y down
};

Page startPage(const std::vector<Colour>& garden, const std::string& title) {
    Page page;
    Image& image = page.image;
    for (int y = 0; y < menuCanvas::side; ++y) {
        const int row = std::min(y, menuCanvas::height - 1);
        for (int x = 0; x < menuCanvas::width; ++x)
            image.at(x, y) =
                softenedGarden(garden[static_cast<size_t>(row * menuCanvas::width + x)]);
    }
    shadow(image, page.card, px(2.5f), px(0.5f), 0.4f);
    plate(image, page.card, px(2.5f), px(0.6f), hex(0xff8f00), hex(0xfffdf2), hex(0xfff3c4));
    // The title on a ribbon across the top of the card.
    const TextRoom room({page.card.x0, px(1.2f), page.card.x1, px(9.8f)});
    const TextMask text = setTextToFit(title, px(4), px(60));
    const float ribbonWidth = static_cast<float>(text.width) + px(10);
    const Box ribbon{px(40) - ribbonWidth / 2, px(1.2f), px(40) + ribbonWidth / 2, px(9.8f)};
    shadow(image, ribbon, px(2), px(0.4f), 0.4f);
    plate(image, ribbon, px(2), px(0.5f), ink, hex(0xffd54f), hex(0xffa000));
    paintTextCentred(image, text, ribbon.cx(), ribbon.cy(), {hex(0xffffff), hex(0xfff9c4), ink, 5});
    return page;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const TextStyle pageText{hex(0x4e342e), hex(0x3e2723), hex(0xffffff), 0};

// Rows of a picture and its words, evenly down the card from `top` (pixels).
void iconRows(Page& page, const std::vector<PageLine>& rows, float top, float iconSize,
              float capHeight) {
    const MenuTexts& texts = menuTexts();
    const float bottom = page.card.y1 - px(2);
    const float step = (bottom - top) / static_cast<float>(rows.size());
    const float iconX = page.card.x0 + px(7.5f);
    const float textX = page.card.x0 + px(15);
    const float textWidth = page.card.x1 - px(2) - textX;
    for (size_t k = 0; k < rows.size(); ++k) {
        const float cy = top + step * (static_cast<float>(k) + 0.5f);
        paintPageIcon(page.image, rows[k].icon, iconX, cy, iconSize, texts.escapeKey);
        const auto lines = linesOf(rows[k].text);
        // Each row keeps to its own band of the card, right of its picture.
        const TextRoom room({textX - px(0.5f), top + step * static_cast<float>(k),
                             page.card.x1 - px(1), top + step * static_cast<float>(k + 1)});
        const float lineStep = capHeight * 1.75f;
        float baseline = cy + capHeight / 2 - lineStep * static_cast<float>(lines.size() - 1) / 2;
        for (const std::string& line : lines) {
            const TextMask mask = setTextToFit(line, capHeight, textWidth);
            paintText(page.image, mask, textX, baseline, pageText);
            baseline += lineStep;
        }
    }
}

}  // namespace

Colour softenedGarden(Colour garden) {
    return mix(garden, hex(0xffffff), 0.25f);
}

Image controlsPage(const std::vector<Colour>& garden) {
    const MenuTexts& texts = menuTexts();
    Page page = startPage(garden, texts.controlsTitle);
    iconRows(page, texts.controlsLines, px(11), px(10), px(2.4f));
    return flipped(page.image);
}

Image helpPage(const std::vector<Colour>& garden) {
    const MenuTexts& texts = menuTexts();
    Page page = startPage(garden, texts.helpTitle);
    iconRows(page, texts.helpLines, px(10.5f), px(6.6f), px(2.3f));
    return flipped(page.image);
}

Image creditsPage(const std::vector<Colour>& garden) {
    const MenuTexts& texts = menuTexts();
    Page page = startPage(garden, texts.creditsTitle);
    const auto& lines = texts.creditsLines;
    const float capHeight = px(2.3f), step = capHeight * 1.75f;
    float baseline = px(14);
    for (const std::string& line : lines) {
        if (!line.empty()) {
            // A line's band of the card, clear of the bee in its corner.
            const TextRoom room({page.card.x0 + px(1), baseline - step * 0.78f,
                                 page.card.x1 - px(14.4f), baseline + step * 0.22f});
            const TextMask mask = setTextToFit(line, capHeight, page.card.w() - px(22));
            paintTextCentred(page.image, mask, page.card.cx() - px(4), baseline - capHeight / 2,
                             pageText);
        }
        baseline += step;
    }
    paintBee(page.image, page.card.x1 - px(9), page.card.y1 - px(9), px(11));
    return flipped(page.image);
}
