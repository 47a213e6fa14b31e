#pragma once
// Every word the menu pictures show, in one table (UTF-8). The painting code takes its
// words only from here, so another language is another table.

#include <string>
#include <vector>

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
    std::string recordsTitle;
};

const MenuTexts& englishTexts();

// The languages of the menu pictures. English is the table above; another language is a
// list of pairs, each English text beside its translation, and a text with no pair stays
// English (a new word shows in English until it is translated).
enum class MenuLanguage { english, polish };

// The table of a language, made from the English one.
MenuTexts translatedTexts(MenuLanguage language);

// The language menuTexts() gives; English unless set.
void setMenuLanguage(MenuLanguage language);

// The table the data tree is made with, in the language set.
const MenuTexts& menuTexts();
