// What loadTextureFile leaves in GL: the image and its mipmap chain, the filters of each
// mode, and nothing at all for files it skips.

#include "assets/texture_loader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/data_paths.h"

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif

namespace {

namespace fs = std::filesystem;

std::string textureBytes(char format, char sizeCode, size_t pixelBytes) {
    std::string bytes(16, '\0');
    bytes[0] = format;
    bytes[2] = sizeCode;
    for (size_t k = 0; k < pixelBytes; ++k) bytes.push_back(static_cast<char>(k * 13 + 5));
    return bytes;
}

GLint levelParameter(int level, GLenum name) {
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint boundTexture() {
    GLint name = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

class TextureLoader : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/oxa-textures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "MOD/BMP_0");
    }
    void TearDown() override {
        fs::remove_all(root_);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(root_ / "MOD/BMP_0" / name, std::ios::binary) << bytes;
        dataTree().setRoot(root_);
    }

    fs::path root_;
};

TEST_F(TextureLoader, UploadsEachFormatWithAFullMipmapChainInFileOrder) {
    struct Case {
        char format;
        char sizeCode;
        int side;
        int alphaBits;
    };
    const Case cases[] = {{'A', '2', 64, 8},
                          {'k', '1', 32, 8},
                          {'x', '2', 64, 0},
                          {'R', '1', 32, 0},
                          {'\0', '3', 128, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.format) << " " << c.sizeCode);
        size_t channels = c.alphaBits ? 4 : 3;
        size_t size = static_cast<size_t>(c.side * c.side) * channels;
        std::string bytes = textureBytes(c.format, c.sizeCode, size);
        write("motyl.srm", bytes);
        glh::tex_object_2D record;
        loadTextureFile("MOD\\BMP_0\\MOTYL.srm", record, 1);
        ASSERT_TRUE(record.created);
        EXPECT_EQ(boundTexture(), static_cast<GLint>(record.textureName));
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), c.side);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), c.side);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), c.alphaBits);
        int last = 0;
        while ((1 << last) < c.side) ++last;
        EXPECT_EQ(levelParameter(last, GL_TEXTURE_WIDTH), 1);

        std::vector<unsigned char> pixels(size);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, c.alphaBits ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                      pixels.data());
        EXPECT_EQ(std::memcmp(pixels.data(), bytes.data() + 16, size), 0);
    }
}

// Every level as GL hands it back, read as RGBA (an RGB texture's alpha reads 255).
std::vector<std::vector<unsigned char>> levelsOfBoundTexture(int side) {
    std::vector<std::vector<unsigned char>> levels;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int level = 0; side >= 1; ++level, side /= 2) {
        levels.emplace_back(static_cast<size_t>(side * side) * 4);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, levels.back().data());
    }
    return levels;
}

TEST_F(TextureLoader, TheMipmapChainIsGlusToTheByteWithOrWithoutAnAddedAlpha) {
    struct Case {
        char format;
        char sizeCode;
        TextureAlpha alpha;
        TextureKind kind;
        int alphaBits;
    };
    const Case cases[] = {{'x', '1', TextureAlpha::AsFile, TextureKind::Opaque, 0},
                          {'A', '1', TextureAlpha::AsFile, TextureKind::WithAlpha, 8},
                          {'x', '6', TextureAlpha::AsFile, TextureKind::Opaque, 0},
                          {'K', '6', TextureAlpha::AsFile, TextureKind::WithAlpha, 8},
                          {'x', '3', TextureAlpha::Always, TextureKind::Opaque, 8},
                          {'a', '3', TextureAlpha::Always, TextureKind::WithAlpha, 8}};
    uint32_t seed = 12345;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.sizeCode);
        const int side = 32 << (c.sizeCode - '1');
        const int channels = c.kind == TextureKind::WithAlpha ? 4 : 3;
        // Noise, so that every rounding of the 2 x 2 means is met.
        std::string bytes(16, '\0');
        bytes[0] = c.format;
        bytes[2] = c.sizeCode;
        for (int k = 0; k < side * side * channels; ++k) {
            seed = seed * 1103515245u + 12345u;
            bytes.push_back(static_cast<char>(seed >> 23));
        }
        write("szum.srm", bytes);
        glh::tex_object_2D loaded;
        EXPECT_EQ(loadTextureFile("MOD\\BMP_0\\szum.srm", loaded, 1, c.alpha), c.kind);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), c.alphaBits);
        auto ours = levelsOfBoundTexture(side);

        glh::tex_object_2D reference;
        reference.bind();
        gluBuild2DMipmaps(GL_TEXTURE_2D, channels, side, side, channels == 4 ? GL_RGBA : GL_RGB,
                          GL_UNSIGNED_BYTE, bytes.data() + 16);
        auto glus = levelsOfBoundTexture(side);
        ASSERT_EQ(ours.size(), glus.size());
        for (size_t level = 0; level < ours.size(); ++level)
            EXPECT_EQ(ours[level], glus[level]) << "level " << level;
    }
}

TEST_F(TextureLoader, FilterModesSetTheMinificationFilterOnly) {
    write("kwiat1.srm", textureBytes('x', '1', 32 * 32 * 3));
    bool hasAnisotropy = std::strstr(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)),
                                     "GL_EXT_texture_filter_anisotropic") != nullptr;
    struct Case {
        int mode;
        GLint minFilter;
    };
    // Mode 4 and -1 set nothing: OpenGL's default stays.
    const Case cases[] = {{0, GL_NEAREST_MIPMAP_NEAREST}, {1, GL_NEAREST_MIPMAP_LINEAR},
                          {2, GL_LINEAR_MIPMAP_NEAREST},  {3, GL_LINEAR_MIPMAP_LINEAR},
                          {4, GL_NEAREST_MIPMAP_LINEAR},  {-1, GL_NEAREST_MIPMAP_LINEAR}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        glh::tex_object_2D record;
        loadTextureFile("MOD\\BMP_0\\kwiat1.srm", record, c.mode);
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
        EXPECT_EQ(value, c.minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
        EXPECT_EQ(value, GL_LINEAR);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
        EXPECT_EQ(value, GL_REPEAT);
        if (hasAnisotropy) {
            // Mesa's software renderers are never asked for it: it costs them dearly.
            GLfloat anisotropy = 0;
            glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
            EXPECT_EQ(anisotropy, 1.0f);
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(TextureLoader, SizeCodesWithoutAnImageLeaveTheRecordBoundWithItsFilters) {
    for (char sizeCode : {'0', '7'}) {
        SCOPED_TRACE(sizeCode);
        write("pusty.srm", textureBytes('A', sizeCode, 4096));
        glh::tex_object_2D record;
        loadTextureFile("MOD\\BMP_0\\pusty.srm", record, 0);
        ASSERT_TRUE(record.created);
        EXPECT_EQ(boundTexture(), static_cast<GLint>(record.textureName));
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 0);
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
        EXPECT_EQ(value, GL_NEAREST_MIPMAP_NEAREST);
    }
}

TEST_F(TextureLoader, MissingAndHeaderlessFilesAreSkippedAndShortPixelsAreBlack) {
    write("good.srm", textureBytes('x', '1', 32 * 32 * 3));
    write("stub.srm", std::string(15, '1'));
    write("short.srm", textureBytes('x', '1', 30));
    // Names that are no regular file: skipped like a missing one, without waiting or reading.
    fs::create_directories(root_ / "MOD/BMP_0/folder.srm");
    ASSERT_EQ(mkfifo((root_ / "MOD/BMP_0/fifo.srm").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", root_ / "MOD/BMP_0/zero.srm");
    dataTree().setRoot(root_);

    glh::tex_object_2D fresh;
    for (const char* name : {"missing.srm", "stub.srm", "folder.srm", "fifo.srm", "zero.srm"})
        loadTextureFile(std::string("MOD\\BMP_0\\") + name, fresh, 1);
    EXPECT_FALSE(fresh.created);

    // A record that had an image keeps it.
    glh::tex_object_2D loaded;
    loadTextureFile("MOD\\BMP_0\\good.srm", loaded, 1);
    GLuint name = loaded.textureName;
    glBindTexture(GL_TEXTURE_2D, 0);
    loadTextureFile("MOD\\BMP_0\\stub.srm", loaded, 3);
    EXPECT_EQ(loaded.textureName, name);
    loaded.bind();
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 32);

    glh::tex_object_2D cut;
    loadTextureFile("MOD\\BMP_0\\short.srm", cut, 1);
    std::vector<unsigned char> pixels(32 * 32 * 3, 0xff);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ(pixels[29], static_cast<unsigned char>(29 * 13 + 5));
    EXPECT_EQ(pixels[30], 0);
    EXPECT_EQ(pixels.back(), 0);
}

TEST_F(TextureLoader, DeletingTwiceIsHarmlessAndABindAfterwardsMakesANewTexture) {
    glh::tex_object_2D record;
    record.bind();
    GLuint first = record.textureName;
    EXPECT_TRUE(glIsTexture(first));
    record.deleteTexture();
    record.deleteTexture();
    EXPECT_FALSE(record.created);
    EXPECT_FALSE(glIsTexture(first));
    record.bind();
    EXPECT_TRUE(record.created);
    EXPECT_TRUE(glIsTexture(record.textureName));
}

}  // namespace
