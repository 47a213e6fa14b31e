#include "platform/data_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

class DataPaths : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("oxa-paths-" + std::to_string(::getpid()));
        fs::create_directories(root / "SCE" / "BMP_0");
        fs::create_directories(root / "sta");
        std::ofstream(root / "SCE" / "BMP_0" / "Droga.srm") << "road";
        std::ofstream(root / "sta" / "STA_SCR.mtt") << "0";
        tree.setRoot(root);
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
    DataTree tree;
};

TEST_F(DataPaths, GameNamesFindFilesWhateverTheirCaseAndSeparators) {
    const char* names[] = {"SCE\\BMP_0\\Droga.srm", "SCE\\BMP_0\\droga.srm", "sce/bmp_0/DROGA.SRM",
                           ".\\SCE\\BMP_0\\droga.srm", "SCE\\\\BMP_0\\droga.srm"};
    for (const char* name : names) {
        auto found = tree.find(name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(*found, root / "SCE" / "BMP_0" / "Droga.srm") << name;
    }
    EXPECT_TRUE(tree.find("STA\\sta_scr.mtt"));
    EXPECT_FALSE(tree.find("STA\\missing.mtt"));
    EXPECT_FALSE(tree.find("SCE\\BMP_0\\Droga.srm\\x"));
}

TEST_F(DataPaths, NewFilesGoIntoTheExistingFolders) {
    EXPECT_EQ(tree.pathFor("STA\\eloper1.mtt"), root / "sta" / "eloper1.mtt");
    EXPECT_EQ(tree.pathFor("sta\\sta_scr.MTT"), root / "sta" / "STA_SCR.mtt");
    EXPECT_EQ(tree.pathFor("NEW\\DIR\\f.txt"), root / "NEW" / "DIR" / "f.txt");
    std::ofstream(root / "sta" / "eloper1.mtt") << "1";
    tree.remember(root / "sta" / "eloper1.mtt");
    EXPECT_TRUE(tree.find("STA\\ELOPER1.MTT"));
}

TEST_F(DataPaths, ReadsWholeFilesThroughTheGamesTree) {
    dataTree().setRoot(root);
    EXPECT_EQ(readDataFile("SCE\\BMP_0\\DROGA.srm"), "road");
    EXPECT_FALSE(readDataFile("SCE\\BMP_0\\none.srm"));
    EXPECT_EQ(displayName("SCE\\BMP_0\\droga.srm"), (root / "SCE" / "BMP_0" / "Droga.srm").string());
    EXPECT_EQ(displayName("SCE\\none.srm"), "SCE\\none.srm");
}

}  // namespace
