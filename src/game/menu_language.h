#pragma once
// The language of the menus: --lang, else the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set and not empty (LANGUAGE may list several, "de:fr": the first the game
// speaks counts). English, Polish, German, French, Spanish and Czech; any other value is
// English. A language's pictures live in the data tree's "LANG\XX" folder under their
// English names ("LANG\PL", "LANG\DE", ...); English is the tree's own.

#include <array>
#include <optional>
#include <string>
#include <string_view>

enum class Language { english, polish, german, french, spanish, czech };

inline constexpr std::array<Language, 6> allLanguages{Language::english, Language::polish,
                                                      Language::german,  Language::french,
                                                      Language::spanish, Language::czech};

// The language's two-letter code, as --lang and the locale name it: "en", "pl", "de", "fr",
// "es", "cs".
const char* languageCode(Language language);

// The language of a code or a locale name ("de", "de_AT.UTF-8"), if the game speaks it.
std::optional<Language> languageOfCode(std::string_view code);

// `option` is --lang's value ("" when not given); getenv reads the environment.
Language chooseLanguage(const std::string& option, const char* (*getenv)(const char*));

// The data tree's folder of a language's pictures; empty for English.
const char* languageFolder(Language language);
