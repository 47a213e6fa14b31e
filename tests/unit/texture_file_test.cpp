#include "assets/texture_file.h"

#include <gtest/gtest.h>

#include <string>

#include "assets/anisotropy.h"

namespace {

std::string textureBytes(char format, char sizeCode, size_t pixelBytes) {
    std::string bytes(textureHeaderSize, '#');
    bytes[0] = format;
    bytes[2] = sizeCode;
    for (size_t k = 0; k < pixelBytes; ++k) bytes.push_back(static_cast<char>(k * 7 + 1));
    return bytes;
}

TEST(TextureFile, FormatLetterAndSizeCodeGiveChannelsAndSide) {
    struct Case {
        char format;
        char sizeCode;
        bool rgba;
        int side;
    };
    const Case cases[] = {
        {'A', '2', true, 64},     {'a', '1', true, 32},  {'k', '3', true, 128},
        {'K', '4', true, 256},    {'x', '2', false, 64}, {'R', '5', false, 512},
        {'\0', '6', false, 1024}, {'b', '1', false, 32}, {'A', '0', true, 0},
        {'x', '7', false, 0},     {'A', 'A', true, 0},   {'x', ' ', false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.format) << " " << c.sizeCode);
        size_t size = static_cast<size_t>(c.side * c.side * (c.rgba ? 4 : 3));
        auto texture = parseTextureFile(textureBytes(c.format, c.sizeCode, size + 5));
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->rgba, c.rgba);
        EXPECT_EQ(texture->side, c.side);
        ASSERT_EQ(texture->pixels.size(), size);  // bytes after the image are ignored
        EXPECT_TRUE(texture->complete());
        if (size > 0) {
            EXPECT_EQ(texture->pixels.front(), 1);
            EXPECT_EQ(texture->pixels.back(), static_cast<unsigned char>((size - 1) * 7 + 1));
        }
    }
}

TEST(TextureFile, ShortFilesAreSkippedOrFilledWithZero) {
    EXPECT_FALSE(parseTextureFile(""));
    EXPECT_FALSE(parseTextureFile(std::string(textureHeaderSize - 1, '1')));

    auto headerOnly = parseTextureFile(textureBytes('x', '1', 0));
    ASSERT_TRUE(headerOnly);
    EXPECT_EQ(headerOnly->pixels, std::vector<unsigned char>(32 * 32 * 3, 0));
    EXPECT_EQ(headerOnly->storedPixelBytes, 0u);

    auto cut = parseTextureFile(textureBytes('A', '1', 10));
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut->complete());
    EXPECT_EQ(cut->storedPixelBytes, 10u);
    EXPECT_EQ(cut->pixels[9], 9 * 7 + 1);
    EXPECT_EQ(cut->pixels[10], 0);
    EXPECT_EQ(cut->pixels.size(), 32u * 32 * 4);
}

TEST(TextureAnisotropy, OnlyHardwareWithTheExtensionAsksForIt) {
    const char* withExtension = "GL_ARB_multitexture GL_EXT_texture_filter_anisotropic GL_EXT_bgra";
    struct Case {
        const char* renderer;
        const char* extensions;
        bool wanted;
    };
    const Case cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", withExtension, false},
        {"Gallium 0.4 on softpipe", withExtension, false},
        {"Mesa DRI Intel(R) HD Graphics 620", withExtension, true},
        {"AMD Radeon RX 580", "GL_ARB_texture_filter_anisotropic", true},
        {"NVIDIA GeForce GTX 1060", "GL_ARB_multitexture", false},
        {"NVIDIA GeForce GTX 1060", "GL_EXT_texture_filter_anisotropic_x", false},
        {"NVIDIA GeForce GTX 1060", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.renderer);
        EXPECT_EQ(anisotropyWanted(c.renderer, c.extensions), c.wanted);
    }
}

}  // namespace
