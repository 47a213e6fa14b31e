#include "game/progress_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/data_error.h"

namespace fs = std::filesystem;

namespace {

// "Šimon źródło" in Windows-1250.
const std::string polishName =
    "\x8A"
    "imon \x9F"
    "r\xF3"
    "d\xB3"
    "o";

// Unlocked flags, seven further numbers, nine entries and a line after them.
std::string progressText() {
    return "1\r\n1\r\n1.7\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
           "11\r\n12\r\n13\r\n14\r\n15\r\n16\r\n17\r\n"
           "5000      Ala\r\n"
           "4000      " +
           polishName +
           "\r\n"
           "3000        padded name   \r\n"
           "12.5      fraction\r\n"
           "abc       letters\r\n"
           "\r\n"
           "-7        negative\r\n"
           "99999999991234567890123456789\r\n"
           "+8\r\n"
           "kept after the table\r\n";
}

class ProgressFile : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("progress_test_" + std::to_string(::getpid()) + "_" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / "eloper1.mtt";
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    void writeText(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
    std::string readText() const {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    size_t filesInFolder() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
    fs::path file_;
};

TEST(ProgressTable, DefaultsOpenOnlyTheFirstLevel) {
    ProgressTable table;
    EXPECT_TRUE(table.isUnlocked(1));
    for (int level = 2; level <= 10; ++level) EXPECT_FALSE(table.isUnlocked(level));
    EXPECT_EQ(table.scores, (std::array<int, 10>{}));
    EXPECT_EQ(table.spare, (std::array<int, 7>{}));
    EXPECT_EQ(progressFileName(2), "STA\\eloper2.mtt");
}

TEST(ProgressTable, ReadsFlagsScoresAndNames) {
    ProgressTable table = parseProgressTable(progressText(), "eloper1.mtt");
    EXPECT_EQ(table.unlocked, (std::array<int, 10>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(table.spare, (std::array<int, 7>{11, 12, 13, 14, 15, 16, 17}));
    const std::pair<int, std::string> entries[] =
        {
            {5000, "Ala"},    {4000, polishName},     {3000, "padded name"},
            {0, "fraction"},  {0, "letters"},         {0, ""},
            {-7, "negative"}, {0, "912345678901234"},  // a score too large for an int reads as 0
            {8, ""},
        };
    for (size_t row = 0; row < 9; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(table.scores[row], entries[row].first);
        EXPECT_EQ(table.names[row], entries[row].second);
    }
}

TEST(ProgressTable, BrokenFilesAreRefused) {
    std::string text = progressText();
    try {
        parseProgressTable(text.substr(0, text.find("3000")), "eloper1.mtt");
        ADD_FAILURE() << "accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.line(), 20);
    }
    text.replace(text.find("13\r\n"), 2, "x");
    try {
        parseProgressTable(text, "eloper1.mtt");
        ADD_FAILURE() << "accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.report(), "eloper1.mtt:13: 'x' is not a valid floating point value");
    }
}

TEST(ProgressTable, EntryLinesAreTenCharactersOfScoreThenTheName) {
    EXPECT_EQ(progressEntryLine(5000, "Ala"), "5000      Ala");
    EXPECT_EQ(progressEntryLine(0, ""), "0         ");
    EXPECT_EQ(progressEntryLine(-2147483647 - 1, "x"), "-214748364x");
}

TEST_F(ProgressFile, RoundTripKeepsTheOtherLinesAndFourteenCharactersOfAName) {
    writeText(progressText());
    ProgressTable table = parseProgressTable(readText(), "eloper1.mtt");
    table.unlocked[4] = 1;
    EXPECT_EQ(insertScore(table, 4500), 1);
    table.names[1] = "Sixteen chars!!!";
    ASSERT_TRUE(writeProgressFile(file_, table));

    const std::string written = readText();
    ProgressTable back = parseProgressTable(written, "eloper1.mtt");
    EXPECT_EQ(back.unlocked, table.unlocked);
    EXPECT_EQ(back.spare, table.spare);
    EXPECT_EQ(back.names[1], "Sixteen chars!");
    for (size_t row = 0; row < 9; ++row) EXPECT_EQ(back.scores[row], table.scores[row]);
    EXPECT_EQ(back.names[2], polishName);
    EXPECT_NE(written.find("\r\n11\r\n12\r\n13\r\n14\r\n15\r\n16\r\n17\r\n5000      Ala\r\n"),
              std::string::npos);
    EXPECT_NE(written.find("\r\n4500      Sixteen chars!!!\r\n"), std::string::npos);
    EXPECT_TRUE(written.ends_with("\r\nkept after the table\r\n"));
    EXPECT_EQ(filesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(ProgressFile, AShortFileIsCompletedSoItReadsBack) {
    writeText("1\n0\n0\n");
    ProgressTable table;
    table.unlocked[1] = 1;
    ASSERT_TRUE(writeProgressFile(file_, table));
    const std::string written = readText();
    EXPECT_TRUE(written.starts_with("1\n1\n0\n"));  // the file's own line breaks
    EXPECT_EQ(parseProgressTable(written, "eloper1.mtt").unlocked, table.unlocked);
}

TEST_F(ProgressFile, AReadOnlyFileIsMadeWritableAndWritten) {
    writeText(progressText());
    fs::permissions(file_, fs::perms::owner_read | fs::perms::group_read);
    ProgressTable table;
    table.unlocked.fill(1);
    ASSERT_TRUE(writeProgressFile(file_, table));
    EXPECT_EQ(fs::status(file_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(parseProgressTable(readText(), "eloper1.mtt").isUnlocked(10));
}

TEST_F(ProgressFile, AMissingFileIsNotCreated) {
    EXPECT_FALSE(writeProgressFile(file_, ProgressTable()));
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(ProgressFile, AFailedWriteLeavesTheOldFileWhole) {
    writeText(progressText());
    auto failingRename = [](const char*, const char*) {
        errno = EIO;
        return -1;
    };
    ProgressTable table;
    EXPECT_FALSE(writeProgressFile(file_, table, failingRename));
    EXPECT_EQ(readText(), progressText());
    EXPECT_EQ(filesInFolder(), 1u);

    if (::geteuid() != 0) {  // the superuser writes into any folder
        fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(writeProgressFile(file_, table));
        EXPECT_EQ(readText(), progressText());
    }
}

TEST_F(ProgressFile, ALinkIsFollowedAndKept) {
    writeText(progressText());
    const fs::path link = folder_ / "link.mtt";
    fs::create_symlink(file_, link);
    ProgressTable table;
    table.unlocked[9] = 1;
    ASSERT_TRUE(writeProgressFile(link, table));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(parseProgressTable(readText(), "eloper1.mtt").isUnlocked(10));
}

}  // namespace

namespace {

TEST(ProgressTable, AFlagTooLowForItsTenCharactersStillReadsBackTheSame) {
    // -5E20 truncates to the lowest int, whose eleven characters would be cut to ten when
    // read again; the flag stops at -999999999, which survives the round trip.
    std::string text = progressText();
    text.replace(text.find("1.7"), 3, "-5E20");
    ProgressTable table = parseProgressTable(text, "f");
    EXPECT_EQ(table.unlocked[2], -999999999);
    ProgressTable back = parseProgressTable(updatedProgressBytes(text, table), "f");
    EXPECT_EQ(back.unlocked, table.unlocked);
}

}  // namespace
