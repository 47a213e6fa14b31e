#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "sound_synth.h"

using namespace synth;

namespace {

constexpr double pi = 3.14159265358979323846;

// A sine whose frequency follows `frequency(t)` and loudness `level(t)`, added into `out`
// from `start` seconds for `seconds`.
template <typename Frequency, typename Level>
void glide(Signal& out, double start, double seconds, Frequency frequency, Level level,
           double second = 0) {
    const size_t first = samplesOf(start);
    double phase = 0;
    for (size_t i = 0; i < samplesOf(seconds) && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += 2 * pi * frequency(t) / sampleRate;
        out[first + i] +=
            static_cast<float>(level(t) * (std::sin(phase) + second * std::sin(2 * phase)));
    }
}

// Noise through a band-pass whose centre follows `centre(t)`, at loudness `level(t)`, and
// then through a low-pass at `soften` Hz that takes the hiss off.
template <typename Centre, typename Level>
void noiseBand(Signal& out, double start, double seconds, double q, Centre centre, Level level,
               uint32_t seed, double soften = 3000) {
    const size_t first = samplesOf(start);
    Noise noise(seed);
    StateVariable filter(q);
    LowPass hiss(soften);
    for (size_t i = 0; i < samplesOf(seconds) && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[first + i] += hiss.process(filter.process(noise.next(), centre(t)).band) *
                          static_cast<float>(level(t));
    }
}

// An attack of `a` seconds and a fall to 1/e every `tau` seconds.
double ping(double t, double a, double tau) {
    return std::min(1.0, t / a) * std::exp(-t / tau);
}

// A rise and fall over `seconds`: sin² of the time.
double swell(double t, double seconds) {
    if (t <= 0 || t >= seconds) return 0;
    const double s = std::sin(pi * t / seconds);
    return s * s;
}

Signal finished(Signal sound, float peak, double fadeOut = 0.02) {
    fadeEdges(sound, 0.003, fadeOut);
    normalise(sound, peak);
    return sound;
}

// The hover chime: a small, bright "ti-ting" that dies away at once.
Signal hoverChime() {
    Signal s(samplesOf(0.3));
    const double e6 = noteFrequency(88), b6 = noteFrequency(95);
    glide(s, 0, 0.3, [&](double) { return e6; }, [](double t) { return ping(t, 0.002, 0.06); },
          0.15);
    glide(s, 0.04, 0.26, [&](double) { return b6; },
          [](double t) { return 0.7 * ping(t, 0.002, 0.07); }, 0.1);
    return finished(s, 0.55f, 0.05);
}

// Drinking nectar: a gentle slurp through a straw, the pitch of the sip rising, with a
// little bubble. It plays again and again while the bee drinks.
Signal nectarSlurp() {
    const double length = 0.32;
    Signal s(samplesOf(length));
    noiseBand(s, 0, length, 6, [](double t) { return 500 + 2600 * t; },
              [&](double t) { return swell(t, length) * 0.8; }, 4242, 2000);
    glide(s, 0.02, 0.12, [](double t) { return 380 + 2200 * t; },
          [](double t) { return swell(t, 0.12) * 0.35; });
    glide(s, 0.17, 0.12, [](double t) { return 460 + 2600 * t; },
          [](double t) { return swell(t, 0.12) * 0.3; });
    return finished(s, 0.75f, 0.03);
}

// A load delivered at the hive: a happy rising jingle on bells.
Signal hiveJingle() {
    Signal s(samplesOf(1.1));
    const int notes[] = {72, 76, 79, 84};  // C5 E5 G5 C6
    for (int k = 0; k < 4; ++k)
        addNote(s, Instrument::Bell, 0.075 * k, noteFrequency(notes[k] + 12), 0.1,
                k == 3 ? 1.0f : 0.75f);
    addNote(s, Instrument::MusicBox, 0.225, noteFrequency(91), 0.2, 0.35f);  // G6 sparkle
    addReverb(s, 0.25f);
    return finished(s, 0.7f, 0.15);
}

// A bump: a soft "boing", a spring wobbling down in pitch.
Signal bounceBoing() {
    const double length = 0.5;
    Signal s(samplesOf(length));
    glide(
        s, 0, length,
        [](double t) {
            const double base = 170 + 260 * std::exp(-t / 0.06);
            return base * (1 + 0.12 * std::exp(-t / 0.2) * std::sin(2 * pi * 14 * t));
        },
        [](double t) { return ping(t, 0.01, 0.16); }, 0.25);
    return finished(s, 0.7f, 0.06);
}

// A clock icon: tick, tock and a bright ding.
Signal clockDing() {
    Signal s(samplesOf(0.9));
    addNote(s, Instrument::WoodBlock, 0, 1400, 0.05, 0.8f);
    addNote(s, Instrument::WoodBlock, 0.14, 1000, 0.05, 0.8f);
    addNote(s, Instrument::Bell, 0.3, noteFrequency(84), 0.2, 1.0f);      // C6
    addNote(s, Instrument::Bell, 0.3, noteFrequency(88), 0.2, 0.5f);      // E6
    addNote(s, Instrument::MusicBox, 0.3, noteFrequency(96), 0.2, 0.3f);  // C7
    return finished(s, 0.7f, 0.15);
}

// A speed icon: a rising "whoosh" with a gliding whistle.
Signal speedWhoosh() {
    const double length = 0.6;
    Signal s(samplesOf(length));
    noiseBand(s, 0, length, 2.5, [](double t) { return 400 * std::pow(12.0, t / 0.6); },
              [&](double t) { return swell(t, length) * 1.2; }, 777);
    glide(s, 0.05, 0.5, [](double t) { return 500 * std::pow(3.0, t / 0.5); },
          [](double t) { return swell(t, 0.5) * 0.3; });
    return finished(s, 0.65f, 0.05);
}

// The exit opens: a short fanfare, "ta-ta-ta-taaa", with a sparkle at the end.
Signal fanfare() {
    Signal s(samplesOf(2.0));
    struct Note {
        double at, length;
        int midi;
        float velocity;
    };
    const Note notes[] = {{0.0, 0.1, 67, 0.8f},  {0.14, 0.1, 72, 0.8f}, {0.28, 0.1, 76, 0.85f},
                          {0.42, 0.22, 79, 0.9f}, {0.7, 0.7, 84, 1.0f}};
    for (const Note& n : notes) {
        addNote(s, Instrument::Brass, n.at, noteFrequency(n.midi), n.length, n.velocity);
        addNote(s, Instrument::Brass, n.at, noteFrequency(n.midi - 12), n.length, n.velocity * 0.4f);
    }
    for (int k = 0; k < 4; ++k)
        addNote(s, Instrument::Bell, 0.7 + 0.06 * k, noteFrequency(96 + (k % 2) * 7), 0.1, 0.35f);
    addReverb(s, 0.3f);
    return finished(s, 0.75f, 0.2);
}

// The bee spins: a swirling "whee", a whistle sliding up and back down over a whirl of air.
Signal spinSwirl() {
    const double length = 0.55;
    Signal s(samplesOf(length));
    noiseBand(s, 0, length, 3, [](double t) { return 1200 + 700 * std::sin(2 * pi * 9 * t); },
              [&](double t) { return swell(t, length) * 0.9; }, 99);
    glide(s, 0, length, [](double t) { return 700 + 600 * std::sin(pi * t / 0.55); },
          [&](double t) { return swell(t, length) * 0.4; });
    return finished(s, 0.6f, 0.05);
}

// The last ten seconds: a clear, short tick.
Signal tick() {
    Signal s(samplesOf(0.1));
    addNote(s, Instrument::WoodBlock, 0, 1600, 0.05, 1.0f);
    return finished(s, 0.6f, 0.02);
}

// A butterfly giving chase: soft fluttering wings with a glimmer. It plays again and again
// while the chase lasts.
Signal butterflyFlutter() {
    const double length = 0.6;
    Signal s(samplesOf(length));
    auto wings = [](double t) { return 0.5 + 0.5 * std::sin(2 * pi * 15 * t - pi / 2); };
    noiseBand(s, 0, length, 1.2, [](double) { return 1200.0; },
              [&](double t) { return wings(t) * swell(t, length); }, 31, 2000);
    glide(s, 0, length, [](double t) { return 2100 + 80 * std::sin(2 * pi * 5 * t); },
          [&](double t) { return 0.08 * wings(t) * swell(t, length); });
    return finished(s, 0.4f, 0.05);
}

// A butterfly's attack: a cheeky "whoop", a slide whistle falling.
Signal butterflyWhoop() {
    const double length = 0.38;
    Signal s(samplesOf(length));
    glide(
        s, 0, length,
        [](double t) { return (1400 - 2400 * t) * (1 + 0.02 * std::sin(2 * pi * 18 * t)); },
        [](double t) { return std::min(1.0, t / 0.02) * (1 - t / 0.38); });
    return finished(s, 0.6f, 0.04);
}

// A dragonfly giving chase: a soft, low buzz of fast wings. It plays again and again while
// the chase lasts.
Signal dragonflyBuzz() {
    const double length = 0.6;
    Signal s(samplesOf(length));
    const size_t count = s.size();
    LowPass soft(900);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += 2 * pi * (150 + 6 * std::sin(2 * pi * 3 * t)) / sampleRate;
        double buzz = 0;
        for (int n = 1; n <= 8; ++n) buzz += std::sin(n * phase) / n;  // a soft saw
        const double wings = 0.6 + 0.4 * std::sin(2 * pi * 32 * t);
        s[i] = soft.process(static_cast<float>(buzz * wings * swell(t, length)));
    }
    return finished(s, 0.4f, 0.05);
}

// A dragonfly's attack: a "zoom" swooping down.
Signal dragonflyZoom() {
    const double length = 0.45;
    Signal s(samplesOf(length));
    LowPass soft(1400);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += 2 * pi * (320 * std::pow(0.4, t / length)) / sampleRate;
        double buzz = 0;
        for (int n = 1; n <= 6; ++n) buzz += std::sin(n * phase) / n;
        const double level = std::min(1.0, t / 0.05) * (1 - t / length);
        s[i] = soft.process(static_cast<float>(buzz * level * (0.7 + 0.3 * std::sin(2 * pi * 28 * t))));
    }
    return finished(s, 0.6f, 0.04);
}

// A fish jumps out of the water: a splash and a rising "bloop".
Signal splashUp() {
    Signal s(samplesOf(0.5));
    noiseBand(s, 0, 0.45, 0.8, [](double t) { return std::max(600.0, 2500 - 3000 * t); },
              [](double t) { return ping(t, 0.005, 0.07); }, 5);
    glide(s, 0.02, 0.2, [](double t) { return 300 * std::pow(3.0, t / 0.2); },
          [](double t) { return swell(t, 0.2) * 0.6; });
    return finished(s, 0.6f, 0.05);
}

// A fish drops back in: a "plop" falling in pitch, then the splash.
Signal splashDown() {
    Signal s(samplesOf(0.55));
    glide(s, 0, 0.12, [](double t) { return 900 * std::pow(0.3, t / 0.12); },
          [](double t) { return swell(t, 0.12) * 0.8; });
    noiseBand(s, 0.06, 0.4, 0.8, [](double t) { return 2000 - 2500 * t; },
              [](double t) { return ping(t, 0.004, 0.09); }, 6);
    return finished(s, 0.6f, 0.06);
}

}  // namespace

void addSoundEffects(DataFiles& files) {
    files["MOV\\diam.wav"] = waveFileBytes(hoverChime());
    files["MOV\\kwiat.wav"] = waveFileBytes(nectarSlurp());
    files["MOV\\ul.wav"] = waveFileBytes(hiveJingle());
    files["MOV\\boun.wav"] = waveFileBytes(bounceBoing());
    files["MOV\\zegar.wav"] = waveFileBytes(clockDing());
    files["MOV\\speed.wav"] = waveFileBytes(speedWhoosh());
    files["MOV\\brawo.wav"] = waveFileBytes(fanfare());
    files["MOV\\obrot.wav"] = waveFileBytes(spinSwirl());
    files["MOV\\klik.wav"] = waveFileBytes(tick());
    files["MOV\\pogo.wav"] = waveFileBytes(butterflyFlutter());
    files["MOV\\atak.wav"] = waveFileBytes(butterflyWhoop());
    files["MOV\\pogow.wav"] = waveFileBytes(dragonflyBuzz());
    files["MOV\\atakw.wav"] = waveFileBytes(dragonflyZoom());
    files["MOV\\u_bang.wav"] = waveFileBytes(splashUp());
    files["MOV\\d_bang.wav"] = waveFileBytes(splashDown());
}
