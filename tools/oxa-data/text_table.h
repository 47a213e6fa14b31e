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

// The table the data tree is made with.
const MenuTexts& menuTexts();
