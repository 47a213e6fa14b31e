// The Polish letters X sends beyond Latin-1 reach the name entry as the Windows-1250 bytes
// the font draws and the progress file keeps.

#include <gtest/gtest.h>

#include <string>

#include "menus/records_rules.h"
#include "platform/input.h"

namespace {

TEST(PolishLetters, EveryKeysymGivesItsWindows1250LetterAndTheNameTakesIt) {
    struct Case {
        unsigned long keysym;  // X's keysym (X11/keysym.h, Latin-2)
        unsigned char letter;  // Windows-1250
    };
    const Case cases[] = {
        {0x1b1, 0xB9}, {0x1a1, 0xA5},  // ą Ą
        {0x1e6, 0xE6}, {0x1c6, 0xC6},  // ć Ć
        {0x1ea, 0xEA}, {0x1ca, 0xCA},  // ę Ę
        {0x1b3, 0xB3}, {0x1a3, 0xA3},  // ł Ł
        {0x1f1, 0xF1}, {0x1d1, 0xD1},  // ń Ń
        {0x1b6, 0x9C}, {0x1a6, 0x8C},  // ś Ś
        {0x1bc, 0x9F}, {0x1ac, 0x8F},  // ź Ź
        {0x1bf, 0xBF}, {0x1af, 0xAF},  // ż Ż
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keysym);
        ASSERT_EQ(platform::windows1250OfPolishKeysym(c.keysym), c.letter);
        std::string name;
        EXPECT_EQ(typeIntoName(name, c.letter), NameKey::changed);
        EXPECT_EQ(name, std::string(1, static_cast<char>(c.letter)));
    }
    // ó and Ó are Latin-1 and come through GLUT's own keyboard callback; plain letters,
    // Return and keys without a letter are not taken twice.
    for (unsigned long other : {0xf3ul, 0xd3ul, 0x61ul, 0xff0dul, 0ul})
        EXPECT_EQ(platform::windows1250OfPolishKeysym(other), 0) << other;
}

}  // namespace
