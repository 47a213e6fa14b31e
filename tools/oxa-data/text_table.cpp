#include "text_table.h"

#include <optional>
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
    };
    return texts;
}

namespace {

// One English text and its translations.
struct Row {
    std::string_view en, pl, de, fr, es, cs;
};

// French sets a space before ? ! and :, one that never breaks from its word.
#define NBSP "\u00a0"

constexpr Row rows[] = {
    // The main menu.
    {"the busy little bee", "pracowita mała pszczółka", "die fleißige kleine Biene",
     "la petite abeille butineuse", "la abejita trabajadora", "pilná malá včelka"},
    {"New game", "Nowa gra", "Neues Spiel", "Jouer", "Jugar", "Nová hra"},
    {"Continue", "Dalej", "Weiter", "Continuer", "Continuar", "Pokračovat"},
    {"Settings", "Ustawienia", "Einstellungen", "Réglages", "Ajustes", "Nastavení"},
    {"Controls", "Sterowanie", "Steuerung", "Commandes", "Controles", "Ovládání"},
    {"Best scores", "Najlepsze wyniki", "Bestenliste", "Meilleurs scores", "Récords",
     "Nejlepší výsledky"},
    {"Credits", "Autorzy", "Mitwirkende", "Crédits", "Créditos", "Autoři"},
    {"Quit", "Wyjście", "Beenden", "Quitter", "Salir", "Konec"},
    {"Stop playing?", "Kończymy grę?", "Spiel beenden?", "Arrêter de jouer" NBSP "?",
     "¿Dejar de jugar?", "Přestat hrát?"},
    {"Yes", "Tak", "Ja", "Oui", "Sí", "Ano"},
    {"No", "Nie", "Nein", "Non", "No", "Ne"},

    // How to fly.
    {"How to fly", "Jak latać", "So fliegst du", "Comment voler", "Cómo volar", "Jak létat"},
    {"Move the mouse left and right to turn,\nup to fly higher, down to fly lower",
     "Myszka w lewo i w prawo skręca,\nw górę wznosi, w dół zniża lot",
     "Maus nach links und rechts: lenken,\nnach oben: steigen, nach unten: sinken",
     "La souris à gauche ou à droite" NBSP ": tourner,\nen haut" NBSP ": monter, en bas" NBSP
     ": descendre",
     "Mueve el ratón a los lados para girar,\narriba para subir, abajo para bajar",
     "Myší doleva a doprava zatáčíš,\nnahoru stoupáš, dolů klesáš"},
    {"Hold the Up arrow\nto fly faster", "Trzymaj strzałkę w górę,\nby lecieć szybciej",
     "Halte den Pfeil nach oben,\num schneller zu fliegen",
     "Maintiens la flèche du haut\npour voler plus vite",
     "Mantén pulsada la flecha arriba\npara volar más rápido",
     "Drž šipku nahoru\na poletíš rychleji"},
    {"Hold the Down arrow\nto slow down and fly back",
     "Trzymaj strzałkę w dół,\nby zwolnić i lecieć w tył",
     "Halte den Pfeil nach unten,\num zu bremsen und rückwärts zu fliegen",
     "Maintiens la flèche du bas\npour ralentir et reculer",
     "Mantén pulsada la flecha abajo\npara frenar y volar hacia atrás",
     "Drž šipku dolů,\nzpomalíš a poletíš pozpátku"},
    {"Esc takes you back\nto the menu", "Esc wraca\ndo menu", "Mit Esc geht es\nzurück zum Menü",
     "Esc te ramène\nau menu", "Esc te lleva\nde vuelta al menú", "Esc tě vrátí\ndo menu"},

    // How to play.
    {"How to play", "Jak grać", "So spielst du", "Comment jouer", "Cómo jugar", "Jak hrát"},
    {"Fly low over the glowing nectar", "Leć nisko nad lśniącym nektarem",
     "Flieg tief über den leuchtenden Nektar", "Vole bas au-dessus du nectar qui brille",
     "Vuela bajo sobre el néctar brillante", "Leť nízko nad zářícím nektarem"},
    {"You can carry five drops", "Uniesiesz pięć kropli", "Du kannst fünf Tropfen tragen",
     "Tu peux porter cinq gouttes", "Puedes llevar cinco gotas", "Uneseš pět kapek"},
    {"Take them home to the hive", "Zanieś je do ula", "Bring sie heim zum Bienenstock",
     "Rapporte-les à la ruche", "Llévalas a la colmena", "Odnes je domů do úlu"},
    {"Jar full? Fly into the hive!", "Słoik pełny? Wleć do ula!",
     "Glas voll? Flieg in den Bienenstock!", "Pot plein" NBSP "? Entre dans la ruche" NBSP "!",
     "¿Tarro lleno? ¡Entra en la colmena!", "Plná sklenice? Vleť do úlu!"},
    {"Watch out for nectar thieves!", "Uważaj na złodziei nektaru!",
     "Pass auf die Nektardiebe auf!", "Attention aux voleurs de nectar" NBSP "!",
     "¡Cuidado con los ladrones de néctar!", "Pozor na zloděje nektaru!"},
    {"Clocks give you more time", "Zegary dają więcej czasu", "Uhren geben dir mehr Zeit",
     "Les horloges te donnent du temps", "Los relojes te dan más tiempo", "Hodiny ti přidají čas"},

    // Credits.
    {"OXA, a game for children", "OXA, gra dla dzieci", "OXA, ein Spiel für Kinder",
     "OXA, un jeu pour les enfants", "OXA, un juego para niños", "OXA, hra pro děti"},
    {"Made by the OXA team", "Zrobił ją zespół OXA", "Gemacht vom OXA-Team",
     "Créé par l’équipe OXA", "Hecho por el equipo de OXA", "Vytvořil tým OXA"},
    {"Every picture, sound and tune", "Każdy obrazek, dźwięk i melodię",
     "Alle Bilder, Klänge und Melodien", "Les images, les sons et la musique",
     "Cada dibujo, sonido y melodía", "Každý obrázek, zvuk i melodii"},
    {"is made by our own programs", "tworzą nasze własne programy",
     "machen wir mit eigenen Programmen", "sont faits par nos propres programmes",
     "lo crean nuestros propios programas", "tvoří naše vlastní programy"},
    {"Letters: Comic Neue by Craig Rozynski,", "Litery: Comic Neue (Craig Rozynski,",
     "Schrift: Comic Neue von Craig Rozynski,", "Lettres" NBSP ": Comic Neue de Craig Rozynski,",
     "Letras: Comic Neue de Craig Rozynski,", "Písmo Comic Neue: Craig Rozynski,"},
    {"Hrant Papazian and Brandon Schoech,", "Hrant Papazian i Brandon Schoech),",
     "Hrant Papazian und Brandon Schoech,", "Hrant Papazian et Brandon Schoech,",
     "Hrant Papazian y Brandon Schoech,", "Hrant Papazian a Brandon Schoech,"},

    // Settings.
    {"Screen size", "Ekran", "Bildschirm", "Écran", "Pantalla", "Obrazovka"},
    {"Colours", "Kolory", "Farben", "Couleurs", "Colores", "Barvy"},
    {"Pictures", "Obrazki", "Bilder", "Images", "Imágenes", "Obrázky"},
    {"Soft edges", "Gładkie brzegi", "Weiche Kanten", "Bords lisses", "Bordes suaves",
     "Hladké okraje"},
    {"16 bits", "16 bitów", "16 Bit", "16 bits", "16 bits", "16 bitů"},
    {"32 bits", "32 bity", "32 Bit", "32 bits", "32 bits", "32 bitů"},
    {"Plain", "Proste", "Einfach", "Simple", "Simple", "Prosté"},
    {"On", "Tak", "An", "Oui", "Sí", "Ano"},
    {"Off", "Nie", "Aus", "Non", "No", "Ne"},
    {"Back", "Wróć", "Zurück", "Retour", "Volver", "Zpět"},
    {"Yellow shows what is chosen now", "Na żółto to, co wybrane",
     "Gelb zeigt, was gerade gewählt ist", "En jaune" NBSP ": ce qui est choisi",
     "En amarillo, lo que está elegido", "Žlutě je to, co je vybrané"},

    // New game, the level's start and its end.
    {"How busy is your bee?", "Ile pracy dla pszczółki?", "Wie fleißig ist deine Biene?",
     "Quel travail pour l’abeille" NBSP "?", "¿Cuánto trabaja tu abeja?",
     "Kolik práce pro včelku?"},
    {"Easy", "Łatwo", "Leicht", "Facile", "Fácil", "Lehká"},
    {"Medium", "Średnio", "Mittel", "Moyen", "Normal", "Střední"},
    {"Hard", "Trudno", "Schwer", "Difficile", "Difícil", "Těžká"},
    {"Flying to the garden...", "Lecimy do ogrodu...", "Wir fliegen in den Garten...",
     "On s’envole vers le jardin...", "Volando al jardín...", "Letíme do zahrady..."},
    {"Go!", "Leć!", "Los!", "Go" NBSP "!", "¡Ya!", "Leť!"},
    {"Your points", "Twoje punkty", "Deine Punkte", "Tes points", "Tus puntos", "Tvoje body"},
    {"Nectar", "Nektar", "Nektar", "Nectar", "Néctar", "Nektar"},
    {"Time left", "Pozostały czas", "Restzeit", "Temps restant", "Tiempo", "Zbývající čas"},
    {"All together", "Razem", "Zusammen", "Au total", "En total", "Celkem"},
};

#undef NBSP

// Texts every language writes the same way: names, numbers, signs.
constexpr std::string_view sameInEveryLanguage[] = {"OXA",       "Esc",
                                                    "OK",        "640 × 480",
                                                    "800 × 600", "1024 × 768",
                                                    "1",         "2",
                                                    "3",         "SIL Open Font License 1.1",
                                                    ""};

std::string_view column(const Row& row, Language language) {
    switch (language) {
        case Language::english:
            return row.en;
        case Language::polish:
            return row.pl;
        case Language::german:
            return row.de;
        case Language::french:
            return row.fr;
        case Language::spanish:
            return row.es;
        case Language::czech:
            return row.cs;
    }
    return row.en;
}

const Row* rowOf(std::string_view english) {
    for (const Row& row : rows)
        if (row.en == english) return &row;
    return nullptr;
}

bool sameEverywhere(std::string_view text) {
    for (std::string_view same : sameInEveryLanguage)
        if (same == text) return true;
    return false;
}

Language currentLanguage = Language::english;

}  // namespace

std::optional<std::string> translationOf(std::string_view english, Language language) {
    if (sameEverywhere(english)) return std::string(english);
    const Row* row = rowOf(english);
    if (!row || column(*row, language).empty()) return std::nullopt;
    return std::string(column(*row, language));
}

std::vector<std::string> untranslatedTexts() {
    std::vector<std::string> missing;
    MenuTexts texts = englishTexts();
    forEachText(texts, [&](const std::string& text) {
        for (Language language : allLanguages)
            if (!translationOf(text, language)) {
                missing.push_back(std::string(languageCode(language)) + ": " + text);
                break;
            }
    });
    return missing;
}

std::vector<std::string> unusedTranslations() {
    std::vector<std::string> unused;
    MenuTexts texts = englishTexts();
    for (const Row& row : rows) {
        bool used = false;
        forEachText(texts, [&](const std::string& text) { used = used || text == row.en; });
        if (!used) unused.emplace_back(row.en);
    }
    return unused;
}

MenuTexts translatedTexts(Language language) {
    MenuTexts texts = englishTexts();
    forEachText(texts, [&](std::string& text) {
        if (auto translated = translationOf(text, language)) text = *translated;
    });
    return texts;
}

void setMenuLanguage(Language language) {
    currentLanguage = language;
}

const MenuTexts& menuTexts() {
    static const auto tables = [] {
        std::vector<MenuTexts> made;
        for (Language language : allLanguages) made.push_back(translatedTexts(language));
        return made;
    }();
    for (size_t k = 0; k < allLanguages.size(); ++k)
        if (allLanguages[k] == currentLanguage) return tables[k];
    return tables[0];
}
