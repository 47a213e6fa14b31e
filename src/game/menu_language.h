#pragma once
// The language of the menus: --lang, else the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set and not empty; Polish for a value starting with "pl", else English.
// The Polish pictures live in the data tree's "LANG\PL" folder under their English names.

#include <string>

enum class Language { english, polish };

// `option` is --lang's value ("" when not given); getenv reads the environment.
Language chooseLanguage(const std::string& option, const char* (*getenv)(const char*));

// The data tree's folder of a language's pictures; empty for English.
const char* languageFolder(Language language);
