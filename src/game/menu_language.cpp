#include "game/menu_language.h"

#include <string_view>

namespace {

struct LanguageNames {
    Language language;
    const char* code;
    const char* folder;
};

constexpr LanguageNames names[] = {
    {Language::english, "en", ""},         {Language::polish, "pl", "LANG\\PL"},
    {Language::german, "de", "LANG\\DE"},  {Language::french, "fr", "LANG\\FR"},
    {Language::spanish, "es", "LANG\\ES"}, {Language::czech, "cs", "LANG\\CS"},
};

const LanguageNames& namesOf(Language language) {
    for (const LanguageNames& entry : names)
        if (entry.language == language) return entry;
    return names[0];
}

}  // namespace

const char* languageCode(Language language) {
    return namesOf(language).code;
}

const char* languageFolder(Language language) {
    return namesOf(language).folder;
}

std::optional<Language> languageOfCode(std::string_view code) {
    // "de", "de_DE.UTF-8", "de@euro": the language is what comes before the territory.
    const std::string_view language = code.substr(0, code.find_first_of("_.@-"));
    for (const LanguageNames& entry : names)
        if (language == entry.code) return entry.language;
    return std::nullopt;
}

Language chooseLanguage(const std::string& option, const char* (*getenv)(const char*)) {
    if (!option.empty()) return languageOfCode(option).value_or(Language::english);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* set = getenv(name);
        if (!set || !*set) continue;
        // LANGUAGE lists the wishes in order, "pl:en"; the other variables hold one locale.
        std::string_view wishes = set;
        while (!wishes.empty()) {
            const size_t end = wishes.find(':');
            if (auto language = languageOfCode(wishes.substr(0, end))) return *language;
            if (end == std::string_view::npos) break;
            wishes.remove_prefix(end + 1);
        }
        return Language::english;
    }
    return Language::english;
}
