// The replay file's lines: what the recorder writes reads back as the same frames, runs of
// identical frames fold into one line, and a damaged file is refused with its line.

#include "core/replay_format.h"

#include <gtest/gtest.h>

#include "assets/data_error.h"

namespace {

std::vector<std::string> written;
void keep(const std::string& line) {
    written.push_back(line);
}

FrameInput frame(int x, int y, bool up, std::vector<InputEvent> events = {}) {
    FrameInput f;
    f.cursorX = x;
    f.cursorY = y;
    f.up = up;
    f.events = std::move(events);
    return f;
}

TEST(ReplayFormat, HeaderReadsBackAndRefusesWhatItCannotPlay) {
    ReplayHeader header{1, 33, 7, 2, 320, 240};
    auto back = parseHeaderLine(headerLine(header));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->stepMs, 33u);
    EXPECT_EQ(back->level, 7);
    EXPECT_EQ(back->difficulty, 2);
    EXPECT_EQ(back->width, 320);
    EXPECT_EQ(back->height, 240);
    // Level 0: a session that starts at the main menu.
    auto menus = parseHeaderLine("oxa-replay 1 step 33 level 0 difficulty 2 size 320x240");
    ASSERT_TRUE(menus);
    EXPECT_EQ(menus->level, 0);
    for (const char* bad : {"oxa-replay 2 step 33 level 1 difficulty 1 size 320x240",
                            "oxa-replay 1 step 33 level -1 difficulty 1 size 320x240",
                            "oxa-replay 1 step 0 level 1 difficulty 1 size 320x240",
                            "oxa-replay 1 step 33 level 11 difficulty 1 size 320x240",
                            "oxa-replay 1 step 33 level 1 difficulty 4 size 320x240",
                            "oxa-replay 1 step 33 level 1 difficulty 1 size 320",
                            "oxa-replay 1 step 33 level 1 difficulty 1", ""})
        EXPECT_FALSE(parseHeaderLine(bad)) << bad;
}

TEST(ReplayFormat, FramesRoundTripAndIdenticalFramesFold) {
    written.clear();
    std::vector<FrameInput> frames = {
        frame(160, 120, false),
        frame(160, 120, false),
        frame(160, 120, false),
        frame(170, 110, true, {{InputEvent::PassiveMotion, 170, 110}}),
        frame(170, 110, true),
        frame(170, 110, true, {{InputEvent::Key, 27, 5, 6}, {InputEvent::Button, 0, 1, 2, 3}}),
        frame(0, 0, false, {{InputEvent::NextLevel, 4}, {InputEvent::Special, 101, 1, 2}}),
    };
    frames[6].down = true;
    ReplayWriter writer(keep);
    for (const FrameInput& f : frames) writer.add(f);
    writer.flush();
    EXPECT_EQ(written.size(), 4u);  // 3 still frames, 2 moved ones, then two with events
    EXPECT_EQ(written[0], "3 160 120 -");
    EXPECT_EQ(written[1], "2 170 110 U M:170,110");

    ReplayReader reader(written, "run.replay", 2);
    for (const FrameInput& expected : frames) {
        auto got = reader.next();
        ASSERT_TRUE(got);
        EXPECT_TRUE(got->sameControls(expected));
        EXPECT_EQ(got->down, expected.down);
        EXPECT_EQ(got->events, expected.events);
    }
    EXPECT_FALSE(reader.next());
}

TEST(ReplayFormat, DamagedLinesAreRefusedWithTheirLineNumber) {
    for (const char* bad : {"0 1 2 -", "1 1 2", "1 1 2 X", "1 a 2 -", "1 1 2 - M:1",
                            "1 1 2 - Q:1,2", "1 1 2 - B:1,2,3"}) {
        ReplayReader reader({"1 160 120 -", bad}, "run.replay", 2);
        ASSERT_TRUE(reader.next());
        try {
            reader.next();
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const DataError& error) {
            EXPECT_EQ(error.file(), "run.replay");
            EXPECT_EQ(error.line(), 3) << bad;
        }
    }
}

}  // namespace
