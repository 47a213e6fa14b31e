// OXA: a 3D flying game for children. The player steers a bee through gardens, gathers
// nectar from flowers and carries it home to the hive.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/options.h"
#include "core/startup.h"
#include "core/top_level.h"
#include "core/version.h"
#include "game/menu_language.h"
#include "game/player_files.h"
#include "platform/data_paths.h"
#include "platform/display_watchdog.h"

namespace {

std::string executablePath(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(argv0) : self.string();
}

// Progress goes to the player's folder unless the tree was named (--data or $OXA_DATA)
// and its progress folder may be written: a level maker's own tree keeps its own files.
void chooseProgressFolder(bool dataNamed) {
    const auto progressFolder = dataTree().find("STA");
    if (progressStaysInTree(dataNamed, progressFolder.value_or(dataTree().root()))) return;
    setPlayerFolder(playerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

// Finds the data tree: --data, else $OXA_DATA, else the generated tree beside the binary,
// else the installed one.
bool chooseDataTree(const Options& options, const char* argv0) {
    std::vector<std::string> tried;
    const char* environmentData = std::getenv("OXA_DATA");
    if (!options.dataDir.empty())
        tried.push_back(options.dataDir);
    else
        tried = defaultDataDirs(executablePath(argv0), environmentData);
    for (const auto& dir : tried) {
        if (!std::filesystem::is_directory(dir)) continue;
        dataTree().setRoot(dir);
        const bool named = !options.dataDir.empty() || (environmentData && dir == environmentData);
        chooseProgressFolder(named);
        dataTree().setLanguageFolder(languageFolder(chooseLanguage(
            options.lang, [](const char* name) -> const char* { return std::getenv(name); })));
        return true;
    }
    std::string list;
    for (const auto& dir : tried) list += (list.empty() ? "" : ", ") + dir;
    std::fprintf(stderr,
                 "oxa: no data tree found (tried %s); build it or name one with --data DIR\n",
                 list.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // The game starts this binary again as its display watchdog.
    if (argc == 3 && std::string(argv[1]) == platform::displayWatchdogOption)
        return platform::runDisplayWatchdog(argv[2]);
    std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    std::string error;
    switch (parseOptions(args, options, error)) {
        case OptionsResult::Help:
            std::fputs(usageText, stdout);
            return 0;
        case OptionsResult::Version:
            std::fputs(versionText, stdout);
            return 0;
        case OptionsResult::Error:
            std::fprintf(stderr, "oxa: %s\n%s", error.c_str(), usageText);
            return 2;
        case OptionsResult::Run:
            break;
    }
    if (!chooseDataTree(options, argv[0])) return 1;
    guarded([&] { runGame(options, argc, argv); });
    return 0;
}
