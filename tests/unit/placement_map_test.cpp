#include "game/placement_map.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/data_error.h"

namespace {

void put16(std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

struct Layout {
    const char* name;
    int bits;
    uint32_t compression;
    int headerSize;
    bool topDown;
};

// A 3 × 2 picture (red values, top row first) in the given layout. Palette pictures use
// the palette [0, 255, 7]; the other channels are filled so that only red can pass.
std::string bmpFile(const Layout& layout, const uint8_t (&red)[2][3]) {
    const int width = 3, height = 2;
    const std::vector<uint8_t> palette = {0, 255, 7};
    std::string pixels;
    for (int k = 0; k < height; ++k) {
        const int j = layout.topDown ? k : height - 1 - k;
        std::string row;
        uint32_t bitBuffer = 0;
        int bitCount = 0;
        for (int i = 0; i < width; ++i) {
            const uint8_t r = red[j][i];
            switch (layout.bits) {
                case 1:
                case 4:
                case 8: {
                    uint32_t index = r == 0 ? 0 : r == 255 ? 1 : 2;
                    bitBuffer = bitBuffer << layout.bits | index;
                    bitCount += layout.bits;
                    break;
                }
                case 16:
                    put16(row, layout.compression == 3 ? (r >> 3) << 11 | 0x07E0
                                                       : (r >> 3) << 10 | 0x03FF);
                    break;
                case 24:
                    row += {'\x33', '\x44', static_cast<char>(r)};
                    break;
                case 32:
                    put32(row, layout.compression == 3 ? uint32_t(r) << 24 | 0x00FFFFFF
                                                       : uint32_t(r) << 16 | 0xFF00FFFF);
                    break;
            }
            while (bitCount >= 8) {
                row.push_back(static_cast<char>(bitBuffer >> (bitCount - 8)));
                bitCount -= 8;
            }
        }
        if (bitCount > 0) row.push_back(static_cast<char>(bitBuffer << (8 - bitCount)));
        while (row.size() % 4) row.push_back('\0');
        pixels += row;
    }

    std::string info;
    const bool core = layout.headerSize == 12;
    put32(info, static_cast<uint32_t>(layout.headerSize));
    if (core) {
        put16(info, width);
        put16(info, height);
        put16(info, 1);
        put16(info, static_cast<uint32_t>(layout.bits));
    } else {
        put32(info, width);
        put32(info, static_cast<uint32_t>(layout.topDown ? -height : height));
        put16(info, 1);
        put16(info, static_cast<uint32_t>(layout.bits));
        put32(info, layout.compression);
        put32(info, static_cast<uint32_t>(pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, layout.bits <= 8 ? 3 : 0);  // palette entries in use
        put32(info, 0);
        if (layout.compression == 3) {
            put32(info, layout.bits == 16 ? 0xF800 : 0xFF000000);
            put32(info, layout.bits == 16 ? 0x07E0 : 0x00FF0000);
            put32(info, layout.bits == 16 ? 0x001F : 0x0000FF00);
        }
        info.resize(std::max<size_t>(info.size(), static_cast<size_t>(layout.headerSize)), '\0');
    }
    if (layout.bits <= 8) {
        // The old header has no count of entries in use: its palette is always full.
        const size_t entries = core ? size_t{1} << layout.bits : layout.bits == 1 ? 2 : 3;
        for (size_t k = 0; k < entries; ++k) {
            info += {'\x55', '\x66', static_cast<char>(k < palette.size() ? palette[k] : 0)};
            if (!core) info.push_back('\0');
        }
    }
    std::string file = "BM";
    put32(file, static_cast<uint32_t>(14 + info.size() + pixels.size()));
    put32(file, 0);
    put32(file, static_cast<uint32_t>(14 + info.size()));
    return file + info + pixels;
}

int8_t cell(const PlacementMap& map, int i, int j) {
    return map.cells[static_cast<size_t>(i)][static_cast<size_t>(j)];
}

TEST(PlacementMap, EveryPixelLayoutGivesTheRedOfEachPixel) {
    const Layout layouts[] = {
        {"1 bit", 1, 0, 40, false},
        {"1 bit, old header", 1, 0, 12, false},
        {"4 bits", 4, 0, 40, false},
        {"8 bits", 8, 0, 40, true},
        {"8 bits, old header", 8, 0, 12, false},
        {"16 bits 5-5-5", 16, 0, 40, false},
        {"16 bits 5-6-5", 16, 3, 40, true},
        {"16 bits 5-6-5, v5 header", 16, 3, 124, false},
        {"24 bits", 24, 0, 40, false},
        {"24 bits top-down", 24, 0, 40, true},
        {"24 bits, v4 header", 24, 0, 108, false},
        {"32 bits", 32, 0, 40, true},
        {"32 bits with masks", 32, 3, 40, false},
        {"32 bits with masks, v5 header", 32, 3, 124, true},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const bool twoColours = layout.bits == 1;
        const bool fiveBits = layout.bits == 16;
        const uint8_t red[2][3] = {{255, 0, 255}, {0, 255, twoColours ? uint8_t(0) : uint8_t(7)}};
        PlacementMap map = readPlacementMap(bmpFile(layout, red), "k.bmp");
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 3; ++i) {
                const uint8_t expected = fiveBits && red[j][i] == 7 ? 0 : red[j][i];
                EXPECT_EQ(cell(map, i, j), static_cast<int8_t>(expected)) << i << "," << j;
            }
        EXPECT_TRUE(map.isFree(0, 0));
        EXPECT_FALSE(map.isFree(1, 0));
        // The picture covers 3 × 2 cells; the rest is blocked.
        EXPECT_EQ(cell(map, 3, 0), PlacementMap::uncoveredCell);
        EXPECT_EQ(cell(map, 0, 2), PlacementMap::uncoveredCell);
        EXPECT_FALSE(map.isFree(255, 255));
    }
}

// An 8- or 4-bit run-length picture of 4 × 3 with the palette [0, 255, 7].
std::string runLengthFile(int bits, const std::string& data, int height = 3) {
    std::string file = "BM";
    const uint32_t offset = 14 + 40 + 3 * 4;
    put32(file, static_cast<uint32_t>(offset + data.size()));
    put32(file, 0);
    put32(file, offset);
    put32(file, 40);
    put32(file, 4);
    put32(file, static_cast<uint32_t>(height));
    put16(file, 1);
    put16(file, static_cast<uint32_t>(bits));
    put32(file, bits == 8 ? 1 : 2);
    put32(file, static_cast<uint32_t>(data.size()));
    put32(file, 0);
    put32(file, 0);
    put32(file, 3);
    put32(file, 0);
    for (char red : {'\0', '\xFF', '\x07'}) file += {'\0', '\0', red, '\0'};
    return file + data;
}

std::string cellRows(const PlacementMap& map) {
    std::string rows;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) rows += std::to_string(cell(map, i, j)) + " ";
        rows += "/ ";
    }
    return rows;
}

TEST(PlacementMap, RunLengthPictures) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        int bits;
        std::string data;  // stored rows, bottom row first
        const char* rows;  // top row first
    };
    const Case cases[] = {
        {"8-bit runs and end of line", 8,
         "\x04\x01\x00\x00\x02\x02\x02\x01\x00\x00\x01\x02\x00\x01"s,
         "7 0 0 0 / 7 7 -1 -1 / -1 -1 -1 -1 / "},
        {"8-bit literal run, padded", 8, "\x00\x03\x01\x02\x01\x00\x00\x00\x00\x01"s,
         "0 0 0 0 / 0 0 0 0 / -1 7 -1 0 / "},
        {"8-bit move right and up", 8, "\x00\x02\x01\x01\x01\x01\x00\x01"s,
         "0 0 0 0 / 0 -1 0 0 / 0 0 0 0 / "},
        {"4-bit alternating run", 4, "\x04\x12\x00\x00\x03\x21\x00\x01"s,
         "0 0 0 0 / 7 -1 7 0 / -1 7 -1 7 / "},
        {"4-bit literal run", 4, "\x00\x03\x21\x20\x00\x01"s, "0 0 0 0 / 0 0 0 0 / 7 -1 7 0 / "},
        {"data ending without its end mark", 8, "\x02\x01"s, "0 0 0 0 / 0 0 0 0 / -1 -1 0 0 / "},
        {"runs past the right edge are cut", 8, "\x09\x01\x00\x01"s,
         "0 0 0 0 / 0 0 0 0 / -1 -1 -1 -1 / "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cellRows(readPlacementMap(runLengthFile(c.bits, c.data), "k.bmp")), c.rows);
    }
}

TEST(PlacementMap, ALargePictureGivesItsTopLeftCorner) {
    const int width = 300, height = 260;
    std::string file = "BM";
    const uint32_t offset = 14 + 40 + 2 * 4;
    put32(file, static_cast<uint32_t>(offset + width * height));
    put32(file, 0);
    put32(file, offset);
    put32(file, 40);
    put32(file, width);
    put32(file, height);
    put16(file, 1);
    put16(file, 8);
    for (uint32_t field : {0, 0, 0, 0, 2, 0}) put32(file, field);  // two palette entries
    file += std::string("\0\0\0\0\0\0\xFF\0", 8);
    std::string pixels(width * height, '\0');
    auto setFree = [&](int i, int jFromTop) { pixels[(height - 1 - jFromTop) * width + i] = 1; };
    setFree(200, 10);
    setFree(0, 255);
    setFree(256, 0);  // outside the map
    setFree(0, 256);
    PlacementMap map = readPlacementMap(file + pixels, "k.bmp");
    int freeCells = 0;
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j) freeCells += map.isFree(i, j);
    EXPECT_EQ(freeCells, 2);
    EXPECT_TRUE(map.isFree(200, 10));
    EXPECT_TRUE(map.isFree(0, 255));
}

TEST(PlacementMap, CellsStandForPointsOfThePlayableSquare) {
    EXPECT_FLOAT_EQ(placementCellX(0), -20.0f);
    EXPECT_FLOAT_EQ(placementCellZ(128), 0.0f);
    EXPECT_FLOAT_EQ(placementCellX(255), 19.84375f);
    EXPECT_EQ(placementMapName(3), "STA\\kontrola03.bmp");
    EXPECT_EQ(placementMapName(24), "STA\\kontrola24.bmp");
}

TEST(PlacementMap, BrokenOrForeignFilesAreRefused) {
    using namespace std::string_literals;
    const uint8_t red[2][3] = {{255, 0, 255}, {0, 255, 7}};
    const std::string good = bmpFile({"", 24, 0, 40, false}, red);
    const std::string palette = bmpFile({"", 8, 0, 40, false}, red);
    auto with32 = [](std::string file, size_t at, uint32_t value) {
        std::string v;
        put32(v, value);
        return file.replace(at, 4, v);
    };
    auto with16 = [](std::string file, size_t at, uint32_t value) {
        std::string v;
        put16(v, value);
        return file.replace(at, 2, v);
    };
    const std::pair<std::string, const char*> cases[] = {
        {"", "not a BMP picture"},
        {"PK" + good.substr(2), "not a BMP picture"},
        {good.substr(0, 30), "header is cut short"},
        {with32(good, 14, 20), "unsupported BMP header of 20 bytes"},
        {with32(good, 30, 4), "unsupported BMP layout: 24 bits with compression 4"},  // JPEG
        {with16(good, 28, 2), "unsupported BMP layout: 2 bits"},
        {with16(good, 28, 0), "unsupported BMP layout: 0 bits"},
        {with32(good, 18, 0), "empty"},
        {with32(good, 22, 0), "empty"},
        {with32(good, 18, 0x80000000), "empty"},
        {with32(good, 22, 1u << 21), "too large"},
        {good.substr(0, good.size() - 8), "pixel data is cut short"},
        {with32(good, 10, 0xFFFFFFF0), "pixel data is cut short"},
        {palette.substr(0, 14 + 40 + 6), "palette is cut short"},
        {runLengthFile(8, "\x00\x05\x01"s), "run-length data is cut short"},
        {runLengthFile(8, "\x00\x02\x01"s), "run-length data is cut short"},
    };
    for (const auto& [bytes, problem] : cases) {
        SCOPED_TRACE(problem);
        try {
            readPlacementMap(bytes, "STA/kontrola03.bmp");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), "STA/kontrola03.bmp");
            EXPECT_NE(e.message().find(problem), std::string::npos) << e.message();
        }
    }
}

}  // namespace
