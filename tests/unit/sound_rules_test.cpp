#include "__SNG/sound_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SoundRules, VolumesInHundredthsOfADecibel) {
    struct Case {
        long volume;
        bool accepted;
        float gain;
    };
    const Case cases[] = {
        {0, true, 1.0f},         {-600, true, 0.501187f}, {-2000, true, 0.1f},
        {-4000, true, 0.01f},    {-9999, true, 1.0012e-5f}, {-10000, true, 0.0f},
        {1, false, 0},           {2000, false, 0},        {-10001, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        EXPECT_EQ(volumeAccepted(c.volume), c.accepted);
        if (c.accepted) {
            EXPECT_NEAR(gainOfVolume(c.volume), c.gain, c.gain * 1e-4f + 1e-9f);
        }
    }
}

TEST(SoundRules, TheCLibrarysRandStartsWhereItAlwaysDid) {
    CrtRand rand;
    const int first[] = {346, 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, 31126};
    for (int value : first) EXPECT_EQ(rand(), value);
}

TEST(SoundRules, AFreeBufferFirstThenAChanceOne) {
    struct Case {
        const char* what;
        std::vector<BufferState> buffers;
        std::vector<int> chosen;  // by calls one after another, from a fresh generator
        int draws;                // values the generator gave meanwhile
    };
    const BufferState free{true, false}, busy{true, true}, none{false, false};
    const Case cases[] = {
        {"the only buffer, free", {free}, {0, 0}, 0},
        {"the only buffer, playing: played again", {busy}, {0, 0}, 2},
        {"the first free one", {busy, free, free}, {1}, 0},
        {"empty entries are skipped", {none, free}, {1}, 0},
        {"all playing: rand() mod 3", {busy, busy, busy}, {346 % 3, 130 % 3, 10982 % 3}, 3},
        {"no buffers", {}, {-1}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CrtRand rand;
        for (int expected : c.chosen) EXPECT_EQ(chooseFreeBuffer(c.buffers, rand), expected);
        CrtRand fresh;
        for (int k = 0; k < c.draws; ++k) fresh();
        EXPECT_EQ(rand.seed(), fresh.seed());
    }
}

TEST(SoundRules, TheMusicFollowsTheScreenOnceASecond) {
    struct Tick {
        int screen;
        MusicChange change;
    };
    using M = MusicChange;
    // Start-up shows the main menu; a level starts and its countdown runs (playing); Escape
    // goes to the menu; continue goes back; the stage ends on the summary; the next level
    // loads (screen 3) and plays.
    const Tick ticks[] = {
        {1, M::ToMenuMusic}, {1, M::None},          {5, M::None},        {6, M::None},
        {0, M::ToLevelMusic}, {0, M::None},         {1, M::ToMenuMusic}, {1, M::None},
        {0, M::ToLevelMusic}, {9, M::ToMenuMusic},  {3, M::None},        {0, M::ToLevelMusic},
        {10, M::ToMenuMusic}, {4, M::None},
    };
    MusicSwitch music;
    int second = 0;
    for (const Tick& tick : ticks) {
        SCOPED_TRACE(testing::Message() << "second " << second++ << ", screen " << tick.screen);
        EXPECT_EQ(music.tick(tick.screen), tick.change);
    }
    // A level that started before the first tick: the first tick finds play, nothing changes.
    MusicSwitch straightIntoPlay;
    EXPECT_EQ(straightIntoPlay.tick(0), M::None);
}

}  // namespace
