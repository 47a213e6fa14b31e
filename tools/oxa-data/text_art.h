#pragma once
// Words for the menu pictures, set with FreeType in Comic Neue Bold (SIL Open Font
// License 1.1, Debian's fonts-comic-neue): UTF-8 text, kerned, measured by the height of
// its capitals so that words of one size line up whatever letters they hold.

#include <string>
#include <string_view>
#include <vector>

#include "menu_pictures.h"
#include "paint.h"

struct TextMask {
    int width = 0, height = 0;
    int baseline = 0;             // row of the baseline, counted from the top of the mask
    float capHeight = 0;          // pixels from the baseline to the top of a capital
    std::vector<float> coverage;  // rows top first, 0..1
    std::string text;             // what it says (UTF-8)
    float scale = 1;              // below 1 when made smaller to fit its width

    float at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return coverage[static_cast<size_t>(y * width + x)];
    }
};

// The letters of a text the menu font has no glyph for (none when it can set them all).
std::u32string lettersWithoutGlyph(std::string_view utf8);

// One line of text whose capitals are `capHeight` pixels tall; `stretchX` widens every
// letter (for cells that the game squeezes when it draws them).
TextMask setText(std::string_view utf8, float capHeight, float stretchX = 1);

// The same, made smaller where needed so that it is at most `maxWidth` pixels wide.
TextMask setTextToFit(std::string_view utf8, float capHeight, float maxWidth);

// The same on one line while that keeps at least `keep` of its size; otherwise broken at the
// space nearest its middle into two lines, each made to fit.
std::vector<TextMask> setLinesToFit(std::string_view utf8, float capHeight, float maxWidth,
                                    float keep = 0.8f);

struct TextStyle {
    Colour top, bottom;  // the letters' fill, shaded from the top of the capitals down
    Colour outline;
    float outlineWidth;  // pixels; 0 for none
};

// Paints a line with its left edge at `left` and its baseline on row `baseline`.
void paintText(Image& image, const TextMask& text, float left, float baseline,
               const TextStyle& style);

// Paints a line centred on (cx, cy), the capitals' middle on cy.
void paintTextCentred(Image& image, const TextMask& text, float cx, float cy,
                      const TextStyle& style);

// Every line painted while a TextLog is open is written down: what it says, the box its
// ink covers (outline included), the room it had to stay in and how much it was made
// smaller to fit. The generator's tests hold every line of every language against the
// face, card or row it is drawn on.
struct PaintedText {
    std::string text;
    const Image* image;
    Box ink;      // pixels, y down; empty for a line of spaces
    Box room;     // the room open when it was painted, or the whole picture
    bool inRoom;  // whether a room was open
    float scale;
};

class TextLog {
  public:
    TextLog();
    ~TextLog();
    TextLog(const TextLog&) = delete;
    TextLog& operator=(const TextLog&) = delete;
    const std::vector<PaintedText>& lines() const { return lines_; }

    static void note(PaintedText line);

  private:
    std::vector<PaintedText> lines_;
    TextLog* previous_;
};

// The room (pixels, y down) the lines painted while it stands must keep their ink in: the
// text area of a button's face, the band of a page's row, a dialog's card.
class TextRoom {
  public:
    explicit TextRoom(Box room);
    ~TextRoom();
    TextRoom(const TextRoom&) = delete;
    TextRoom& operator=(const TextRoom&) = delete;

    static const Box* current();

  private:
    Box room_;
    TextRoom* previous_;
};
