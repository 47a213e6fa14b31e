// The best scores' rows and the name entry.

#include "menus/records_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordsRows, NameAndSuffixFillEighteenCharactersBeforeTheScore) {
    EXPECT_EQ(recordsRowText(1, "ALA", "", 1875), "1 ALA             1875");
    EXPECT_EQ(recordsRowText(3, "ALA", "-", 20), "3 ALA-            20");
    EXPECT_EQ(recordsRowText(9, "", "", 0), "9                 0");
    // A long name pushes the caret out of view and is cut.
    EXPECT_EQ(recordsRowText(2, "KASIAKOWALSK", "-", 700), "2 KASIAKOWALSK-   700");
    EXPECT_EQ(recordsRowText(2, "KASIAKOWALSKA123", "-", 700), "2 KASIAKOWALSKA123700");
    EXPECT_EQ(recordsRowText(2, "KASIAKOWALSKA12345", "", 700), "2 KASIAKOWALSKA123700");
}

TEST(NameEntry, KeepsAtMostWhatTheProgressFileKeeps) {
    std::string name;
    for (char c : std::string("ABCDEFGHIJKLMNOP")) typeIntoName(name, static_cast<unsigned char>(c));
    EXPECT_EQ(name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(name.size(), maxNameLength);
    EXPECT_EQ(typeIntoName(name, 'Z'), NameKey::ignored);
    EXPECT_EQ(typeIntoName(name, 8), NameKey::changed);
    EXPECT_EQ(name, "ABCDEFGHIJKLM");
    EXPECT_EQ(typeIntoName(name, 13), NameKey::finished);
    EXPECT_EQ(name, "ABCDEFGHIJKLM");
}

TEST(NameEntry, BackspaceOnAnEmptyNameAndRefusedCharacters) {
    std::string name;
    EXPECT_EQ(typeIntoName(name, 8), NameKey::ignored);
    for (unsigned char c : {'-', '\t', '\x1b', '@', '/', '\x7f'})
        EXPECT_EQ(typeIntoName(name, c), NameKey::ignored) << int(c);
    EXPECT_EQ(name, "");
    for (unsigned char c : {'a', 'Z', '7', ' ', '!', '?', '%'})
        EXPECT_EQ(typeIntoName(name, c), NameKey::changed) << int(c);
    EXPECT_EQ(name, "aZ7 !?%");
}

TEST(NameEntry, PolishLettersInWindows1250) {
    std::string name;
    // ą ś ż Ł Ó in Windows-1250.
    for (unsigned char c : {0xb9, 0x9c, 0xbf, 0xa3, 0xd3})
        EXPECT_EQ(typeIntoName(name, c), NameKey::changed) << int(c);
    EXPECT_EQ(name, "\xb9\x9c\xbf\xa3\xd3");
}

}  // namespace
