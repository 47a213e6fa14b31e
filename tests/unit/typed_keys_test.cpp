#include "platform/typed_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/font_text.h"

namespace {

using platform::TypedKeys;
using platform::windows1250OfLatin1;

// The bytes a row of keys, handed over by GLUT as Latin-1, becomes.
std::string typed(const std::vector<unsigned char>& keys) {
    TypedKeys typedKeys;
    std::string out;
    for (unsigned char key : keys) out += typedKeys.take(key);
    return out;
}

TEST(TypedKeys, LatinOneBytesBecomeTheSameLetterInWindows1250OrNothing) {
    struct Case {
        unsigned char latin1, windows1250;
        const char* what;
    };
    const Case cases[] = {
        {'a', 'a', "ASCII"}, {13, 13, "Enter"},   {27, 27, "Escape"},        {8, 8, "Backspace"},
        {0xF3, 0xF3, "ó"},   {0xD3, 0xD3, "Ó"},   {0xE4, 0xE4, "ä"},         {0xDF, 0xDF, "ß"},
        {0xE9, 0xE9, "é"},   {0xE7, 0xE7, "ç"},   {0xF1, 0, "ñ is ń"},       {0xD1, 0, "Ñ is Ń"},
        {0xBF, 0, "¿ is ż"}, {0xA3, 0, "£ is Ł"}, {0xE0, 0, "à is ŕ"},       {0xE8, 0, "è is č"},
        {0xF9, 0, "ù is ů"}, {0xEA, 0, "ê is ę"}, {0xE6, 0, "æ is ć"},       {0xA5, 0, "¥ is Ą"},
        {0xB9, 0, "¹ is ą"}, {0xAF, 0, "¯ is Ż"}, {0x9C, 0, "a C1 control"}, {0xA1, 0, "¡ is ˇ"},
    };
    for (const Case& c : cases) EXPECT_EQ(windows1250OfLatin1(c.latin1), c.windows1250) << c.what;
    // No Latin-1 byte ever arrives as a Polish letter: those come only from their own keys.
    for (int b = 0x80; b < 0x100; ++b) {
        const unsigned char c = windows1250OfLatin1(static_cast<unsigned char>(b));
        if (c == 0xF3 || c == 0xD3) continue;  // ó is Latin-1 too
        EXPECT_FALSE(c && gameFont::acceptedInName(c) && c > 0x7f) << b;
    }
}

TEST(TypedKeys, ADeadAccentJoinsTheLetterAfterIt) {
    EXPECT_EQ(typed({0xB4, 'o'}), "\xF3");                 // ´ o: ó (Spanish, Czech)
    EXPECT_EQ(typed({0xB4, 'O', 'k'}), "\xD3k");           // Ók
    EXPECT_EQ(typed({0xB4, 'z', 0xB4, 's'}), "\x9F\x9C");  // ź ś
    EXPECT_EQ(typed({0xA8, 'u'}), "\xFC");                 // ¨ u: ü (German keyboards' dead key)
    EXPECT_EQ(typed({0xB8, 'c'}), "\xE7");                 // ¸ c: ç
    EXPECT_EQ(typed({0xB4, ' '}), "\xB4");                 // ´ and space: the accent alone
    EXPECT_EQ(typed({0xB4, 'x'}), "\xB4x");                // nothing to join: both, in order
    EXPECT_EQ(typed({0xB4, 13}), "\xB4\r");                // Enter still ends the name
    EXPECT_EQ(typed({0xB4, 0xF1}), "");                    // ñ is dropped; the accent waits
    EXPECT_EQ(typed({0xB4, 0xA8, 'a'}), "\xB4\xE4");       // a second accent is held instead
    EXPECT_EQ(typed({'n', 0xF1, 0xBF, 'o'}), "no");        // Spanish n ñ ¿ o
}

}  // namespace
