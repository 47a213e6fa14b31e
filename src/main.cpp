// OXA: a 3D flying game for children. The player steers a bee through gardens, gathers
// nectar from flowers and carries it home to the hive.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/options.h"
#include "core/startup.h"
#include "core/top_level.h"
#include "core/version.h"
#include "platform/data_paths.h"
#include "platform/display_watchdog.h"

namespace {

std::string executablePath(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(argv0) : self.string();
}

// Finds the data tree: --data, or the generated tree beside the binary.
bool chooseDataTree(const Options& options, const char* argv0) {
    std::vector<std::string> tried;
    if (!options.dataDir.empty())
        tried.push_back(options.dataDir);
    else
        tried = defaultDataDirs(executablePath(argv0));
    for (const auto& dir : tried) {
        if (!std::filesystem::is_directory(dir)) continue;
        dataTree().setRoot(dir);
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
            std::printf("oxa %s\n", OXA_VERSION);
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
