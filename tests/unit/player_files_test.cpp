#include "game/player_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/progress_file.h"
#include "platform/data_paths.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayerFiles, TheFolderFollowsXdgDataHomeElseHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/x/data", "/home/ala", "/x/data/oxa"},
        {nullptr, "/home/ala", "/home/ala/.local/share/oxa"},
        {"", "/home/ala", "/home/ala/.local/share/oxa"},
        {"relative/data", "/home/ala", "/home/ala/.local/share/oxa"},  // ignored, as the rules say
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(playerDataFolder(c.xdg, c.home), fs::path(c.folder))
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

class PlayerFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("oxa_player_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "tree" / "STA");
        fresh_ = root_ / "tree" / "STA" / "eloper1.mtt";
        write(fresh_, freshText());
    }
    void TearDown() override {
        setPlayerFolder({});
        dataTree().setRoot({});
        fs::remove_all(root_);
    }
    static std::string freshText() {
        std::string text;
        for (int k = 0; k < 26; ++k) text += k == 0 ? "1\r\n" : k < 17 ? "0\r\n" : "0         \r\n";
        return text;
    }
    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path root_;
    fs::path fresh_;
};

TEST_F(PlayerFolder, AMissingFileIsMadeFromTheFreshOneAndThenKept) {
    const fs::path folder = root_ / "home" / ".local" / "share" / "oxa";
    std::string why;
    auto path = playerFile(folder, "eloper1.mtt", fresh_, why);
    ASSERT_TRUE(path) << why;
    EXPECT_EQ(*path, folder / "eloper1.mtt");
    EXPECT_EQ(read(*path), freshText());

    write(*path, "earned");
    path = playerFile(folder, "eloper1.mtt", fresh_, why);
    ASSERT_TRUE(path);
    EXPECT_EQ(read(*path), "earned") << "the player's file was seeded again";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PlayerFolder, NoFileWhenItCannotBeMade) {
    std::string why;
    EXPECT_FALSE(playerFile(root_ / "p", "eloper1.mtt", std::nullopt, why));
    EXPECT_NE(why.find("no fresh eloper1.mtt"), std::string::npos) << why;
    EXPECT_FALSE(fs::exists(root_ / "p"));

    write(root_ / "plain", "a file where the folder should be");
    why.clear();
    EXPECT_FALSE(playerFile(root_ / "plain" / "oxa", "eloper1.mtt", fresh_, why));
    EXPECT_NE(why.find("cannot make the folder"), std::string::npos) << why;
}

TEST_F(PlayerFolder, ProgressIsReadAndWrittenInThePlayersFolderNotTheTree) {
    dataTree().setRoot(root_ / "tree");
    const fs::path folder = root_ / "home" / "oxa";
    setPlayerFolder(folder);
    ProgressTable table;
    readProgress(table, 1);
    EXPECT_TRUE(table.isUnlocked(1));
    EXPECT_FALSE(table.isUnlocked(2));
    table.unlocked[1] = 1;
    ASSERT_TRUE(writeProgress(1, table));
    EXPECT_EQ(read(fresh_), freshText()) << "the tree's file was written";
    ProgressTable again;
    readProgress(again, 1);
    EXPECT_TRUE(again.isUnlocked(2));
}

TEST_F(PlayerFolder, AFailedWriteIsSaidAndReturnsFalse) {
    dataTree().setRoot(root_ / "tree");
    write(root_ / "plain", "");
    setPlayerFolder(root_ / "plain" / "oxa");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(writeProgress(1, ProgressTable()));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("oxa: progress not saved: cannot make the folder ", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(PlayerFolder, OnlyANamedWritableTreeKeepsItsOwnFiles) {
    const fs::path folder = root_ / "tree" / "STA";
    EXPECT_TRUE(progressStaysInTree(true, folder));
    EXPECT_FALSE(progressStaysInTree(false, folder));
    EXPECT_FALSE(progressStaysInTree(true, root_ / "missing"));
    if (::geteuid() != 0) {  // the superuser may write anywhere
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(progressStaysInTree(true, folder));
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    }
}

// A damaged progress file is kept beside itself before anything is written where it was; a
// fresh file takes its place, so the game goes on and saves again. A second damaged file
// does not replace the first one kept.
TEST_F(PlayerFolder, ADamagedFileIsKeptAsideAndAFreshOneTakesItsPlace) {
    dataTree().setRoot(root_ / "tree");
    const fs::path folder = root_ / "home" / "oxa";
    struct Case {
        const char* what;
        bool inPlayersFolder;
    };
    for (const Case& c : {Case{"the player's file", true}, Case{"the tree's own file", false}}) {
        SCOPED_TRACE(c.what);
        setPlayerFolder(c.inPlayersFolder ? folder : fs::path());
        const fs::path file = c.inPlayersFolder ? folder / "eloper1.mtt" : fresh_;
        fs::create_directories(file.parent_path());
        for (const std::string& damaged : {std::string("1\r\n1\r\n1\r\n"), std::string("x\r\n")}) {
            write(file, damaged);
            ProgressTable table;
            table.unlocked[5] = 1;
            ::testing::internal::CaptureStderr();
            EXPECT_FALSE(readProgressForPlay(table, 1));
            const std::string said = ::testing::internal::GetCapturedStderr();
            EXPECT_TRUE(table.isUnlocked(1));
            EXPECT_FALSE(table.isUnlocked(6)) << "the table is not fresh";
            const fs::path aside = file.string() + (damaged == "x\r\n" ? ".damaged.2" : ".damaged");
            EXPECT_EQ(read(aside), damaged);
            EXPECT_EQ(read(file), freshText());
            EXPECT_EQ(said.rfind("oxa: " + file.string() + ":", 0), 0u) << said;
            EXPECT_NE(said.find("; kept as " + aside.string() +
                                "; the game goes on with a fresh table\n"),
                      std::string::npos)
                << said;
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        }
        EXPECT_EQ(read(file.string() + ".damaged"), "1\r\n1\r\n1\r\n");

        ProgressTable table;
        EXPECT_TRUE(readProgressForPlay(table, 1));
        table.unlocked[1] = 1;
        ASSERT_TRUE(writeProgress(1, table));
        ProgressTable again;
        EXPECT_TRUE(readProgressForPlay(again, 1));
        EXPECT_TRUE(again.isUnlocked(2));
        write(fresh_, freshText());
    }
}

// A progress file that is missing and cannot be made from a fresh one: one line, a fresh
// table, and no file made up.
TEST_F(PlayerFolder, AMissingFileThatCannotBeMadeGivesAFreshTable) {
    fs::remove(fresh_);
    dataTree().setRoot(root_ / "tree");
    for (bool inPlayersFolder : {true, false}) {
        setPlayerFolder(inPlayersFolder ? root_ / "home" / "oxa" : fs::path());
        ProgressTable table;
        table.unlocked[5] = 1;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(readProgressForPlay(table, 1));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_FALSE(table.isUnlocked(6));
        EXPECT_EQ(said, inPlayersFolder
                            ? "oxa: progress not read: the data tree has no fresh eloper1.mtt to "
                              "start it from; the game goes on with a fresh table\n"
                            : "oxa: Cannot open file STA\\eloper1.mtt; the game goes on with a "
                              "fresh table\n");
        EXPECT_FALSE(fs::exists(root_ / "home" / "oxa" / "eloper1.mtt"));
        EXPECT_FALSE(fs::exists(fresh_));
    }
}

}  // namespace
