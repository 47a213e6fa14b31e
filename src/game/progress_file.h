#pragma once
// `tabwyn`: the unlocked levels and the nine best scores of one difficulty, kept in
// "STA\eloper" + difficulty + ".mtt", the only file the game writes.
//
// The file is text, one value per line, lines counted from 0:
//   0-9    unlocked flag of levels 1-10 (numeric-line rule, truncated)
//   10-16  seven further numbers, read and written back unchanged
//   17-25  best-score entries: the score in the first 10 characters (anything but a whole
//          number reads as 0), the name in the 15 characters from the tenth on, trimmed.
// Names are Windows-1250 bytes and are kept byte for byte.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct ProgressTable {
    static constexpr int levelCount = 10;
    static constexpr int bestScoreCount = 9;
    static constexpr int spareCount = 7;
    static constexpr int lineCount = 26;

    // Highest first. The tenth slot only receives the entry an insertion pushes out.
    std::array<int, bestScoreCount + 1> scores{};
    std::array<std::string, bestScoreCount + 1> names;
    std::array<int, levelCount> unlocked{1};  // level 1 open, the others locked
    std::array<int, spareCount> spare{};

    bool isUnlocked(int level) const {
        return level >= 1 && level <= levelCount && unlocked[static_cast<size_t>(level - 1)] == 1;
    }
};

// "STA\eloper" + difficulty + ".mtt".
std::string progressFileName(int difficulty);

// A progress file's contents. Refuses (DataError with file and line) a file of fewer than
// 26 lines or with lines 0-16 not numbers.
ProgressTable parseProgressTable(std::string_view bytes, const std::string& fileName);

// Read progress: the table is set to its defaults first, so it keeps them when the file is
// missing or refused; both throw a DataError for the caller to report.
void readProgress(ProgressTable& table, int difficulty);

// Read progress for play (the menus and --level): as readProgress, but a progress file
// that is missing (and cannot be made from the tree's fresh one) or damaged does not stop
// the game. One line on stderr names the file and the problem, and the table starts fresh.
// A damaged file is first kept beside itself as "NAME.damaged" (".damaged.2" and on when
// that is taken) and a fresh file takes its place, so what the damaged file held is never
// written over and what is earned from now on is saved. False when the table starts fresh.
bool readProgressForPlay(ProgressTable& table, int difficulty);

// Puts `score` into the best scores: the first entry it reaches or equals moves down with
// all below it (the last drops out), and the new entry gets an empty name. Returns its row
// 0-8, or -1 when it is below all nine.
int insertScore(ProgressTable& table, int score);

// The entry line of a best score: the score padded with blanks, or cut, to exactly 10
// characters, then the name.
std::string progressEntryLine(int score, const std::string& name);

// The new contents of a progress file: lines 0-9 and 17-25 from the table, the other lines
// as they were (missing further numbers become "0"), in the file's own line breaks.
std::string updatedProgressBytes(std::string_view oldBytes, const ProgressTable& table);

// Write progress: rewrites an existing progress file. A missing file is not created; a
// read-only one is made writable first. The new contents go to a temporary file beside it,
// which is flushed to disk and renamed over the old one, so the old file stays whole
// whatever happens; false when nothing was written. `renameFile` is std::rename except
// in tests.
using RenameFunction = int (*)(const char* from, const char* to);
bool writeProgressFile(const std::filesystem::path& path, const ProgressTable& table,
                       RenameFunction renameFile = nullptr);

// The progress file of a difficulty: the player's copy (made from the tree's fresh one on
// first use) when a player folder is set, else the data tree's own; nothing, with the
// reason in `why`, when there is none.
std::optional<std::filesystem::path> progressPath(int difficulty, std::string& why);

// Write progress for a difficulty to its progress file. A failure is said in one line on
// stderr and the game goes on; false when nothing was written.
bool writeProgress(int difficulty, const ProgressTable& table);

// Writes `bytes` as the whole file `to`, through a temporary beside it and a rename, so
// `to` is either as it was or whole; false, with the reason in `why`, on failure.
bool writeFileWhole(std::string_view bytes, const std::filesystem::path& to, std::string& why);

// Copies a whole file through a temporary beside `to` and a rename, so `to` is either
// missing or whole; false, with the reason in `why`, on failure.
bool copyFileWhole(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string& why);

extern ProgressTable tabwyn;
