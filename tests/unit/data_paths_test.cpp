#include "platform/data_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "assets/texture_file.h"

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

TEST_F(DataPaths, OnlyRegularFilesAreData) {
    // Each name resolves to something no reader may wait on or read without end.
    fs::create_directories(root / "MOD" / "DATA" / "kwiata.wkx");
    ASSERT_EQ(::mkfifo((root / "MOD" / "DATA" / "rybka.wkx").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", root / "MOD" / "DATA" / "motyl.wkx");
    fs::create_symlink("nowhere.wkx", root / "MOD" / "DATA" / "wazka.wkx");
    {
        std::ofstream huge(root / "MOD" / "DATA" / "ikony.wkx");  // sparse: no disk used
    }
    fs::resize_file(root / "MOD" / "DATA" / "ikony.wkx", largestDataFile + 1);
    std::ofstream(root / "MOD" / "DATA" / "rosli.wkx") << "1\n";
    dataTree().setRoot(root);

    struct Case {
        const char* name;
        DataFileFault fault;
    };
    const Case cases[] = {
        {"MOD\\DATA\\kwiata.wkx", DataFileFault::NotRegular},  // a folder
        {"MOD\\DATA\\rybka.wkx", DataFileFault::NotRegular},   // a FIFO nobody writes to
        {"MOD\\DATA\\motyl.wkx", DataFileFault::NotRegular},   // a link to /dev/zero
        {"MOD\\DATA\\wazka.wkx", DataFileFault::Missing},      // a dangling link
        {"MOD\\DATA\\none.wkx", DataFileFault::Missing},
        {"MOD\\DATA\\ikony.wkx", DataFileFault::TooLarge},     // refused by its size, unread
        {"MOD\\DATA\\rosli.wkx", DataFileFault::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataFileFault fault = DataFileFault::Unreadable;
        auto bytes = readDataFile(c.name, &fault);
        EXPECT_EQ(fault, c.fault);
        EXPECT_EQ(bytes.has_value(), c.fault == DataFileFault::None);
        EXPECT_EQ(DataFile::open(c.name).ok(), c.fault == DataFileFault::None ||
                                                    c.fault == DataFileFault::TooLarge);
    }
    EXPECT_EQ(readDataFile("MOD\\DATA\\rosli.wkx"), "1\n");
    EXPECT_FALSE(readDataFile("MOD\\DATA\\rosli.wkx", nullptr, 1));
}

TEST_F(DataPaths, LinkedFoldersAreIndexedOnceEvenWhenTheyLoop) {
    const fs::path elsewhere = root.string() + "-elsewhere";
    fs::create_directories(elsewhere / "BMP_0");
    std::ofstream(elsewhere / "BMP_0" / "Kwiat1.srm") << "petal";
    fs::create_directory_symlink(elsewhere, root / "MOD");
    fs::create_directory_symlink("..", root / "sta" / "up");  // a loop back to the root
    tree.setRoot(root);
    auto found = tree.find("MOD\\BMP_0\\kwiat1.srm");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, root / "MOD" / "BMP_0" / "Kwiat1.srm");
    EXPECT_TRUE(tree.find("STA\\up"));
    EXPECT_FALSE(tree.find("STA\\up\\sta\\sta_scr.mtt"));  // the loop is not walked again
    fs::remove_all(elsewhere);
}

// A texture reads its header and exactly its image: a file of a gigabyte (sparse) costs
// one image's buffer, whatever follows the pixels is never read, and a short file fills
// its missing pixels with zero.
TEST_F(DataPaths, ATextureReadsItsHeaderAndExactlyItsPixels) {
    struct Case {
        char format;
        char sizeCode;
        uint64_t fileSize;
        size_t pixelBytes;
        size_t stored;
    };
    const Case cases[] = {
        {'A', '6', uint64_t{1} << 30, 1024u * 1024 * 4, 1024u * 1024 * 4},
        {'x', '2', 16 + 64 * 64 * 3 + 100, 64 * 64 * 3, 64 * 64 * 3},
        {'k', '1', 16 + 10, 32 * 32 * 4, 10},
        {'x', '0', 16 + 5000, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << c.sizeCode << " " << c.fileSize);
        const fs::path path = root / "SCE" / "BMP_0" / "t.srm";
        {
            std::string header(textureHeaderSize, ' ');
            header[0] = c.format;
            header[2] = c.sizeCode;
            std::ofstream out(path, std::ios::binary);
            out << header << std::string(std::min<uint64_t>(c.fileSize - 16, 4096), '\x7f');
        }
        fs::resize_file(path, c.fileSize);
        DataFile file = DataFile::openPath(path);
        ASSERT_TRUE(file.ok());
        auto texture = readTextureFile(file);
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->pixels.size(), c.pixelBytes);
        EXPECT_EQ(texture->pixels.capacity(), c.pixelBytes);
        EXPECT_EQ(texture->storedPixelBytes, c.stored);
        if (c.stored) {
            EXPECT_EQ(texture->pixels[std::min<size_t>(4096, c.stored) - 1], 0x7f);
        }
        if (c.stored < c.pixelBytes) {
            EXPECT_EQ(texture->pixels[c.stored], 0);
        }
    }
    // Shorter than its header: skipped like a missing file.
    std::ofstream(root / "SCE" / "BMP_0" / "t.srm", std::ios::binary) << "A 1";
    DataFile shortFile = DataFile::openPath(root / "SCE" / "BMP_0" / "t.srm");
    EXPECT_FALSE(readTextureFile(shortFile));
}

}  // namespace
