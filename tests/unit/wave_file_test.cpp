#include "__SNG/wave_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/data_paths.h"
#include "unit/wave_fixtures.h"

namespace {

using namespace wave_fixtures;

const std::string fourBytes = "\x01\x02\x03\x04";

TEST(WaveFile, HeadersAreReadAsTheyAreAndRefusedWhenBroken) {
    struct Case {
        const char* what;
        std::string bytes;
        bool opens;
        uint32_t size = 0;        // of the sound data
        uint16_t tag = 1;
        uint16_t extraSize = 0;
        std::string problem = {};  // part of the words for a refused file
    };
    const std::string adpcm = format16(2, 1, 22050, 4);
    const Case cases[] = {
        {"plain PCM", pcmWave(fourBytes), true, 4},
        {"PCM whose fmt chunk is 18 bytes: no extra bytes",
         riff(chunk("fmt ", format16(1, 1, 22050, 16) + le16(22)) + chunk("data", fourBytes)),
         true, 4},
        {"PCM whose fmt chunk is 40 bytes",
         riff(chunk("fmt ", format16(1, 2, 44100, 16) + std::string(24, 'x')) +
              chunk("data", fourBytes)),
         true, 4},
        {"another format keeps its extra bytes",
         riff(chunk("fmt ", adpcm + le16(4) + "abcd") + chunk("data", fourBytes)), true, 4, 2, 4},
        {"another format whose extra bytes run past its chunk",
         riff(chunk("fmt ", adpcm + le16(6) + "abcd") + chunk("data", fourBytes)), false, 0, 1,
         0, "cut short"},
        {"another format without its extra size",
         riff(chunk("fmt ", adpcm) + chunk("data", fourBytes)), false, 0, 1, 0, "cut short"},
        {"a fmt chunk of 14 bytes",
         riff(chunk("fmt ", format16(1, 1, 22050, 16).substr(0, 14)) + chunk("data", fourBytes)),
         false, 0, 1, 0, "cut short"},
        {"RIFF of another form", riff(pcmFormat() + chunk("data", fourBytes), "AVI "), false, 0,
         1, 0, "form \"AVI \""},
        {"not RIFF", "RIFX" + pcmWave(fourBytes).substr(4), false, 0, 1, 0, "not a RIFF"},
        {"shorter than a RIFF header", "RIFF\x04\0\0\0WA", false, 0, 1, 0, "too short"},
        {"empty", "", false, 0, 1, 0, "too short"},
        {"no fmt chunk", riff(chunk("data", fourBytes)), false, 0, 1, 0, "no \"fmt \""},
        {"no data chunk", riff(pcmFormat()), false, 0, 1, 0, "no \"data\""},
        {"a data chunk that says more than the file holds",
         riff(pcmFormat() + chunk("data", fourBytes, 1000)), false, 0, 1, 0,
         "says 1000 bytes, but the file holds 4"},
        {"a file cut in the middle of its data", pcmWave(std::string(100, 'a')).substr(0, 80),
         false, 0, 1, 0, "says 100 bytes"},
        {"an odd chunk before fmt, padded",
         riff(chunk("LIST", "abcde") + pcmFormat() + chunk("data", fourBytes)), true, 4},
        {"data before fmt", riff(chunk("data", fourBytes) + pcmFormat()), true, 4},
        {"a RIFF size past the end of the file",
         riff(pcmFormat() + chunk("data", fourBytes), "WAVE", 0xFFFFFFFF), true, 4},
        {"a RIFF size that ends before the data chunk",
         riff(pcmFormat() + chunk("data", fourBytes), "WAVE", 4 + 24), false, 0, 1, 0,
         "no \"data\""},
        {"a chunk of 4 GB before fmt",
         riff(chunk("junk", "abcd", 0xFFFFFFFF) + pcmFormat() + chunk("data", fourBytes)), false,
         0, 1, 0, "no \"fmt \""},
        {"an empty data chunk", pcmWave(""), true, 0},
        {"odd data at the end without its pad byte",
         riff(pcmFormat(1, 22050, 8) + chunk("data", "abc")).substr(0, 12 + 24 + 8 + 3), true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CWaveFile wave;
        const HRESULT hr = wave.OpenBytes(c.bytes);
        EXPECT_EQ(SUCCEEDED(hr), c.opens) << wave.problem();
        EXPECT_EQ(wave.GetSize(), c.size);
        if (c.opens) {
            ASSERT_TRUE(wave.GetFormat());
            EXPECT_EQ(wave.GetFormat()->formatTag, c.tag);
            EXPECT_EQ(wave.GetFormat()->extraSize, c.extraSize);
            EXPECT_EQ(wave.GetFormat()->extra.size(), c.extraSize);
            EXPECT_EQ(wave.problem(), "");
        } else {
            EXPECT_EQ(hr, E_FAIL);
            EXPECT_NE(wave.problem().find(c.problem), std::string::npos) << wave.problem();
        }
    }
}

std::vector<std::string> tracedCalls;

TEST(WaveFile, FailuresGoToTheTraceHookWithTheCallThatFailed) {
    setTraceHook([](const char*, int, HRESULT hr, const char* call, bool) {
        tracedCalls.push_back(std::string(call) + " " + std::to_string(hr));
    });
    CWaveFile wave;
    wave.OpenBytes(riff(pcmFormat(), "AVI "));
    wave.OpenBytes(riff(pcmFormat()));
    setTraceHook(nullptr);
    wave.OpenBytes("");
    const std::string fail = " " + std::to_string(E_FAIL);
    EXPECT_EQ(tracedCalls, (std::vector<std::string>{"mmioFOURCC" + fail, "ReadMMIO" + fail,
                                                     "mmioDescend" + fail, "ResetFile" + fail}));
}

TEST(WaveFile, TheFormatFieldsAreTheFilesAndExtraBytesFollowThem) {
    CWaveFile wave;
    ASSERT_EQ(wave.OpenBytes(riff(chunk("fmt ", format16(0x55, 2, 44100, 0) + le16(3) + "xyz") +
                                  chunk("data", fourBytes))),
              S_OK);
    const WaveFormat& f = *wave.GetFormat();
    EXPECT_EQ(f.formatTag, 0x55);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.samplesPerSec, 44100u);
    EXPECT_EQ(f.bitsPerSample, 0);
    EXPECT_EQ(std::string(f.extra.begin(), f.extra.end()), "xyz");
}

TEST(WaveFile, ReadsHandOutTheDataOnceUntilRewound) {
    CWaveFile wave;
    uint8_t buffer[8] = {};
    uint32_t read = 99;
    EXPECT_EQ(wave.Read(buffer, 4, &read), CO_E_NOTINITIALIZED);
    EXPECT_EQ(wave.ResetFile(), CO_E_NOTINITIALIZED);

    ASSERT_EQ(wave.OpenBytes(riff(pcmFormat() + chunk("data", "abcdef") + chunk("tail", "zz"))),
              S_OK);
    EXPECT_EQ(wave.Read(nullptr, 4, &read), E_INVALIDARG);
    EXPECT_EQ(wave.Read(buffer, 4, nullptr), E_INVALIDARG);
    ASSERT_EQ(wave.Read(buffer, 4, &read), S_OK);
    EXPECT_EQ(read, 4u);
    ASSERT_EQ(wave.Read(buffer + 4, 4, &read), S_OK);
    EXPECT_EQ(read, 2u);  // the data chunk ends; the chunk after it is not sound
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 6), "abcdef");
    ASSERT_EQ(wave.Read(buffer, 4, &read), S_OK);
    EXPECT_EQ(read, 0u);
    ASSERT_EQ(wave.ResetFile(), S_OK);
    ASSERT_EQ(wave.Read(buffer, 8, &read), S_OK);
    EXPECT_EQ(read, 6u);
}

TEST(WaveFile, FillingPadsWithTheFormatsSilenceOrRepeats) {
    struct Case {
        const char* what;
        uint16_t bits;
        std::string data;
        bool repeat;
        std::string filled;
    };
    const Case cases[] = {
        {"8-bit, padded with 128", 8, "ab", false, std::string("ab") + "\x80\x80\x80"},
        {"16-bit, padded with 0", 16, "ab", false, std::string("ab\0\0\0", 5)},
        {"repeated", 16, "ab", true, "ababa"},
        {"exactly the size", 16, "abcde", true, "abcde"},
        {"longer than the area", 16, "abcdefg", false, "abcde"},
        {"no sound: all silence", 8, "", true, "\x80\x80\x80\x80\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CWaveFile wave;
        ASSERT_TRUE(SUCCEEDED(wave.OpenBytes(pcmWave(c.data, 1, c.bits))));
        uint8_t area[5];
        uint32_t read = 0;
        wave.Read(area, 1, &read);  // filling starts from the start, wherever reading was
        ASSERT_EQ(fillWithSound(wave, area, 5, c.repeat), S_OK);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(area), 5), c.filled);
    }
}

TEST(WaveFile, PlayableFormats) {
    struct Case {
        uint16_t tag, channels;
        uint32_t rate;
        uint16_t bits, block;
        bool playable;
    };
    const Case cases[] = {
        {1, 1, 22050, 16, 2, true},  {1, 2, 44100, 8, 2, true},   {1, 2, 100, 16, 4, true},
        {1, 1, 200000, 8, 1, true},  {3, 1, 22050, 32, 4, false}, {2, 1, 22050, 4, 256, false},
        {1, 3, 22050, 16, 6, false}, {1, 0, 22050, 16, 0, false}, {1, 1, 22050, 24, 3, false},
        {1, 1, 99, 16, 2, false},    {1, 1, 200001, 16, 2, false}, {1, 2, 22050, 16, 2, false},
    };
    for (const Case& c : cases) {
        WaveFormat format;
        format.formatTag = c.tag;
        format.channels = c.channels;
        format.samplesPerSec = c.rate;
        format.bitsPerSample = c.bits;
        format.blockAlign = c.block;
        EXPECT_EQ(!unplayableFormat(format), c.playable)
            << c.tag << " " << c.channels << " " << c.rate << " " << c.bits << " " << c.block;
    }
}

TEST(WaveFile, DataFilesAreFoundInTheTreeWhateverTheirCase) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("oxa-wave-" + std::to_string(::getpid()));
    fs::create_directories(root / "mov");
    std::ofstream(root / "mov" / "Klik.WAV", std::ios::binary) << pcmWave(fourBytes);
    std::ofstream(root / "mov" / "empty.wav", std::ios::binary) << pcmWave("");
    std::ofstream(root / "mov" / "float.wav", std::ios::binary)
        << riff(chunk("fmt ", format16(3, 1, 22050, 32) + le16(0)) + chunk("data", fourBytes));
    dataTree().setRoot(root);

    CWaveFile wave;
    EXPECT_EQ(wave.Open(nullptr, nullptr, WAVEFILE_READ), E_INVALIDARG);
    EXPECT_EQ(wave.Open("MOV\\klik.wav", nullptr, WAVEFILE_READ), S_OK);
    EXPECT_EQ(wave.GetSize(), 4u);
    EXPECT_EQ(wave.fileName(), "MOV\\klik.wav");
    EXPECT_EQ(wave.Open("MOV\\missing.wav", nullptr, WAVEFILE_READ), E_FAIL);
    EXPECT_EQ(wave.GetSize(), 0u);  // nothing of the file before stays

    EXPECT_EQ(waveProblem("MOV\\klik.wav"), std::nullopt);
    EXPECT_EQ(waveProblem("MOV\\missing.wav"), "no such file");
    EXPECT_NE(waveProblem("MOV\\empty.wav").value_or("").find("empty"), std::string::npos);
    EXPECT_NE(waveProblem("MOV\\float.wav").value_or("").find("format tag 3"), std::string::npos);
    fs::remove_all(root);
}

}  // namespace
