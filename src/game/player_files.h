#pragma once
// Where the player's own files live. An installed data tree is read-only and shared, so
// the progress files are kept in the player's home instead:
//   $XDG_DATA_HOME/oxa/ (an absolute $XDG_DATA_HOME), else $HOME/.local/share/oxa/.
// A level maker who names a tree of their own with --data, and may write its progress
// folder, keeps playing on that tree's own files.
// A player's progress file is made on first use from the tree's fresh one, with the same
// write-beside-and-rename the game saves with, so a cut-off first start leaves no half file.

#include <filesystem>
#include <optional>
#include <string>

// The player's folder for the game's files; empty when neither variable gives one.
std::filesystem::path playerDataFolder(const char* xdgDataHome, const char* home);

// True when the progress files are the tree's own: the tree was named with --data and
// `progressFolder` (the tree's folder of progress files) may be written.
bool progressStaysInTree(bool dataNamed, const std::filesystem::path& progressFolder);

// Where progress is read and written; empty = the data tree's own files.
void setPlayerFolder(std::filesystem::path folder);
const std::filesystem::path& playerFolder();

// The player's copy of a progress file named `fileName` in `folder`, made first (with its
// folders) from `fresh` when it is missing. Nothing when it cannot be made; `why` says
// what failed.
std::optional<std::filesystem::path> playerFile(const std::filesystem::path& folder,
                                                const std::string& fileName,
                                                const std::optional<std::filesystem::path>& fresh,
                                                std::string& why);
