#pragma once
// Every data file the game opens is named the way the game always named it, relative to
// the data directory and with backslashes: "STA\sta_scr.mtt", "SCE\BMP_0\Droga.srm".
// This is the one place that turns such a name into a real file: backslashes become '/',
// letter case is ignored (the tree is indexed once, not scanned per open), and every name
// is rooted at the data directory.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class DataTree {
  public:
    DataTree() = default;
    explicit DataTree(std::filesystem::path root) { setRoot(std::move(root)); }

    // Indexes every file and folder under root.
    void setRoot(std::filesystem::path root);
    const std::filesystem::path& root() const { return root_; }
    bool empty() const { return index_.empty(); }

    // The real path of an existing file or folder, whatever the case of the name.
    std::optional<std::filesystem::path> find(std::string_view gameName) const;

    // Where to write the named file: its real path if it exists, otherwise its folders
    // resolved as far as they exist and the rest as given.
    std::filesystem::path pathFor(std::string_view gameName) const;

    // Adds a file written since the index was made.
    void remember(const std::filesystem::path& realPath);

    // The lookup key of a game name: '/' separators, lower case, no leading "./" or '/'.
    static std::string key(std::string_view gameName);

  private:
    std::filesystem::path root_;
    std::unordered_map<std::string, std::filesystem::path> index_;  // key -> path under root
};

// The game's data tree, set once at start-up.
DataTree& dataTree();

// Reads a whole data file; nullopt when it is missing or cannot be read.
std::optional<std::string> readDataFile(std::string_view gameName);

// The name to show in messages about a data file: its real path when it exists.
std::string displayName(std::string_view gameName);
