// The start-up film the generator encodes, decoded back with the game's own film decoder;
// and the decoder on damaged copies of it, which may end the film but never the game.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "intro_film.h"
#include "platform/movie.h"
#include "sound_synth.h"

namespace {

const std::string& theFilm() {
    static const std::string bytes = film::encodeIntroFilm();
    return bytes;
}

struct Rgb {
    int r, g, b;
};

Rgb pixel(const platform::MovieFrame& frame, int x, int y) {
    const uint8_t* p = &frame.rgb[static_cast<size_t>((y * frame.width + x) * 3)];
    return {p[0], p[1], p[2]};
}

// Every picture of a film, or as many as come before it ends; `error` says why it ended.
std::vector<platform::MovieFrame> decodeAll(const std::string& bytes, std::string& error) {
    std::vector<platform::MovieFrame> frames;
    platform::MovieDecoder decoder;
    if (!decoder.open(bytes, error)) return frames;
    platform::MovieFrame frame;
    while (frames.size() < 1000 && decoder.nextFrame(frame, error)) frames.push_back(frame);
    return frames;
}

TEST(IntroFilm, IsTheSameOnEveryRunAndSmall) {
    const std::string again = film::encodeIntroFilm();
    EXPECT_TRUE(again == theFilm());
    EXPECT_GT(theFilm().size(), 200'000u);
    EXPECT_LT(theFilm().size(), 4'000'000u);
}

TEST(IntroFilm, DecodesToTenSecondsOfTheGardenAndTheName) {
    std::string error;
    const auto frames = decodeAll(theFilm(), error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(frames.size(), 250u);
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(frames[i].width, 640);
        ASSERT_EQ(frames[i].height, 480);
        ASSERT_NEAR(frames[i].seconds, static_cast<double>(i) / 25, 1e-6) << "picture " << i;
    }
    const auto& first = frames.front();
    const auto& middle = frames[125];
    const auto& last = frames.back();
    for (const auto* frame : {&first, &middle, &last}) {
        const Rgb sky = pixel(*frame, 8, 8);  // a bright blue sky over every picture
        EXPECT_GT(sky.b, 220);
        EXPECT_GT(sky.b, sky.r + 40);
        const Rgb meadow = pixel(*frame, 320, 362);  // a green meadow under it
        EXPECT_GT(meadow.g, meadow.r + 40);
    }
    const Rgb bee = pixel(first, 70, 250);  // her yellow body, at the left at first
    EXPECT_GT(bee.r, 200);
    EXPECT_GT(bee.g, 160);
    EXPECT_LT(bee.b, 110);
    const Rgb letter = pixel(last, 320, 105);  // the middle of the X of OXA at the end
    EXPECT_GT(letter.r, 200);
    EXPECT_LT(letter.b, 120);
    const Rgb sameSkyAtFirst = pixel(first, 320, 105);
    EXPECT_GT(sameSkyAtFirst.b, 200);  // no name before it fades in
    // The camera pans: the middle of the film is neither its start nor its end.
    auto difference = [](const platform::MovieFrame& a, const platform::MovieFrame& b) {
        long sum = 0;
        for (size_t i = 0; i < a.rgb.size(); i += 97) sum += std::abs(a.rgb[i] - b.rgb[i]);
        return static_cast<double>(sum) / static_cast<double>(a.rgb.size() / 97);
    };
    EXPECT_GT(difference(first, middle), 5);
    EXPECT_GT(difference(middle, last), 5);
}

TEST(IntroFilm, HasTheTuneAsItsSound) {
    const platform::MovieSound sound = platform::decodeMovieSound(theFilm());
    EXPECT_EQ(sound.rate, film::audioRate);
    EXPECT_EQ(sound.channels, 1);
    const double seconds = static_cast<double>(sound.samples.size()) / sound.rate;
    EXPECT_NEAR(seconds, 10.0, 0.1);
    double energy = 0;
    for (int16_t s : sound.samples) energy += static_cast<double>(s) * s;
    const double rms = std::sqrt(energy / static_cast<double>(sound.samples.size()));
    EXPECT_GT(rms, 1000);  // clearly heard, not clipped to a roar
    EXPECT_LT(rms, 16000);
}

// Damaged copies of the film: each opens or not, plays some pictures or none, and the
// decoder says so instead of crashing.
TEST(IntroFilm, DamagedCopiesEndTheFilmQuietly) {
    const std::string& good = theFilm();
    std::string flipped = good;
    for (size_t i = 4000; i < flipped.size(); i += 3001) flipped[i] = static_cast<char>(~flipped[i]);
    std::string badHeader = good;
    for (size_t i = 0; i < 64; ++i) badHeader[i] = static_cast<char>(i * 37);
    std::string noise(20000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    struct Case {
        const char* name;
        std::string bytes;
        bool opens;
        size_t leastFrames, mostFrames;
    };
    const Case cases[] = {
        {"empty", "", false, 0, 0},
        {"only its first bytes", good.substr(0, 1500), true, 0, 1},
        {"cut in the middle", good.substr(0, good.size() / 2), true, 80, 170},
        {"cut before its end", good.substr(0, good.size() - 5000), true, 200, 250},
        {"bytes flipped", flipped, true, 1, 260},
        {"a damaged first pack", badHeader, true, 1, 260},
        {"a wave file", synth::waveFileBytes(synth::Signal(22050, 0.25f)), false, 0, 0},
        {"a text file", "1\n640\n480\n32\n", false, 0, 0},
        {"noise", noise, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        platform::MovieDecoder decoder;
        const bool opened = decoder.open(c.bytes, error);
        EXPECT_EQ(opened, c.opens) << error;
        if (!opened) {
            EXPECT_FALSE(error.empty());
        }
        const auto frames = decodeAll(c.bytes, error);
        EXPECT_GE(frames.size(), c.leastFrames);
        EXPECT_LE(frames.size(), c.mostFrames);
        for (const auto& frame : frames)
            ASSERT_EQ(frame.rgb.size(), static_cast<size_t>(frame.width * frame.height * 3));
        const platform::MovieSound sound = platform::decodeMovieSound(c.bytes);
        EXPECT_LE(sound.samples.size(), static_cast<size_t>(11 * film::audioRate));
    }
}

}  // namespace
