#include "game/menu_language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
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
    };
    for (const Case& c : cases) {
        environment = c.variables;
        EXPECT_EQ(chooseLanguage(c.option, fakeGetenv), c.language)
            << "--lang '" << c.option << "', " << c.variables.size() << " variables";
    }
    environment.clear();
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
