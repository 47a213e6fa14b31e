#include "game/placement_map.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "assets/data_error.h"

namespace {

// Compression codes of the BMP info header.
enum Compression : uint32_t {
    plainPixels = 0,
    runLength8 = 1,
    runLength4 = 2,
    bitFields = 3,
    alphaBitFields = 6,
};

constexpr size_t fileHeaderSize = 14;
constexpr size_t coreHeaderSize = 12;  // the oldest header: 16-bit sizes, 3-byte palette
constexpr int64_t largestSide = 1 << 20;

// What the pixel data needs to be decoded, taken from the headers.
struct BmpLayout {
    int64_t width = 0;
    int64_t height = 0;  // always positive; topDown says which way the rows run
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = plainPixels;
    uint32_t redMask = 0;             // for 16 and 32 bits
    std::vector<uint8_t> paletteRed;  // for 1 to 8 bits
    size_t pixelOffset = 0;
};

class BmpReader {
  public:
    BmpReader(std::string_view bytes, const std::string& fileName)
        : bytes_(bytes), fileName_(fileName) {}

    PlacementMap read() {
        BmpLayout layout = readLayout();
        PlacementMap map;
        if (layout.compression == runLength8 || layout.compression == runLength4)
            decodeRunLength(layout, map);
        else
            decodePlain(layout, map);
        return map;
    }

  private:
    [[noreturn]] void fail(const std::string& problem) const {
        throw DataError(problem, fileName_);
    }

    uint8_t byte(size_t at) const { return static_cast<uint8_t>(bytes_[at]); }
    uint32_t le16(size_t at) const { return byte(at) | uint32_t(byte(at + 1)) << 8; }
    uint32_t le32(size_t at) const { return le16(at) | le16(at + 2) << 16; }

    BmpLayout readLayout() const;
    void readPalette(BmpLayout& layout, size_t start, size_t entrySize, uint32_t used) const;
    void decodePlain(const BmpLayout& layout, PlacementMap& map) const;
    void decodeRunLength(const BmpLayout& layout, PlacementMap& map) const;

    std::string_view bytes_;
    const std::string& fileName_;
};

BmpLayout BmpReader::readLayout() const {
    if (bytes_.size() < fileHeaderSize + 4 || bytes_[0] != 'B' || bytes_[1] != 'M')
        fail("not a BMP picture");
    BmpLayout layout;
    layout.pixelOffset = le32(10);
    const size_t headerSize = le32(14);
    const bool knownSize = headerSize == coreHeaderSize || headerSize == 40 || headerSize == 52 ||
                           headerSize == 56 || headerSize == 64 || headerSize == 108 ||
                           headerSize == 124;
    if (!knownSize) fail("unsupported BMP header of " + std::to_string(headerSize) + " bytes");
    if (bytes_.size() < fileHeaderSize + headerSize) fail("the BMP header is cut short");

    int64_t height = 0;
    uint32_t colorsUsed = 0;
    size_t paletteEntrySize = 4;
    size_t afterHeader = fileHeaderSize + headerSize;
    if (headerSize == coreHeaderSize) {
        layout.width = le16(18);
        height = le16(20);
        layout.bitsPerPixel = static_cast<int>(le16(24));
        paletteEntrySize = 3;
        if (layout.bitsPerPixel != 1 && layout.bitsPerPixel != 4 && layout.bitsPerPixel != 8 &&
            layout.bitsPerPixel != 24)
            fail("unsupported BMP pixel size of " + std::to_string(layout.bitsPerPixel) + " bits");
    } else {
        layout.width = static_cast<int32_t>(le32(18));
        height = static_cast<int32_t>(le32(22));
        layout.bitsPerPixel = static_cast<int>(le16(28));
        layout.compression = le32(30);
        colorsUsed = le32(46);
        if (layout.compression == bitFields || layout.compression == alphaBitFields) {
            // The masks follow a 40-byte header and are part of the longer ones.
            size_t masksAt = fileHeaderSize + 40;
            if (headerSize == 40) afterHeader += layout.compression == bitFields ? 12 : 16;
            if (bytes_.size() < masksAt + 12) fail("the BMP colour masks are cut short");
            layout.redMask = le32(masksAt);
        }
    }

    const int bits = layout.bitsPerPixel;
    const uint32_t compression = layout.compression;
    // OS/2's 64-byte header gives codes 3 and 4 other meanings (Huffman, 24-bit runs).
    const bool masks = (compression == bitFields || compression == alphaBitFields) &&
                       headerSize != 64 && (bits == 16 || bits == 32);
    const bool supported =
        (compression == plainPixels &&
         (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
        (compression == runLength8 && bits == 8) || (compression == runLength4 && bits == 4) ||
        masks;
    if (!supported)
        fail("unsupported BMP layout: " + std::to_string(bits) + " bits with compression " +
             std::to_string(compression));
    if (compression == plainPixels && bits == 16) layout.redMask = 0x7C00;
    if (compression == plainPixels && bits == 32) layout.redMask = 0x00FF0000;

    if (layout.width <= 0 || height == 0) fail("the BMP picture is empty");
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    if (layout.width > largestSide || layout.height > largestSide)
        fail("the BMP picture is too large");

    if (bits <= 8) readPalette(layout, afterHeader, paletteEntrySize, colorsUsed);
    return layout;
}

void BmpReader::readPalette(BmpLayout& layout, size_t start, size_t entrySize,
                            uint32_t used) const {
    const uint32_t room = 1u << layout.bitsPerPixel;
    const uint32_t entries = used == 0 ? room : std::min(used, room);
    if (start + size_t{entries} * entrySize > bytes_.size()) fail("the BMP palette is cut short");
    for (uint32_t k = 0; k < entries; ++k)
        layout.paletteRed.push_back(byte(start + k * entrySize + 2));
}

// The red component of a masked pixel, scaled to 0-255.
uint8_t maskedRed(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const uint64_t top = mask >> shift;
    const uint64_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>((value * 255 + top / 2) / top);
}

uint8_t paletteRed(const BmpLayout& layout, uint32_t index) {
    return index < layout.paletteRed.size() ? layout.paletteRed[index] : 0;
}

// Puts the red of stored pixel (x, storedRow) into its cell, if the map covers it.
void setCell(const BmpLayout& layout, PlacementMap& map, int64_t x, int64_t storedRow,
             uint8_t red) {
    const int64_t row = layout.topDown ? storedRow : layout.height - 1 - storedRow;
    if (x < 0 || x >= PlacementMap::side || row < 0 || row >= PlacementMap::side) return;
    map.cells[static_cast<size_t>(x)][static_cast<size_t>(row)] = static_cast<int8_t>(red);
}

void BmpReader::decodePlain(const BmpLayout& layout, PlacementMap& map) const {
    const int bits = layout.bitsPerPixel;
    const uint64_t rowBytes = (static_cast<uint64_t>(layout.width) * bits + 7) / 8;
    const uint64_t stride = (static_cast<uint64_t>(layout.width) * bits + 31) / 32 * 4;
    // The last row's padding may be missing.
    const uint64_t needed =
        layout.pixelOffset + stride * static_cast<uint64_t>(layout.height - 1) + rowBytes;
    if (needed > bytes_.size()) fail("the BMP pixel data is cut short");

    const int64_t rows = std::min<int64_t>(layout.height, PlacementMap::side);
    const int64_t columns = std::min<int64_t>(layout.width, PlacementMap::side);
    for (int64_t j = 0; j < rows; ++j) {
        const int64_t storedRow = layout.topDown ? j : layout.height - 1 - j;
        const size_t row = layout.pixelOffset + static_cast<size_t>(stride * storedRow);
        for (int64_t i = 0; i < columns; ++i) {
            const size_t x = static_cast<size_t>(i);
            uint8_t red = 0;
            switch (bits) {
                case 1:
                    red = paletteRed(layout, byte(row + x / 8) >> (7 - x % 8) & 1);
                    break;
                case 4:
                    red = paletteRed(layout, byte(row + x / 2) >> (x % 2 ? 0 : 4) & 15);
                    break;
                case 8:
                    red = paletteRed(layout, byte(row + x));
                    break;
                case 16:
                    red = maskedRed(le16(row + 2 * x), layout.redMask);
                    break;
                case 24:
                    red = byte(row + 3 * x + 2);
                    break;
                default:
                    red = maskedRed(le32(row + 4 * x), layout.redMask);
                    break;
            }
            setCell(layout, map, i, storedRow, red);
        }
    }
}

void BmpReader::decodeRunLength(const BmpLayout& layout, PlacementMap& map) const {
    if (layout.pixelOffset > bytes_.size()) fail("the BMP pixel data is cut short");
    // Pixels the runs skip keep palette entry 0.
    const uint8_t background = paletteRed(layout, 0);
    const int64_t rows = std::min<int64_t>(layout.height, PlacementMap::side);
    const int64_t columns = std::min<int64_t>(layout.width, PlacementMap::side);
    for (int64_t j = 0; j < rows; ++j)
        for (int64_t i = 0; i < columns; ++i)
            setCell(layout, map, i, layout.topDown ? j : layout.height - 1 - j, background);

    const bool fourBits = layout.compression == runLength4;
    auto put = [&](int64_t x, int64_t y, uint32_t index) {
        if (x < layout.width) setCell(layout, map, x, y, paletteRed(layout, index));
    };
    size_t at = layout.pixelOffset;
    int64_t x = 0;
    int64_t y = 0;
    // Data that ends without the end-of-picture mark ends the picture there.
    while (y < layout.height && at + 2 <= bytes_.size()) {
        const uint32_t count = byte(at);
        const uint32_t value = byte(at + 1);
        at += 2;
        if (count > 0) {  // a run of one index, or of two alternating nibbles
            for (uint32_t k = 0; k < count; ++k)
                put(x + k, y, fourBits ? (k % 2 ? value & 15 : value >> 4) : value);
            x += count;
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // move right and up
            if (at + 2 > bytes_.size()) fail("the BMP run-length data is cut short");
            x += byte(at);
            y += byte(at + 1);
            at += 2;
        } else {  // `value` literal indexes, padded to an even number of bytes
            const size_t size = fourBits ? (value + 1) / 2 : value;
            if (at + size > bytes_.size()) fail("the BMP run-length data is cut short");
            for (uint32_t k = 0; k < value; ++k) {
                const uint8_t b = byte(at + (fourBits ? k / 2 : k));
                put(x + k, y, fourBits ? (k % 2 ? b & 15 : b >> 4) : b);
            }
            x += value;
            at += size + size % 2;
        }
    }
}

}  // namespace

PlacementMap readPlacementMap(std::string_view bytes, const std::string& fileName) {
    return BmpReader(bytes, fileName).read();
}

std::string placementMapName(int sceneNumber) {
    std::string number = std::to_string(sceneNumber);
    if (number.size() < 2) number.insert(0, "0");
    return "STA\\kontrola" + number + ".bmp";
}
