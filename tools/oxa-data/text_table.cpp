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
        .settings =
            {
                .title = "Settings",
                .rows = {"Screen size", "Colours", "Pictures", "Soft edges"},
                .items = {"640 × 480", "800 × 600", "1024 × 768", "16 bits", "32 bits", "Plain",
                          "1", "2", "3", "On", "Off", "Back"},
                .hint = "Yellow shows what is chosen now",
            },
    };
    return texts;
}

const MenuTexts& menuTexts() {
    return englishTexts();
}
