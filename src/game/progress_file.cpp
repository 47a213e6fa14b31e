#include "game/progress_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "assets/data_error.h"
#include "assets/text_lines.h"
#include "game/player_files.h"
#include "platform/data_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr int unlockedLine = 0;
constexpr int spareLine = 10;
constexpr int entryLine = 17;
constexpr size_t scoreWidth = 10;
constexpr size_t nameColumn = 9;  // the name is read from the tenth character on
constexpr size_t nameWidth = 15;

// A best score: a whole number with an optional sign, anything else is 0.
int entryScore(std::string_view line) {
    std::string_view text = trimBlanks(line.substr(0, scoreWidth));
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

std::string entryName(std::string_view line) {
    if (line.size() <= nameColumn) return {};
    return std::string(trimBlanks(line.substr(nameColumn, nameWidth)));
}

// The line break the file already uses; CR LF for a file without one.
std::string_view lineBreakOf(std::string_view bytes) {
    size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (bytes[at] == '\n') return "\n";
    return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? "\r\n" : "\r";
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The file must be a regular file its owner may write; a read-only mark is cleared first.
bool makeWritable(const fs::path& path, mode_t& mode) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (!(info.st_mode & S_IWUSR)) {
        if (::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) != 0) return false;
        if (::stat(path.c_str(), &info) != 0 || !(info.st_mode & S_IWUSR)) return false;
    }
    mode = info.st_mode & 07777;
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Writes `bytes` to a new file beside `target`, on disk, with the target's mode; returns
// its path, or nothing (and no file) on failure.
std::optional<fs::path> writeTemporary(const fs::path& target, std::string_view bytes,
                                       mode_t mode) {
    std::string name =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(name.data());
    if (fd < 0) return std::nullopt;
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(name.c_str());
        return std::nullopt;
    }
    return fs::path(name);
}

// Makes a finished rename survive a power cut.
void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string progressFileName(int difficulty) {
    return "STA\\eloper" + std::to_string(difficulty) + ".mtt";
}

ProgressTable parseProgressTable(std::string_view bytes, const std::string& fileName) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.size() < ProgressTable::lineCount)
        throw DataError("the progress file ends after " + std::to_string(lines.size()) +
                            " lines; it needs " + std::to_string(ProgressTable::lineCount),
                        fileName, static_cast<int>(lines.size()) + 1);
    ProgressTable table;
    // The unlocked flags are written back as decimal lines and read from their first ten
    // characters: a flag below -999999999 would not survive the round trip, so it stops
    // there (only 1 means anything to the game).
    constexpr int32_t lowestFlag = -999999999;
    for (int k = 0; k < ProgressTable::levelCount; ++k)
        table.unlocked[static_cast<size_t>(k)] =
            std::max(lowestFlag, numericLineInt(lines, unlockedLine + k, fileName));
    for (int k = 0; k < ProgressTable::spareCount; ++k)
        table.spare[static_cast<size_t>(k)] = numericLineInt(lines, spareLine + k, fileName);
    for (int k = 0; k < ProgressTable::bestScoreCount; ++k) {
        const std::string& line = lines[static_cast<size_t>(entryLine + k)];
        table.scores[static_cast<size_t>(k)] = entryScore(line);
        table.names[static_cast<size_t>(k)] = entryName(line);
    }
    return table;
}

std::optional<fs::path> progressPath(int difficulty, std::string& why) {
    const std::string name = progressFileName(difficulty);
    auto inTree = dataTree().find(name);
    if (playerFolder().empty()) {
        if (!inTree) why = "the data tree has no " + name;
        return inTree;
    }
    return playerFile(playerFolder(), name.substr(name.rfind('\\') + 1), inTree, why);
}

namespace {

ProgressTable readProgressFile(const fs::path& path) {
    DataFile file = DataFile::openPath(path);
    std::optional<size_t> got;
    std::string bytes;
    if (file.ok() && file.size() <= largestDataFile) {
        bytes.resize(static_cast<size_t>(file.size()));
        got = file.read(bytes.data(), bytes.size());
    }
    if (!got) throw DataError("Cannot open file " + path.string());
    bytes.resize(*got);
    return parseProgressTable(bytes, path.string());
}

// Moves a damaged progress file to "NAME.damaged" ("NAME.damaged.2" and on when that name
// is taken, so a file kept aside before is never replaced); its new path, or nothing with
// the reason in `why`.
std::optional<fs::path> keepAside(const fs::path& path, std::string& why) {
    for (int k = 1; k <= 100; ++k) {
        fs::path aside = path;
        aside += k == 1 ? std::string(".damaged") : ".damaged." + std::to_string(k);
        std::error_code error;
        if (fs::symlink_status(aside, error).type() != fs::file_type::not_found) continue;
        if (std::rename(path.c_str(), aside.c_str()) != 0) {
            why = std::strerror(errno);
            return std::nullopt;
        }
        syncFolder(path.parent_path());
        return aside;
    }
    why = "every name for it is taken";
    return std::nullopt;
}

// What is said of a progress file that progressPath() did not find.
std::string missingProgress(int difficulty, const std::string& why) {
    return playerFolder().empty() ? "Cannot open file " + displayName(progressFileName(difficulty))
                                  : "progress not read: " + why;
}

}  // namespace

void readProgress(ProgressTable& table, int difficulty) {
    table = ProgressTable();
    std::string why;
    const auto path = progressPath(difficulty, why);
    if (!path) throw DataError(missingProgress(difficulty, why));
    table = readProgressFile(*path);
}

bool readProgressForPlay(ProgressTable& table, int difficulty) {
    table = ProgressTable();
    std::string why;
    const auto path = progressPath(difficulty, why);
    if (!path) {
        // Nothing to keep aside, and a missing progress file is not made up: what is earned
        // stays in the table, and every write says it was not saved.
        std::fprintf(stderr, "oxa: %s; the game goes on with a fresh table\n",
                     missingProgress(difficulty, why).c_str());
        return false;
    }
    try {
        table = readProgressFile(*path);
        return true;
    } catch (const DataError& error) {
        std::string said = error.report();
        // The damaged file goes aside before anything is written where it was. Where it
        // cannot be moved, the folder cannot be written either, so no save can replace it.
        if (const auto aside = keepAside(*path, why)) {
            said += "; kept as " + aside->string();
            if (!writeFileWhole(updatedProgressBytes("", ProgressTable()), *path, why))
                said += " (no fresh file made: " + why + ")";
        } else {
            said += "; it could not be kept aside (" + why + ")";
        }
        std::fprintf(stderr, "oxa: %s; the game goes on with a fresh table\n", said.c_str());
        table = ProgressTable();
        return false;
    }
}

int insertScore(ProgressTable& table, int score) {
    for (size_t row = 0; row < ProgressTable::bestScoreCount; ++row) {
        if (score < table.scores[row]) continue;
        for (size_t k = ProgressTable::bestScoreCount; k > row; --k) {
            table.scores[k] = table.scores[k - 1];
            table.names[k] = std::move(table.names[k - 1]);
        }
        table.scores[row] = score;
        table.names[row].clear();
        return static_cast<int>(row);
    }
    return -1;
}

std::string progressEntryLine(int score, const std::string& name) {
    std::string line = std::to_string(score);
    line.resize(scoreWidth, ' ');
    return line + name;
}

std::string updatedProgressBytes(std::string_view oldBytes, const ProgressTable& table) {
    std::vector<std::string> lines = splitLines(oldBytes);
    for (size_t k = lines.size(); k < ProgressTable::lineCount; ++k)
        lines.emplace_back(k >= spareLine && k < entryLine ? "0" : "");
    for (int k = 0; k < ProgressTable::levelCount; ++k)
        lines[static_cast<size_t>(unlockedLine + k)] =
            std::to_string(table.unlocked[static_cast<size_t>(k)]);
    for (int k = 0; k < ProgressTable::bestScoreCount; ++k)
        lines[static_cast<size_t>(entryLine + k)] = progressEntryLine(
            table.scores[static_cast<size_t>(k)], table.names[static_cast<size_t>(k)]);

    const std::string_view lineBreak = lineBreakOf(oldBytes);
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += lineBreak;
    }
    return bytes;
}

bool writeProgressFile(const fs::path& path, const ProgressTable& table,
                       RenameFunction renameFile) {
    // Through a link, the file it points to is the one replaced.
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    mode_t mode = 0;
    if (error || !makeWritable(target, mode)) return false;
    const auto oldBytes = readWholeFile(target);
    if (!oldBytes) return false;

    const auto temporary = writeTemporary(target, updatedProgressBytes(*oldBytes, table), mode);
    if (!temporary) return false;
    if ((renameFile ? renameFile : std::rename)(temporary->c_str(), target.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

bool writeFileWhole(std::string_view bytes, const fs::path& to, std::string& why) {
    const auto temporary = writeTemporary(to, bytes, 0644);
    if (!temporary || std::rename(temporary->c_str(), to.c_str()) != 0) {
        why = "cannot write " + to.string() + ": " + std::strerror(errno);
        if (temporary) ::unlink(temporary->c_str());
        return false;
    }
    syncFolder(to.parent_path());
    return true;
}

bool copyFileWhole(const fs::path& from, const fs::path& to, std::string& why) {
    const auto bytes = readWholeFile(from);
    if (!bytes) {
        why = "cannot read " + from.string();
        return false;
    }
    return writeFileWhole(*bytes, to, why);
}

bool writeProgress(int difficulty, const ProgressTable& table) {
    std::string why;
    const auto path = progressPath(difficulty, why);
    if (path) {
        errno = 0;
        if (writeProgressFile(*path, table)) return true;
        why = "cannot write " + path->string();
        if (errno != 0) why += std::string(": ") + std::strerror(errno);
    }
    // The game goes on; what was earned is still in the table and is saved with the next
    // write that succeeds.
    std::fprintf(stderr, "oxa: progress not saved: %s\n", why.c_str());
    return false;
}
