#include "text_table.h"

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

const MenuTexts& menuTexts() {
    return englishTexts();
}
