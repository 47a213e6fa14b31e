// The sounds and tunes the generator writes, read back with the game's own wave reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "__SNG/sound_table.h"
#include "__SNG/wave_file.h"
#include "music.h"
#include "sounds.h"

namespace {

TEST(SoundData, EveryEffectIsAPlayableShortWave) {
    DataFiles files;
    addSoundEffects(files);
    std::vector<std::string> wanted = {fishLeavesWaterSound, fishEntersWaterSound};
    for (const char* file : soundTableFiles)
        if (file && std::string(file) != "MOV\\menu.wav") wanted.push_back(file);
    EXPECT_EQ(files.size(), wanted.size());
    for (const std::string& name : wanted) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(files.count(name));
        CWaveFile wave;
        ASSERT_EQ(wave.OpenBytes(files[name]), S_OK);
        EXPECT_EQ(waveProblem(wave), std::nullopt);
        EXPECT_EQ(wave.GetFormat()->samplesPerSec, 22050u);
        EXPECT_EQ(wave.GetFormat()->bitsPerSample, 16);
        const double seconds = wave.GetSize() / 2.0 / 22050;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LE(seconds, 2.0);
    }
}

TEST(SoundData, TunesLoopWithoutAClick) {
    for (const music::Tune& tune : music::tunes()) {
        SCOPED_TRACE(tune.file);
        const synth::Signal loop = music::renderTune(tune, 0.32f);
        // As long as its bars, to the sample.
        const auto bars = std::count(tune.chords.begin(), tune.chords.end(), '|') + 1;
        const double beats = static_cast<double>(bars * tune.stepsPerBar) / 2;
        EXPECT_EQ(loop.size(), synth::samplesOf(beats * 60 / tune.beatsPerMinute));
        float peak = 0, steepest = 0;
        for (size_t i = 0; i < loop.size(); ++i) {
            peak = std::max(peak, std::fabs(loop[i]));
            if (i) steepest = std::max(steepest, std::fabs(loop[i] - loop[i - 1]));
        }
        EXPECT_NEAR(peak, 0.32f, 1e-5f);
        // From the last sample round to the first, no larger a step than inside the tune.
        EXPECT_LE(std::fabs(loop.front() - loop.back()), steepest);
        EXPECT_GT(steepest, 0.0f);
    }
}

TEST(SoundData, TheSequencerRefusesTablesThatDoNotAddUp) {
    using music::Track;
    auto tune = [](const char* chords, Track::Kind kind, const char* pattern) {
        return music::Tune{"MOV\\x.wav", 120, 8, 0, chords, {{kind, synth::Instrument::Bell, pattern, 1}}};
    };
    const std::pair<const char*, music::Tune> broken[] = {
        {"a bar of 7 steps", tune("C", Track::Melody, "c5*7")},
        {"no note \"h5\"", tune("C", Track::Melody, "h5*8")},
        {"no chord \"Q\"", tune("Q", Track::Melody, "c5*8")},
        {"a melody of 8 steps to 16", tune("C | G", Track::Melody, "c5*8")},
        {"no chord tone \"4\"", tune("C", Track::Chords, "4*8")},
        {"a pattern that is not one bar", tune("C | G", Track::Chords, "1*8 | 1*8")},
    };
    for (const auto& [problem, brokenTune] : broken) {
        SCOPED_TRACE(problem);
        try {
            music::renderTune(brokenTune);
            ADD_FAILURE() << "rendered";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind("MOV\\x.wav: ", 0), 0u) << error.what();
        }
    }
}

}  // namespace
