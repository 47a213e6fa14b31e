// Which starts play the start-up film: only a normal one.

#include <gtest/gtest.h>

#include "core/options.h"

namespace {

TEST(IntroFilm, PlaysOnlyOnANormalStart) {
    const struct {
        std::vector<std::string> args;
        bool plays;
    } cases[] = {
        {{}, true},
        {{"--windowed", "--nosound"}, true},
        {{"--screenshot", "a.png", "--frames", "60"}, true},  // the film's 60th picture
        {{"--no-intro"}, false},
        {{"--screenshot", "a.png"}, false},
        {{"--level", "3"}, false},
        {{"--autopilot", "--level", "1"}, false},
        {{"--autopilot", "--levels", "1-2"}, false},
        {{"--bench", "--level", "1"}, false},
        {{"--replay", "r.replay"}, false},
        {{"--record", "r.replay"}, false},
        {{"--view-scene", "4"}, false},
    };
    for (const auto& c : cases) {
        Options options;
        std::string error;
        ASSERT_EQ(parseOptions(c.args, options, error), OptionsResult::Run) << error;
        EXPECT_EQ(introWanted(options), c.plays) << testing::PrintToString(c.args);
    }
}

}  // namespace
