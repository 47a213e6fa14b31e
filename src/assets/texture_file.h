#pragma once
// Texture files (".srm"): a 16-byte header, then square rows of 8-bit RGB or RGBA pixels
// in file order (the first row is t = 0), no padding, palette or compression.
//
//   byte 0  format letter: 'a' 'A' 'k' 'K' mean RGBA, any other byte RGB
//   byte 2  size code: '1'..'6' for sides 32..1024; any other byte means no image

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

class DataFile;

constexpr size_t textureHeaderSize = 16;

struct TextureFile {
    char formatLetter = 0;
    char sizeCode = 0;
    bool rgba = false;
    int side = 0;  // 0 when the size code names no image
    // side x side pixels; what the file does not hold is zero.
    std::vector<unsigned char> pixels;
    size_t storedPixelBytes = 0;  // how many of the pixel bytes came from the file

    int bytesPerPixel() const { return rgba ? 4 : 3; }
    bool complete() const { return storedPixelBytes == pixels.size(); }
};

// The side a size code names, 0 for none.
int textureSide(char sizeCode);

// nullopt when the file is too short to hold its header: such a file is skipped like a
// missing one.
std::optional<TextureFile> parseTextureFile(std::string_view bytes);

// The same from an open file: the header, then exactly the image's pixels read into the
// image's own buffer, so no file, however large, costs more than its image (at most
// 1024 x 1024 x 4 bytes). nullopt also when the file cannot be read. The pixels go into
// `memory` when one is given (its capacity is kept, so a caller that lends the same buffer
// every time pays for fresh pages once); a file too short for its header leaves it as it
// was.
std::optional<TextureFile> readTextureFile(DataFile& file,
                                           std::vector<unsigned char>&& memory = {});

// The image as RGBA rows, in the image's own buffer: an RGB image's pixels gain an alpha of
// 255, which reads as the 1 an RGB texture reads, so either uploads as the same picture.
std::vector<unsigned char> rgbaPixels(TextureFile&& texture);

// The next level of a square RGBA image's mipmap chain: `above` is side x side pixels (side
// at least 2), `below` (apart from it) receives (side / 2) x (side / 2). Each byte is the
// mean of the 2 x 2 bytes it covers, rounded half up ((a + b + c + d + 2) / 4): the bytes
// gluBuild2DMipmaps makes, at a fraction of its cost.
void halveSquareRgba(const unsigned char* above, int side, unsigned char* below);
