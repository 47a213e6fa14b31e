#pragma once
// Every data file the game opens is named the way the game always named it, relative to
// the data directory and with backslashes: "STA\sta_scr.mtt", "SCE\BMP_0\Droga.srm".
// This is the one place that turns such a name into a real file: backslashes become '/',
// letter case is ignored (the tree is indexed once at start, not scanned per open), and
// every name is rooted at the data directory. Folders reached through symbolic links are
// indexed too.
//
// Only a regular file is data. A name that resolves to a folder, a FIFO or a device (a link
// to /dev/zero) opens as a fault, without blocking and without reading a byte, and no file
// is read whole when it is larger than any data file can be.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class DataTree {
  public:
    DataTree() = default;
    explicit DataTree(std::filesystem::path root) { setRoot(std::move(root)); }

    // Indexes every file and folder under root, following links to folders (a folder met
    // twice, as through a link that loops back, is indexed once).
    void setRoot(std::filesystem::path root);
    const std::filesystem::path& root() const { return root_; }
    bool empty() const { return index_.empty(); }

    // A folder of the tree whose files stand in for the tree's own of the same name (the
    // menu pictures of a language: "LANG\PL"); empty for none.
    void setLanguageFolder(std::string_view folder) { languageKey_ = key(folder); }

    // The real path of an existing file or folder, whatever the case of the name; the
    // language folder's copy when it has one.
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
    std::string languageKey_;
};

// The game's data tree, set once at start-up.
DataTree& dataTree();

// Why a data file gave no bytes.
enum class DataFileFault {
    None,
    Missing,        // no such name in the tree, or it vanished since
    NotRegular,     // a folder, a FIFO, a socket or a device
    TooLarge,       // larger than the reader accepts
    Unreadable,     // no permission, or a read error
};

// The largest file a reader that reads whole files accepts. The biggest data file the
// game ships is under 1 MiB.
constexpr size_t largestDataFile = size_t{64} << 20;

// A data file open for reading. Move-only; closes itself.
class DataFile {
  public:
    // Opens the named file if it is a regular file.
    static DataFile open(std::string_view gameName);
    // The same for a real path (tests, tools).
    static DataFile openPath(const std::filesystem::path& path);

    DataFile(DataFile&& other) noexcept;
    DataFile& operator=(DataFile&& other) noexcept;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    ~DataFile();

    bool ok() const { return fd_ >= 0; }
    DataFileFault fault() const { return fault_; }
    uint64_t size() const { return size_; }

    // Reads up to `count` bytes into `dest` from where the last read ended; returns how
    // many arrived (fewer only at the end of the file), or nothing on a read error.
    std::optional<size_t> read(void* dest, size_t count);

  private:
    DataFile() = default;
    int fd_ = -1;
    DataFileFault fault_ = DataFileFault::Missing;
    uint64_t size_ = 0;
};

// Reads a whole data file of at most maxBytes; nullopt when it is missing, not a regular
// file, larger or unreadable, with the reason in `fault` when asked.
std::optional<std::string> readDataFile(std::string_view gameName, DataFileFault* fault = nullptr,
                                        size_t maxBytes = largestDataFile);

// The name to show in messages about a data file: its real path when it exists.
std::string displayName(std::string_view gameName);
