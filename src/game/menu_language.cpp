#include "game/menu_language.h"

#include <string_view>

Language chooseLanguage(const std::string& option, const char* (*getenv)(const char*)) {
    std::string_view value = option;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!value.empty()) break;
        if (const char* set = getenv(name)) value = set;
    }
    // LANGUAGE may list several, "pl:en": the first is the wish.
    return value.substr(0, 2) == "pl" ? Language::polish : Language::english;
}

const char* languageFolder(Language language) {
    return language == Language::polish ? "LANG\\PL" : "";
}
