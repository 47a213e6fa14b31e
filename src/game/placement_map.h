#pragma once
// Where flowers, plants and icons may stand: a 256 × 256 map over the playable square,
// read from a Windows BMP picture ("STA\kontrola" + scene number + ".bmp"). Each cell keeps
// the red component of its pixel as a signed byte; red 255 (-1) marks a free spot, any
// other value a blocked one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct PlacementMap {
    static constexpr int side = 256;
    static constexpr int8_t freeCell = -1;
    // What a cell the picture does not cover holds (a picture smaller than 256 × 256):
    // blocked, as black would be.
    static constexpr int8_t uncoveredCell = 0;

    // [column][row]: column i from the left of the picture, row j from its top.
    std::array<std::array<int8_t, side>, side> cells;

    PlacementMap() {
        for (auto& column : cells) column.fill(uncoveredCell);
    }

    bool isFree(int column, int row) const {
        return column >= 0 && column < side && row >= 0 && row < side &&
               cells[static_cast<size_t>(column)][static_cast<size_t>(row)] == freeCell;
    }
};

// The world point a cell stands for: the columns run along x, the rows along z, each cell
// 40 / 256 world units wide, cell 0 at -20.
inline constexpr float placementCellSize = 0.15625f;
inline float placementCellX(int column) {
    return column * placementCellSize - 20;
}
inline float placementCellZ(int row) {
    return row * placementCellSize - 20;
}

// Reads a BMP of any of the format's pixel layouts: 1, 4 and 8 bits with a palette (also
// run-length encoded at 4 and 8 bits), 16 bits as 5-5-5 or with bit-field masks (5-6-5),
// 24 bits, 32 bits with or without masks; bottom-up or top-down. A picture larger than
// 256 × 256 contributes its top-left corner. Colour components narrower than 8 bits are
// scaled so their full value reads as 255. Palette indexes past the palette read as red 0,
// and pixels a run-length picture skips take palette entry 0. A file that is not a BMP,
// is cut short or uses a layout outside these (JPEG or PNG inside, OS/2 Huffman) is
// refused with a DataError naming the file and the problem.
PlacementMap readPlacementMap(std::string_view bytes, const std::string& fileName);

// "STA\kontrola" + the scene number as two digits + ".bmp".
std::string placementMapName(int sceneNumber);
