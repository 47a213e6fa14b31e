#include "text_table.h"

#include <string_view>

const MenuTexts& englishTexts() {
    static const MenuTexts texts = {
        .title = "OXA",
        .subtitle = "the busy little bee",
        .mainMenuButtons = {"New game", "Continue", "Settings", "Controls", "Best scores",
                            "Credits", "Quit"},
        .quitQuestion = "Stop playing?",
        .yes = "Yes",
        .no = "No",
        .pageButton = "OK",
        .controlsTitle = "How to fly",
        .escapeKey = "Esc",
        .controlsLines =
            {
                {PageIcon::mouse,
                 "Move the mouse left and right to turn,\nup to fly higher, down to fly lower"},
                {PageIcon::arrowUp, "Hold the Up arrow\nto fly faster"},
                {PageIcon::arrowDown, "Hold the Down arrow\nto slow down and fly back"},
                {PageIcon::escapeKey, "Esc takes you back\nto the menu"},
            },
        .helpTitle = "How to play",
        .helpLines =
            {
                {PageIcon::nectar, "Fly low over the glowing nectar"},
                {PageIcon::drops, "You can carry five drops"},
                {PageIcon::hive, "Take them home to the hive"},
                {PageIcon::jar, "Jar full? Fly into the hive!"},
                {PageIcon::thief, "Watch out for nectar thieves!"},
                {PageIcon::clock, "Clocks give you more time"},
            },
        .creditsTitle = "Credits",
        .creditsLines =
            {
                "OXA, a game for children",
                "Made by the OXA team",
                "",
                "Every picture, sound and tune",
                "is made by our own programs",
                "",
                "Letters: Comic Neue by Craig Rozynski,",
                "Hrant Papazian and Brandon Schoech,",
                "SIL Open Font License 1.1",
            },
        .settings =
            {
                .title = "Settings",
                .rows = {"Screen size", "Colours", "Pictures", "Soft edges"},
                .items = {"640 × 480", "800 × 600", "1024 × 768", "16 bits", "32 bits", "Plain",
                          "1", "2", "3", "On", "Off", "Back"},
                .hint = "Yellow shows what is chosen now",
            },
        .difficultyTitle = "How busy is your bee?",
        .difficultyNames = {"Easy", "Medium", "Hard"},
        .backButton = "Back",
        .loadingText = "Flying to the garden...",
        .countdownWords = {"3", "2", "1", "Go!"},
        .summaryTitle = "Your points",
        .summaryLabels = {"Nectar", "Time left", "All together"},
        .recordsTitle = "Best scores",
    };
    return texts;
}

namespace {

struct Translation {
    std::string_view english;
    std::string_view translated;
};

// Polish beside English.
constexpr Translation polishWords[] = {
    {"the busy little bee", "pracowita mała pszczółka"},
    {"New game", "Nowa gra"},
    {"Continue", "Dalej"},
    {"Settings", "Ustawienia"},
    {"Controls", "Sterowanie"},
    {"Best scores", "Najlepsze wyniki"},
    {"Credits", "Autorzy"},
    {"Quit", "Wyjście"},
    {"Stop playing?", "Kończymy grę?"},
    {"Yes", "Tak"},
    {"No", "Nie"},
    {"How to fly", "Jak latać"},
    {"Move the mouse left and right to turn,\nup to fly higher, down to fly lower",
     "Myszka w lewo i w prawo skręca,\nw górę wznosi, w dół zniża lot"},
    {"Hold the Up arrow\nto fly faster", "Trzymaj strzałkę w górę,\nby lecieć szybciej"},
    {"Hold the Down arrow\nto slow down and fly back",
     "Trzymaj strzałkę w dół,\nby zwolnić i lecieć w tył"},
    {"Esc takes you back\nto the menu", "Esc wraca\ndo menu"},
    {"How to play", "Jak grać"},
    {"Fly low over the glowing nectar", "Leć nisko nad lśniącym nektarem"},
    {"You can carry five drops", "Uniesiesz pięć kropli"},
    {"Take them home to the hive", "Zanieś je do ula"},
    {"Jar full? Fly into the hive!", "Słoik pełny? Wleć do ula!"},
    {"Watch out for nectar thieves!", "Uważaj na złodziei nektaru!"},
    {"Clocks give you more time", "Zegary dają więcej czasu"},
    {"OXA, a game for children", "OXA, gra dla dzieci"},
    {"Made by the OXA team", "Zrobił ją zespół OXA"},
    {"Every picture, sound and tune", "Każdy obrazek, dźwięk i melodię"},
    {"is made by our own programs", "tworzą nasze własne programy"},
    {"Letters: Comic Neue by Craig Rozynski,", "Litery: Comic Neue (Craig Rozynski,"},
    {"Hrant Papazian and Brandon Schoech,", "Hrant Papazian i Brandon Schoech),"},
    {"Screen size", "Ekran"},
    {"Colours", "Kolory"},
    {"Pictures", "Obrazki"},
    {"Soft edges", "Gładkie brzegi"},
    {"16 bits", "16 bitów"},
    {"32 bits", "32 bity"},
    {"Plain", "Proste"},
    {"On", "Tak"},
    {"Off", "Nie"},
    {"Back", "Wróć"},
    {"Yellow shows what is chosen now", "Na żółto to, co wybrane"},
    {"How busy is your bee?", "Ile pracy dla pszczółki?"},
    {"Easy", "Łatwo"},
    {"Medium", "Średnio"},
    {"Hard", "Trudno"},
    {"Flying to the garden...", "Lecimy do ogrodu..."},
    {"Go!", "Start!"},
    {"Your points", "Twoje punkty"},
    {"Nectar", "Nektar"},
    {"Time left", "Pozostały czas"},
    {"All together", "Razem"},
};

MenuLanguage currentLanguage = MenuLanguage::english;

void translate(std::string& text) {
    for (const Translation& pair : polishWords)
        if (pair.english == text) {
            text = pair.translated;
            return;
        }
}

}  // namespace

MenuTexts translatedTexts(MenuLanguage language) {
    MenuTexts texts = englishTexts();
    if (language == MenuLanguage::english) return texts;
    for (std::string* text : {&texts.title, &texts.subtitle, &texts.quitQuestion, &texts.yes,
                              &texts.no, &texts.pageButton, &texts.controlsTitle,
                              &texts.escapeKey, &texts.helpTitle, &texts.creditsTitle})
        translate(*text);
    for (std::string& text : texts.mainMenuButtons) translate(text);
    for (PageLine& line : texts.controlsLines) translate(line.text);
    for (PageLine& line : texts.helpLines) translate(line.text);
    for (std::string& text : texts.creditsLines) translate(text);
    for (std::string* text : {&texts.settings.title, &texts.settings.hint, &texts.difficultyTitle,
                              &texts.backButton, &texts.loadingText, &texts.summaryTitle,
                              &texts.recordsTitle})
        translate(*text);
    for (auto* list : {&texts.settings.rows, &texts.settings.items, &texts.difficultyNames,
                       &texts.countdownWords, &texts.summaryLabels})
        for (std::string& text : *list) translate(text);
    return texts;
}

void setMenuLanguage(MenuLanguage language) { currentLanguage = language; }

const MenuTexts& menuTexts() {
    static const MenuTexts english = translatedTexts(MenuLanguage::english);
    static const MenuTexts polish = translatedTexts(MenuLanguage::polish);
    return currentLanguage == MenuLanguage::polish ? polish : english;
}
