#include "game/menu_language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "platform/data_paths.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> environment;

const char* fakeGetenv(const char* name) {
    auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
}

TEST(MenuLanguage, TheOptionThenTheFirstVariableSetDecides) {
    struct Case {
        std::string option;
        std::map<std::string, std::string> variables;
        Language language;
    };
    const Case cases[] = {
        {"", {}, Language::english},
        {"", {{"LANG", "pl_PL.UTF-8"}}, Language::polish},
        {"", {{"LANG", "en_GB.UTF-8"}}, Language::english},
        {"", {{"LANG", "C"}}, Language::english},
        {"", {{"LC_MESSAGES", "pl_PL"}, {"LANG", "en_US.UTF-8"}}, Language::polish},
        {"", {{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "pl_PL"}}, Language::english},
        {"", {{"LANGUAGE", "pl:en"}, {"LC_ALL", "en_US.UTF-8"}}, Language::polish},
        {"", {{"LANGUAGE", ""}, {"LANG", "pl_PL"}}, Language::polish},  // empty: not set
        {"en", {{"LANG", "pl_PL.UTF-8"}}, Language::english},
        {"pl", {{"LANG", "en_US.UTF-8"}}, Language::polish},
        // The other languages, by their locale names and by --lang.
        {"", {{"LANG", "de_DE.UTF-8"}}, Language::german},
        {"", {{"LANG", "de_AT"}}, Language::german},
        {"", {{"LC_ALL", "fr_CA.UTF-8"}}, Language::french},
        {"", {{"LC_MESSAGES", "es_MX.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, Language::spanish},
        {"", {{"LANG", "cs_CZ.UTF-8"}}, Language::czech},
        {"", {{"LANG", "fr"}}, Language::french},
        {"", {{"LANG", "de@euro"}}, Language::german},
        {"de", {{"LANG", "cs_CZ.UTF-8"}}, Language::german},
        {"fr", {}, Language::french},
        {"es", {}, Language::spanish},
        {"cs", {}, Language::czech},
        // Not a language the game speaks, nor a prefix of one: English.
        {"", {{"LANG", "it_IT.UTF-8"}}, Language::english},
        {"", {{"LANG", "cz_CZ"}}, Language::english},
        {"", {{"LANG", "dee"}}, Language::english},
        {"", {{"LANG", "POSIX"}}, Language::english},
        // LANGUAGE's list: the first language the game speaks; none of them, English.
        {"", {{"LANGUAGE", "eo:es:en"}, {"LANG", "de_DE.UTF-8"}}, Language::spanish},
        {"", {{"LANGUAGE", "it:eo"}, {"LANG", "de_DE.UTF-8"}}, Language::english},
        {"", {{"LANGUAGE", "cs_CZ:pl"}}, Language::czech},
    };
    for (const Case& c : cases) {
        environment = c.variables;
        EXPECT_EQ(chooseLanguage(c.option, fakeGetenv), c.language)
            << "--lang '" << c.option << "', " << c.variables.size() << " variables";
    }
    environment.clear();
}

TEST(MenuLanguage, EachLanguageHasItsCodeAndItsOwnFolder) {
    std::set<std::string> folders;
    for (Language language : allLanguages) {
        EXPECT_EQ(languageOfCode(languageCode(language)), language);
        folders.insert(languageFolder(language));
    }
    EXPECT_EQ(folders.size(), allLanguages.size());
    EXPECT_STREQ(languageFolder(Language::english), "");
    EXPECT_STREQ(languageFolder(Language::czech), "LANG\\CS");
    EXPECT_EQ(languageOfCode(""), std::nullopt);
}

TEST(MenuLanguage, TheLanguageFolderStandsInForTheTreesOwnFiles) {
    const fs::path root = fs::temp_directory_path() / ("oxa_lang_" + std::to_string(::getpid()));
    fs::create_directories(root / "MEN" / "BMP_0");
    fs::create_directories(root / "LANG" / "PL" / "MEN" / "BMP_0");
    std::ofstream(root / "MEN" / "BMP_0" / "menuonex.srm") << "en";
    std::ofstream(root / "MEN" / "BMP_0" / "kursor.srm") << "en";
    std::ofstream(root / "LANG" / "PL" / "MEN" / "BMP_0" / "menuonex.srm") << "pl";
    DataTree tree(root);
    EXPECT_EQ(tree.find("MEN\\BMP_0\\menuonex.srm"), root / "MEN" / "BMP_0" / "menuonex.srm");
    tree.setLanguageFolder(languageFolder(Language::polish));
    EXPECT_EQ(tree.find("MEN\\BMP_0\\menuonex.srm"),
              root / "LANG" / "PL" / "MEN" / "BMP_0" / "menuonex.srm");
    EXPECT_EQ(tree.find("men\\bmp_0\\KURSOR.srm"), root / "MEN" / "BMP_0" / "kursor.srm")
        << "a picture without words is the tree's own";
    tree.setLanguageFolder(languageFolder(Language::english));
    EXPECT_EQ(tree.find("MEN\\BMP_0\\menuonex.srm"), root / "MEN" / "BMP_0" / "menuonex.srm");
    fs::remove_all(root);
}

}  // namespace
