// The display-mode file and the command line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/display_record.h"
#include "core/options.h"
#include "platform/data_paths.h"

namespace {

namespace fs = std::filesystem;

class ScreenModeFile : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("oxa-mode-" + std::to_string(::getpid()));
        fs::create_directories(dir / "STA");
    }
    void TearDown() override { fs::remove_all(dir); }
    DisplayRecord read(const std::string& text) {
        std::ofstream(dir / "STA" / "STA_SCR.MTT", std::ios::binary) << text;
        dataTree().setRoot(dir);
        DisplayRecord record;
        record.width = 1024;
        record.height = 768;
        record.bitsPerPixel = 32;
        record.readScreenModeFile();
        return record;
    }
    fs::path dir;
};

TEST_F(ScreenModeFile, OnlyAFirstLineOfOneSwitchesTheMode) {
    struct Case {
        const char* text;
        int width, height, bits;
    };
    const Case cases[] = {
        {"1\r\n800\r\n600\r\n16\r\n", 800, 600, 16},
        {"1.9\n640\n480\n32\n", 640, 480, 32},    // 1.9 truncates to 1
        {"1,0\n640,7\n480\n32\n", 640, 480, 32},  // the decimal comma
        {"0\n800\n600\n16\n", 1024, 768, 32},
        {"2\n800\n600\n16\n", 1024, 768, 32},
        {"1\n800\nsix hundred\n16\n", 1024, 768, 32},  // not a number: desktop, warned
        {"1\n800\n", 1024, 768, 32},                   // too short: the same
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DisplayRecord record = read(c.text);
        EXPECT_EQ(record.width, c.width);
        EXPECT_EQ(record.height, c.height);
        EXPECT_EQ(record.bitsPerPixel, c.bits);
    }
}

// A mode with no pixels, or a window larger than the screen, would end the start: the
// desktop's mode stays and one line says why. Full screen, a larger mode may be offered.
TEST_F(ScreenModeFile, AModeThatCannotBeShownKeepsTheDesktopMode) {
    struct Case {
        const char* text;
        bool windowed;
        int width, height;
    };
    const Case cases[] = {
        {"1\n0\n600\n32\n", true, 1024, 768},       {"1\n800\n0\n32\n", true, 1024, 768},
        {"1\n-800\n600\n32\n", true, 1024, 768},    {"1\n800\n-1\n32\n", false, 1024, 768},
        {"1\n0\n0\n32\n", false, 1024, 768},        {"1\n1025\n600\n32\n", true, 1024, 768},
        {"1\n800\n4000\n32\n", true, 1024, 768},    {"1\n1024\n768\n32\n", true, 1024, 768},
        {"1\n1280\n1024\n32\n", false, 1280, 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        windowedMode = c.windowed;
        testing::internal::CaptureStderr();
        DisplayRecord record = read(c.text);
        const std::string said = testing::internal::GetCapturedStderr();
        windowedMode = false;
        EXPECT_EQ(record.width, c.width);
        EXPECT_EQ(record.height, c.height);
        const bool kept = c.width == 1024 && std::string(c.text) != "1\n1024\n768\n32\n";
        EXPECT_EQ(said.empty(), !kept) << said;
        if (kept) {
            EXPECT_NE(said.find(": a mode of "), std::string::npos) << said;
        }
    }
}

TEST_F(ScreenModeFile, AMissingFileKeepsTheDesktopMode) {
    dataTree().setRoot(dir);
    DisplayRecord record;
    record.width = 1024;
    record.readScreenModeFile();
    EXPECT_EQ(record.width, 1024);
}

TEST(CommandLine, ParsesEveryOptionAndRefusesTheRest) {
    Options options;
    std::string error;
    EXPECT_EQ(parseOptions({"--data", "/d", "--windowed", "--fixed-step", "20", "--screenshot",
                            "a.png", "--frames", "30"},
                           options, error),
              OptionsResult::Run);
    EXPECT_EQ(options.dataDir, "/d");
    EXPECT_TRUE(options.windowed);
    EXPECT_EQ(options.fixedStep, 20u);
    EXPECT_EQ(options.screenshot, "a.png");
    EXPECT_EQ(options.frames, 30);
    EXPECT_FALSE(options.noSound);
    EXPECT_EQ(parseOptions({"--nosound", "--sound-log", "s.log"}, options, error),
              OptionsResult::Run);
    EXPECT_TRUE(options.noSound);
    EXPECT_EQ(options.soundLog, "s.log");
    for (const char* lang : {"en", "pl", "de", "fr", "es", "cs"}) {
        EXPECT_EQ(parseOptions({"--lang", lang}, options, error), OptionsResult::Run) << lang;
        EXPECT_EQ(options.lang, lang);
    }

    EXPECT_EQ(parseOptions({"--autopilot", "--games", "3"}, options, error), OptionsResult::Run);
    EXPECT_EQ(options.games, 3);

    Options pilot;
    EXPECT_EQ(
        parseOptions({"--autopilot", "--autopilot-style", "child", "--level", "3", "--no-drawing"},
                     pilot, error),
        OptionsResult::Run);
    EXPECT_TRUE(pilot.childPilot);
    EXPECT_TRUE(pilot.noDrawing);
    Options skilled;
    EXPECT_EQ(parseOptions({"--autopilot", "--autopilot-style", "skilled"}, skilled, error),
              OptionsResult::Run);
    EXPECT_FALSE(skilled.childPilot);

    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"--games", "0"},
        {"--games", "2"},  // no autopilot
        {"--autopilot", "--level", "1", "--games", "2"},
        {"--autopilot", "--autopilot-style", "baby"},
        {"--autopilot-style", "child"},
        {"--no-drawing", "--level", "1"},
        {"--lang", "it"},
        {"--lang", "de_DE"},
        {"--lang", ""},
        {"--lang"},
        {"--data"},
        {"--fixed-step", "0"},
        {"--fixed-step", "fast"},
        {"--frames", "-1"},
        {"--frames", "5"},
        {"--sound-log"},
        {"extra"}};
    for (const auto& args : bad) {
        Options o;
        EXPECT_EQ(parseOptions(args, o, error), OptionsResult::Error) << args[0];
        EXPECT_FALSE(error.empty());
    }
    Options o;
    EXPECT_EQ(parseOptions({"--help"}, o, error), OptionsResult::Help);
    EXPECT_EQ(parseOptions({"--version"}, o, error), OptionsResult::Version);
    // The version names the licence.
    EXPECT_NE(std::string(versionText).find("GNU GPL version 3 or later"), std::string::npos);
}

}  // namespace
