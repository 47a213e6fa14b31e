#include "game/stage_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/data_error.h"

namespace {

// A stage with everything switched on.
std::vector<std::string> stageLines() {
    return {
        "3",        "5",
        "2",        "1",
        "0",        "1",
        "12",       "2",
        "20",       "1",
        "4",        "1",
        "10",       "11",
        "12",       "13",
        "1",        "3",
        "0.5",      "0.4",
        "-2,25",    "3.1416",
        "0.1",      "0.2",
        "0.35",     "0.002",
        "10",       "2.5",
        "1",        "2",
        "not read", "3",
        "15",       "20",
        "1.5",      "0.75",
        "4.0",      "  abcdemuzyka3.wav  ",
        "2",        "1",
    };
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

TEST(StageSettings, ReadsEveryLine) {
    auto lines = stageLines();
    lines[6] = "12.9      trailing text";  // ints truncate; only the first 10 characters count
    lines.push_back("lines after the fortieth are ignored");
    StageSettings s = readStageSettings(joined(lines), "scena031.mtt");
    EXPECT_EQ(s.sceneNumber, 3);
    EXPECT_EQ(s.clockSeconds, 5);
    EXPECT_EQ(s.clockTensOfSeconds, 2);
    EXPECT_EQ(s.clockMinutes, 1);
    EXPECT_EQ(s.clockTensOfMinutes, 0);
    EXPECT_EQ(s.spriteCount, 12);
    EXPECT_EQ(s.nectarPerLoad, 2);
    EXPECT_EQ(s.target, 20);
    EXPECT_EQ(s.flowerGroups, 4);
    EXPECT_EQ(s.plantCounts, (std::array<int, 4>{10, 11, 12, 13}));
    EXPECT_EQ(s.butterflyCount, 3);
    EXPECT_FLOAT_EQ(s.beeStartX, 0.5f);
    EXPECT_FLOAT_EQ(s.beeStartY, 0.4f);
    EXPECT_FLOAT_EQ(s.beeStartZ, -2.25f);  // the decimal comma
    EXPECT_FLOAT_EQ(s.beeStartHeading, 3.1416f);
    EXPECT_FLOAT_EQ(s.beeScale, 0.1f);
    EXPECT_FLOAT_EQ(s.maxSpeed, 0.2f);
    EXPECT_FLOAT_EQ(s.boostedMaxSpeed, 0.35f);
    EXPECT_FLOAT_EQ(s.acceleration, 0.002f);
    EXPECT_FLOAT_EQ(s.pointsPerNectar, 10.0f);
    EXPECT_FLOAT_EQ(s.pointsPerSecondLeft, 2.5f);  // floats are not truncated
    EXPECT_EQ(s.speedIconCount, 2);
    EXPECT_EQ(s.clockIconCount, 3);
    EXPECT_EQ(s.boostSeconds, 15);
    EXPECT_EQ(s.clockBonusSeconds, 20);
    EXPECT_FLOAT_EQ(s.butterflyNoticeDistance, 1.5f);
    EXPECT_FLOAT_EQ(s.butterflyChaseFactor, 0.75f);
    EXPECT_FLOAT_EQ(s.turnRate, 4.0f);
    EXPECT_EQ(s.musicName, "abcdemuzyka3.wav");
    EXPECT_EQ(s.musicFile, "MOV\\muzyka3.wav");
    EXPECT_EQ(s.dragonflyCount, 2);
    EXPECT_EQ(s.fishCount, 1);
    EXPECT_EQ(s.iconTotal, 12 + 2 + 3);
    EXPECT_EQ(s.iconSpriteCount, 12);
}

TEST(StageSettings, MusicNameIsTheFirstTwentyCharactersTrimmedLessFive) {
    const std::pair<const char*, const char*> cases[] = {
        {"xxxxxmuz.wav", "MOV\\muz.wav"},
        {"   xxxxxmuz.wav", "MOV\\muz.wav"},
        {"xxxxx123456789012345678", "MOV\\123456789012345"},  // cut at 20 characters
        {"abc", "MOV\\"},
        {"", "MOV\\"},
    };
    for (const auto& [line, file] : cases) {
        SCOPED_TRACE(line);
        auto lines = stageLines();
        lines[37] = line;
        EXPECT_EQ(readStageSettings(lines, "s").musicFile, file);
    }
}

TEST(StageSettings, FeaturesThatAreNotOnHaveNoCounts) {
    struct Case {
        int flagLine;
        const char* flag;
    };
    // Any value but 1 switches a feature off.
    for (const Case& c :
         {Case{5, "0"}, Case{9, "2"}, Case{11, "-1"}, Case{16, "0.5"}, Case{28, "0"}}) {
        SCOPED_TRACE(c.flagLine);
        auto lines = stageLines();
        lines[static_cast<size_t>(c.flagLine)] = c.flag;
        StageSettings s = readStageSettings(lines, "s");
        EXPECT_EQ(s.spriteCount == 0 && s.nectarPerLoad == 0, c.flagLine == 5);
        EXPECT_EQ(s.flowerGroups == 0, c.flagLine == 9);
        EXPECT_EQ(s.plantCounts == (std::array<int, 4>{}), c.flagLine == 11);
        EXPECT_EQ(s.butterflyCount == 0, c.flagLine == 16);
        EXPECT_EQ(s.iconTotal == 0, c.flagLine == 28);
        if (c.flagLine == 5) {
            EXPECT_EQ(s.iconTotal, 2 + 3);  // no sprite markers
        }
    }
}

TEST(StageSettings, BrokenFilesAreRefusedWithTheirLine) {
    struct Case {
        int line;
        const char* text;
        int reportedLine;
        const char* message;
    };
    const Case cases[] = {
        {18, "abc", 19, "'abc' is not a valid floating point value"},
        {0, "", 1, "'' is not a valid floating point value"},
        {8, "0", 9, "nectar sprites but a target of 0"},
        {1, "10", 2, "clock digit 10"},
        {4, "-1", 5, "clock digit -1"},
        {17, "-3", 18, "count -3"},
        {39, "100001", 40, "count 100001"},
        {22, "1e39", 23, "too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto lines = stageLines();
        lines[static_cast<size_t>(c.line)] = c.text;
        try {
            readStageSettings(lines, "STA/scena011.mtt");
            ADD_FAILURE() << "accepted";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), "STA/scena011.mtt");
            EXPECT_EQ(e.line(), c.reportedLine);
            EXPECT_NE(e.message().find(c.message), std::string::npos) << e.message();
        }
    }

    auto lines = stageLines();
    lines.resize(39);
    try {
        readStageSettings(lines, "short.mtt");
        ADD_FAILURE() << "accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.report(), "short.mtt:40: the stage file ends after 39 lines; it needs 40");
    }
}

TEST(StageSettings, WhatIsSwitchedOffOrUnreadIsNotChecked) {
    auto lines = stageLines();
    lines[5] = "0";  // no sprites: a target of 0 is fine
    lines[8] = "0";
    lines[6] = "-5";  // and so is a count that will be forced to 0
    lines[28] = "0";  // no icons
    lines[29] = "-1";
    lines[30] = "???";  // never read
    StageSettings s = readStageSettings(lines, "s");
    EXPECT_EQ(s.target, 0);
    EXPECT_EQ(s.spriteCount, 0);
    EXPECT_EQ(s.iconTotal, 0);
}

TEST(StageSettings, FileNames) {
    EXPECT_EQ(stageFileName("03", 2), "STA\\scena032.mtt");
    EXPECT_EQ(twoDigitLevelId(3), "03");
    EXPECT_EQ(twoDigitLevelId(10), "10");
}

}  // namespace
