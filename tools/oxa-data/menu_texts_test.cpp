// The menus' words in every language: each text of the table has every language and the
// menu font has every letter of it, and every line painted on a button, a page or a
// picture keeps its ink inside the face, card or row it is drawn on, at no less than
// three quarters of the size it was meant to have.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data_tree.h"
#include "menu_art.h"
#include "play_menu_art.h"
#include "score_menu_art.h"
#include "text_art.h"
#include "text_table.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string codePoints(const std::u32string& letters) {
    std::string out;
    for (char32_t c : letters) out += "U+" + std::to_string(static_cast<unsigned long>(c)) + " ";
    return out;
}

TEST(MenuTexts, EveryTextHasEveryLanguageAndEveryTranslationIsUsed) {
    EXPECT_EQ(untranslatedTexts(), std::vector<std::string>{});
    EXPECT_EQ(unusedTranslations(), std::vector<std::string>{});
    // A translated table differs from the English one.
    for (Language language : allLanguages) {
        if (language == Language::english) continue;
        SCOPED_TRACE(languageCode(language));
        const MenuTexts texts = translatedTexts(language);
        EXPECT_NE(texts.mainMenuButtons, englishTexts().mainMenuButtons);
        EXPECT_NE(texts.helpLines[0].text, englishTexts().helpLines[0].text);
    }
}

TEST(MenuTexts, TheMenuFontHasEveryLetterOfEveryLanguage) {
    for (Language language : allLanguages) {
        MenuTexts texts = translatedTexts(language);
        forEachText(texts, [&](const std::string& text) {
            for (const std::string& line : linesOf(text))
                EXPECT_EQ(codePoints(lettersWithoutGlyph(line)), "")
                    << languageCode(language) << ": " << line;
        });
    }
}

// Every line of every menu picture, painted in each language.
const std::map<Language, std::vector<PaintedText>>& paintedLines() {
    static const auto lines = [] {
        const DataFiles gardens = buildDataTree();
        std::map<Language, std::vector<PaintedText>> made;
        for (Language language : allLanguages) {
            DataFiles files = gardens;
            setMenuLanguage(language);
            const TextLog log;
            addMenus(files);
            addPlayMenus(files);
            addScoreMenus(files);
            made[language] = log.lines();
        }
        setMenuLanguage(Language::english);
        return made;
    }();
    return lines;
}

TEST(MenuTexts, EveryLineFitsItsFaceInEveryLanguage) {
    for (Language language : allLanguages) {
        SCOPED_TRACE(languageCode(language));
        const std::vector<PaintedText>& lines = paintedLines().at(language);
        std::set<std::string> painted;
        for (size_t k = 0; k < lines.size(); ++k) {
            const PaintedText& line = lines[k];
            if (!line.inRoom) continue;  // the game font and the level numbers, in no language
            painted.insert(line.text);
            if (k + 1 < lines.size() && lines[k + 1].inRoom)  // a text broken in two lines
                painted.insert(line.text + " " + lines[k + 1].text);
            SCOPED_TRACE(line.text);
            // Its ink, outline and all, inside the room (half a pixel of rounding)...
            EXPECT_GE(line.ink.x0, line.room.x0 - 0.5f);
            EXPECT_GE(line.ink.y0, line.room.y0 - 0.5f);
            EXPECT_LE(line.ink.x1, line.room.x1 + 0.5f);
            EXPECT_LE(line.ink.y1, line.room.y1 + 0.5f);
            // ...and not made much smaller to get there.
            EXPECT_GE(line.scale, 0.75f) << "a text too long for its place";
        }
        // Every line of the table is painted, in a room.
        MenuTexts texts = translatedTexts(language);
        forEachText(texts, [&](const std::string& text) {
            for (const std::string& line : linesOf(text))
                EXPECT_TRUE(painted.count(line)) << "not painted in a room: " << line;
        });
    }
}

}  // namespace
