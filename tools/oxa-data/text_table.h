#pragma once
// Every word the menu pictures show, in one table (UTF-8). The painting code takes its
// words only from here, so another language is another table.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/menu_language.h"

// A line of a page and the picture drawn beside it.
enum class PageIcon {
    none,
    mouse,
    arrowUp,
    arrowDown,
    escapeKey,
    nectar,
    drops,
    hive,
    jar,
    thief,
    clock
};

struct PageLine {
    PageIcon icon;
    std::string text;  // may hold '\n' to break the line
};

// The settings screen: its title, the four rows' names, the twelve items in the order the
// screen lists them (three screen sizes, two colour depths, four filter modes as they stand
// left to right, smoothing on and off, back), and a hint under the rows.
struct SettingsTexts {
    std::string title;
    std::vector<std::string> rows;
    std::vector<std::string> items;
    std::string hint;
};

struct MenuTexts {
    std::string title;     // the game's name on the main menu
    std::string subtitle;  // under it
    // The main menu's buttons from the top: new game, continue, settings, controls, best
    // scores, credits, quit.
    std::vector<std::string> mainMenuButtons;

    std::string quitQuestion;
    std::string yes, no;
    std::string pageButton;  // the one button of the controls, help and credits pages

    std::string controlsTitle;
    std::string escapeKey;  // the label of the Escape key in the controls picture
    std::vector<PageLine> controlsLines;
    std::string helpTitle;
    std::vector<PageLine> helpLines;
    std::string creditsTitle;
    std::vector<std::string> creditsLines;  // an empty string leaves a gap

    SettingsTexts settings;
    std::string difficultyTitle;
    std::vector<std::string> difficultyNames;  // easy, middle, hard
    std::string backButton;
    std::string loadingText;
    std::vector<std::string> countdownWords;  // shown one a second before play

    std::string summaryTitle;
    std::vector<std::string> summaryLabels;  // nectar points, time points, total
};

const MenuTexts& englishTexts();

// Calls `visit` with every text of a table, in one fixed order.
template <typename Table, typename Visit>
void forEachText(Table& texts, Visit&& visit) {
    for (auto* text :
         {&texts.title, &texts.subtitle, &texts.quitQuestion, &texts.yes, &texts.no,
          &texts.pageButton, &texts.controlsTitle, &texts.escapeKey, &texts.helpTitle,
          &texts.creditsTitle, &texts.settings.title, &texts.settings.hint, &texts.difficultyTitle,
          &texts.backButton, &texts.loadingText, &texts.summaryTitle})
        visit(*text);
    for (auto& text : texts.mainMenuButtons) visit(text);
    for (auto& line : texts.controlsLines) visit(line.text);
    for (auto& line : texts.helpLines) visit(line.text);
    for (auto& text : texts.creditsLines) visit(text);
    for (auto* list : {&texts.settings.rows, &texts.settings.items, &texts.difficultyNames,
                       &texts.countdownWords, &texts.summaryLabels})
        for (auto& text : *list) visit(text);
}

// The languages of the menu pictures: the game's own (English, Polish, German, French,
// Spanish, Czech). Every English text has a row of translations; a text without one stays
// English (the generator's tests fail until it is translated).

// The translation of one English text, if the table has it.
std::optional<std::string> translationOf(std::string_view english, Language language);

// The English texts no row translates, and the rows no text uses.
std::vector<std::string> untranslatedTexts();
std::vector<std::string> unusedTranslations();

// The table of a language, made from the English one.
MenuTexts translatedTexts(Language language);

// The language menuTexts() gives; English unless set.
void setMenuLanguage(Language language);

// The table the data tree is made with, in the language set.
const MenuTexts& menuTexts();
