#include "sound_synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace synth {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double nyquistMargin = 0.45 * sampleRate;  // partials above this are left out

struct Partial {
    double ratio;      // of the note's frequency
    double amplitude;  // at the start
    double decay;      // seconds to fall to 1/e; 0 for none (the envelope alone shapes it)
};

// How a held note's loudness goes: attack to 1, decay to the sustain level, held until the
// note ends, then released.
struct Held {
    double attack, decay, sustain, release;
    double level(double t, double length) const {
        auto shape = [&](double u) {
            if (u < attack) return std::sin(u / attack * pi / 2);
            if (u < attack + decay) return 1 - (1 - sustain) * (u - attack) / decay;
            return sustain;
        };
        if (t <= length) return shape(t);
        const double fall = 1 - (t - length) / release;
        return fall > 0 ? shape(length) * fall : 0.0;
    }
    double total(double length) const { return length + release; }
};

// A struck or plucked note: a short attack, then the partials' own decays, faded out over
// the last tenth of a second of its ring.
struct Struck {
    double attack, ring;
    double level(double t) const {
        if (t < attack) return std::sin(t / attack * pi / 2);
        const double left = ring - t;
        return left < 0.1 ? std::max(0.0, left / 0.1) : 1.0;
    }
};

struct Vibrato {
    double rate = 0, depth = 0, delay = 0;
    double factor(double t) const {
        if (depth == 0 || t < delay) return 1;
        const double fadeIn = std::min(1.0, (t - delay) / 0.2);
        return 1 + depth * fadeIn * std::sin(2 * pi * rate * (t - delay));
    }
};

// A sine of a phase in cycles (0 to 1), from a table: the instruments sum many partials
// for minutes of music, and the table is as exact as 16-bit samples need.
double tableSine(double cycles) {
    static constexpr size_t size = 4096;
    static const std::array<float, size + 1> table = [] {
        std::array<float, size + 1> t{};
        for (size_t k = 0; k <= size; ++k)
            t[k] = static_cast<float>(std::sin(2 * pi * static_cast<double>(k) / size));
        return t;
    }();
    const double at = cycles * size;
    const auto index = static_cast<size_t>(at);
    const double fraction = at - static_cast<double>(index);
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

// Sums sine partials of a note into `out`: `envelope(t)` gives the loudness, `pitch(t)`
// the frequency factor (vibrato, a scoop), `brightness(n, t)` a factor per partial.
template <typename Envelope, typename Pitch, typename Brightness>
void additive(Signal& out, double start, double frequency, double seconds,
              std::span<const Partial> partials, float velocity, Envelope envelope, Pitch pitch,
              Brightness brightness) {
    const size_t first = samplesOf(start);
    const size_t count = samplesOf(seconds);
    std::array<double, 16> phase{};      // in cycles
    std::array<double, 16> step{};       // cycles a sample, before vibrato
    std::array<double, 16> amplitude{};  // each partial's own decay, sample by sample
    std::array<double, 16> fall{};
    std::array<size_t, 16> index{};      // which partials are below the limit
    size_t used = 0;
    for (size_t k = 0; k < partials.size() && used < phase.size(); ++k) {
        if (frequency * partials[k].ratio > nyquistMargin) continue;
        step[used] = frequency * partials[k].ratio / sampleRate;
        amplitude[used] = partials[k].amplitude;
        fall[used] =
            partials[k].decay > 0 ? std::exp(-1.0 / (partials[k].decay * sampleRate)) : 1;
        index[used++] = k;
    }
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double level = envelope(t);
        const double factor = pitch(t);
        double sum = 0;
        for (size_t k = 0; k < used; ++k) {
            phase[k] += step[k] * factor;
            if (phase[k] >= 1) phase[k] -= 1;
            sum += amplitude[k] * brightness(index[k], t) * tableSine(phase[k]);
            amplitude[k] *= fall[k];
        }
        out[first + i] += static_cast<float>(sum * level * velocity);
    }
}

auto steady = [](double) { return 1.0; };
auto even = [](size_t, double) { return 1.0; };

void struck(Signal& out, double start, double frequency, float velocity,
            std::span<const Partial> partials, Struck envelope) {
    additive(out, start, frequency, envelope.ring, partials, velocity,
             [&](double t) { return envelope.level(t); }, steady, even);
}

void held(Signal& out, double start, double frequency, double length, float velocity,
          std::span<const Partial> partials, Held envelope, Vibrato vibrato) {
    additive(out, start, frequency, envelope.total(length), partials, velocity,
             [&](double t) { return envelope.level(t, length); },
             [&](double t) { return vibrato.factor(t); }, even);
}

void bell(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {
        {1, 1, 1.2}, {2, 0.35, 0.6}, {3, 0.12, 0.35}, {4.2, 0.06, 0.15}};
    struck(out, start, f, velocity, partials, {0.003, std::min(2.5, length + 1.0)});
}

void musicBox(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {
        {1, 1, 0.7}, {2, 0.3, 0.35}, {3, 0.15, 0.2}, {4.16, 0.12, 0.12}, {6.9, 0.05, 0.05}};
    struck(out, start, f, velocity, partials, {0.002, std::min(1.8, length + 0.8)});
}

void marimba(Signal& out, double start, double f, double, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0.32}, {3.93, 0.22, 0.07}, {9.9, 0.04, 0.02}};
    struck(out, start, f, velocity, partials, {0.002, 1.2});
}

void flute(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0}, {2, 0.18, 0}, {3, 0.05, 0}};
    const Held envelope{0.06, 0.2, 0.8, 0.12};
    held(out, start, f, length, velocity, partials, envelope, {5, 0.004, 0.18});
    // A breath of air through it.
    Noise noise(static_cast<uint32_t>(f * 1000));
    LowPass air(2500);
    const size_t first = samplesOf(start);
    const size_t count = samplesOf(envelope.total(length));
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[first + i] += air.process(noise.next()) * 0.05f * velocity *
                          static_cast<float>(envelope.level(t, length));
    }
}

void ocarina(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0}, {2, 0.06, 0}, {3, 0.03, 0}};
    held(out, start, f, length, velocity, partials, {0.04, 0.1, 0.85, 0.1}, {5.5, 0.003, 0.25});
}

void clarinet(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {
        {1, 1, 0}, {2, 0.05, 0}, {3, 0.4, 0}, {5, 0.18, 0}, {7, 0.08, 0}, {9, 0.03, 0}};
    held(out, start, f, length, velocity, partials, {0.04, 0.15, 0.8, 0.1}, {4.5, 0.002, 0.3});
}

void brass(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0},       {2, 0.5, 0},     {3, 0.33, 0},
                                           {4, 0.25, 0},    {5, 0.2, 0},     {6, 0.14, 0},
                                           {7, 0.1, 0},     {8, 0.07, 0}};
    const Held envelope{0.03, 0.2, 0.75, 0.12};
    const Vibrato vibrato{5, 0.003, 0.25};
    additive(
        out, start, f, envelope.total(length), partials, velocity,
        [&](double t) { return envelope.level(t, length); },
        // The note is blown up to its pitch from a little below.
        [&](double t) { return vibrato.factor(t) * (1 - 0.02 * std::exp(-t / 0.03)); },
        // Higher harmonics come in a moment later: the horn's bite.
        [](size_t k, double t) { return std::min(1.0, t / (0.012 * static_cast<double>(k + 1))); });
}

void pluck(Signal& out, double start, double f, double length, float velocity) {
    std::array<Partial, 8> partials{};
    for (size_t n = 1; n <= partials.size(); ++n) {
        const double k = static_cast<double>(n);
        partials[n - 1] = {k, std::pow(k, -1.3) * (n % 2 ? 1.0 : 0.6), 1.5 / (1 + 0.7 * (k - 1))};
    }
    struck(out, start, f, velocity, partials, {0.002, length + 0.35});
}

void bass(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0}, {2, 0.3, 0}, {3, 0.08, 0}};
    held(out, start, f, length, velocity, partials, {0.01, 0.25, 0.55, 0.08}, {});
}

void pluckBass(Signal& out, double start, double f, double length, float velocity) {
    static constexpr Partial partials[] = {
        {1, 1, 0.6}, {2, 0.4, 0.3}, {3, 0.15, 0.15}, {4, 0.05, 0.08}};
    struck(out, start, f, velocity, partials, {0.004, length + 0.12});
}

void pad(Signal& out, double start, double f, double length, float velocity) {
    // Three slightly detuned voices of a mellow saw, through a soft low-pass.
    std::array<Partial, 12> partials{};
    const double detune[3] = {1.0, 1.0035, 0.9965};
    for (size_t v = 0; v < 3; ++v)
        for (size_t n = 1; n <= 4; ++n) {
            const double k = static_cast<double>(n);
            partials[v * 4 + n - 1] = {k * detune[v], 1.0 / (k * k) / 3, 0};
        }
    const Held envelope{0.3, 0.3, 0.8, 0.5};
    Signal voice(samplesOf(envelope.total(length)));
    held(voice, 0, f, length, 1, partials, envelope, {});
    LowPass soft(2500);
    for (float& s : voice) s = soft.process(s);
    mixInto(out, voice, samplesOf(start), velocity);
}

void kick(Signal& out, double start, double, double, float velocity) {
    const size_t first = samplesOf(start);
    double phase = 0;
    for (size_t i = 0; i < samplesOf(0.35) && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += 2 * pi * (48 + 80 * std::exp(-t / 0.035)) / sampleRate;
        const double level = std::min(1.0, t / 0.002) * std::exp(-t / 0.12);
        out[first + i] += static_cast<float>(std::sin(phase) * level * velocity);
    }
}

void shaker(Signal& out, double start, double, double, float velocity) {
    const size_t first = samplesOf(start);
    Noise noise(static_cast<uint32_t>(first + 7));
    StateVariable filter(0.8);
    for (size_t i = 0; i < samplesOf(0.15) && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double level = std::min(1.0, t / 0.004) * std::exp(-t / 0.035);
        out[first + i] +=
            filter.process(noise.next(), 6000).high * static_cast<float>(level * velocity);
    }
}

void woodBlock(Signal& out, double start, double f, double, float velocity) {
    static constexpr Partial partials[] = {{1, 1, 0.035}, {2.6, 0.3, 0.02}};
    struck(out, start, f, velocity, partials, {0.001, 0.15});
    // The knock of the stick.
    const size_t first = samplesOf(start);
    Noise noise(static_cast<uint32_t>(f));
    StateVariable filter(2);
    for (size_t i = 0; i < samplesOf(0.012) && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[first + i] += filter.process(noise.next(), std::min(2 * f, 6000.0)).band * 0.5f *
                          static_cast<float>(std::exp(-t / 0.003) * velocity);
    }
}

}  // namespace

size_t samplesOf(double seconds) {
    return seconds <= 0 ? 0 : static_cast<size_t>(std::llround(seconds * sampleRate));
}

double noteFrequency(double midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12);
}

float Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
}

void LowPass::setCutoff(double cutoffHz) {
    a_ = static_cast<float>(1 - std::exp(-2 * pi * cutoffHz / sampleRate));
}

float LowPass::process(float x) {
    z_ += a_ * (x - z_);
    return z_;
}

StateVariable::Out StateVariable::process(float x, double cutoffHz) {
    // Twice per sample, so that cutoffs up to a third of the sample rate stay stable.
    const auto f = static_cast<float>(2 * std::sin(pi * std::min(cutoffHz, sampleRate / 3.0) /
                                                   (2.0 * sampleRate)));
    float high = 0;
    for (int pass = 0; pass < 2; ++pass) {
        low_ += f * band_;
        high = x - low_ - damping_ * band_;
        band_ += f * high;
    }
    return {low_, band_, high};
}

void addReverb(Signal& signal, float wet, float roomSize, float damping) {
    struct Comb {
        std::vector<float> buffer;
        size_t at = 0;
        float store = 0;
    };
    std::array<Comb, 4> combs;
    const size_t combLengths[4] = {558, 594, 638, 678};
    for (size_t c = 0; c < combs.size(); ++c) combs[c].buffer.assign(combLengths[c], 0);
    struct AllPass {
        std::vector<float> buffer;
        size_t at = 0;
    };
    std::array<AllPass, 2> allPasses;
    allPasses[0].buffer.assign(278, 0);
    allPasses[1].buffer.assign(220, 0);
    for (float& sample : signal) {
        const float in = sample * 0.05f;
        float out = 0;
        for (Comb& comb : combs) {
            const float delayed = comb.buffer[comb.at];
            comb.store = delayed * (1 - damping) + comb.store * damping;
            comb.buffer[comb.at] = in + comb.store * roomSize;
            comb.at = (comb.at + 1) % comb.buffer.size();
            out += delayed;
        }
        for (AllPass& pass : allPasses) {
            const float delayed = pass.buffer[pass.at];
            pass.buffer[pass.at] = out + delayed * 0.5f;
            pass.at = (pass.at + 1) % pass.buffer.size();
            out = delayed - out;
        }
        sample += out * wet * 4;
    }
}

void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
    const size_t in = std::min(signal.size(), samplesOf(fadeInSeconds));
    for (size_t i = 0; i < in; ++i)
        signal[i] *= static_cast<float>(i) / static_cast<float>(in);
    const size_t out = std::min(signal.size(), samplesOf(fadeOutSeconds));
    for (size_t i = 0; i < out; ++i)
        signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void normalise(Signal& signal, float peak) {
    float largest = 0;
    for (float s : signal) largest = std::max(largest, std::fabs(s));
    if (largest == 0) return;
    for (float& s : signal) s *= peak / largest;
}

void mixInto(Signal& target, const Signal& source, size_t at, float gain) {
    if (target.size() < at + source.size()) target.resize(at + source.size(), 0);
    for (size_t i = 0; i < source.size(); ++i) target[at + i] += source[i] * gain;
}

std::string waveFileBytes(const Signal& signal) {
    std::string bytes;
    auto put16 = [&](uint32_t v) {
        bytes += static_cast<char>(v & 0xff);
        bytes += static_cast<char>((v >> 8) & 0xff);
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xffff);
        put16(v >> 16);
    };
    const auto dataSize = static_cast<uint32_t>(signal.size() * 2);
    bytes += "RIFF";
    put32(36 + dataSize);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);               // PCM
    put16(1);               // mono
    put32(sampleRate);      // samples a second
    put32(sampleRate * 2);  // bytes a second
    put16(2);               // block
    put16(16);              // bits
    bytes += "data";
    put32(dataSize);
    for (float s : signal) {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(static_cast<uint32_t>(static_cast<int32_t>(value)) & 0xffff);
    }
    return bytes;
}

void addNote(Signal& out, Instrument instrument, double start, double frequency, double length,
             float velocity) {
    using Play = void (*)(Signal&, double, double, double, float);
    static constexpr Play instruments[] = {bell,  musicBox, marimba, flute,     ocarina,
                                           clarinet, brass, pluck,   bass,      pluckBass,
                                           pad,   kick,     shaker,  woodBlock};
    instruments[static_cast<size_t>(instrument)](out, start, frequency, length, velocity);
}

}  // namespace synth
