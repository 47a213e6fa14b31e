#include "game/player_files.h"

#include <unistd.h>

#include <system_error>
#include <utility>

#include "game/progress_file.h"

namespace fs = std::filesystem;

fs::path playerDataFolder(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is to be ignored, as the base-directory rules say.
    if (xdgDataHome && xdgDataHome[0] == '/') return fs::path(xdgDataHome) / "oxa";
    if (home && home[0] == '/') return fs::path(home) / ".local" / "share" / "oxa";
    return {};
}

bool progressStaysInTree(bool dataNamed, const fs::path& progressFolder) {
    return dataNamed && ::access(progressFolder.c_str(), W_OK) == 0;
}

namespace {
fs::path& currentPlayerFolder() {
    static fs::path folder;
    return folder;
}
}  // namespace

void setPlayerFolder(fs::path folder) { currentPlayerFolder() = std::move(folder); }
const fs::path& playerFolder() { return currentPlayerFolder(); }

std::optional<fs::path> playerFile(const fs::path& folder, const std::string& fileName,
                                   const std::optional<fs::path>& fresh, std::string& why) {
    const fs::path path = folder / fileName;
    std::error_code error;
    if (fs::exists(path, error)) return path;
    if (!fresh) {
        why = "the data tree has no fresh " + fileName + " to start it from";
        return std::nullopt;
    }
    fs::create_directories(folder, error);
    if (error) {
        why = "cannot make the folder " + folder.string() + ": " + error.message();
        return std::nullopt;
    }
    if (!copyFileWhole(*fresh, path, why)) return std::nullopt;
    return path;
}
