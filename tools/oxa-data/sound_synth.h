#pragma once
// Our own sound synthesis: oscillators, noise, envelopes, filters and a few soft
// instruments, all deterministic (the same samples on every run). Sounds are mono float
// signals at 22050 samples a second, written as 16-bit PCM wave files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

inline constexpr int sampleRate = 22050;
using Signal = std::vector<float>;

// Samples in a length of time (rounded), and the sample a time falls on.
size_t samplesOf(double seconds);

// The frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteFrequency(double midiNote);

// White noise from a fixed seed, -1 to 1.
class Noise {
  public:
    explicit Noise(uint32_t seed = 12345) : state_(seed) {}
    float next();

  private:
    uint32_t state_;
};

// A one-pole low-pass filter (a gentle 6 dB per octave slope).
class LowPass {
  public:
    explicit LowPass(double cutoffHz) { setCutoff(cutoffHz); }
    void setCutoff(double cutoffHz);
    float process(float x);

  private:
    float a_ = 0, z_ = 0;
};

// A state-variable filter with a cutoff that may change every sample: low, band and high
// outputs of the same input.
class StateVariable {
  public:
    explicit StateVariable(double q = 0.7) : damping_(static_cast<float>(1.0 / q)) {}
    struct Out {
        float low, band, high;
    };
    Out process(float x, double cutoffHz);

  private:
    float damping_;
    float low_ = 0, band_ = 0;
};

// A small room reverb (four damped combs and two all-passes), mixed in at `wet`.
void addReverb(Signal& signal, float wet, float roomSize = 0.78f, float damping = 0.3f);

// Short ramps at both ends, so that a sound starts and ends without a click.
void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

// Scales the signal so that its largest magnitude is `peak` (a silent signal stays).
void normalise(Signal& signal, float peak);

// Adds `source` into `target` from sample `at`, growing `target` when needed.
void mixInto(Signal& target, const Signal& source, size_t at, float gain = 1.0f);

// The bytes of a RIFF WAVE file: 22050 Hz, 16-bit, mono PCM.
std::string waveFileBytes(const Signal& signal);

// The instruments. Each adds one note into `out` from `start` (seconds): `length` is how
// long the note is held, `velocity` its loudness (about 0 to 1). Struck and plucked
// instruments ring on after `length`; held ones release. Nothing is written beyond the
// end of `out`, which the caller sizes (a note's tail fits in 3 seconds).
enum class Instrument {
    Bell,       // a soft celesta
    MusicBox,   // a plinky music box
    Marimba,    // wooden bars
    Flute,      // breathy, with vibrato
    Ocarina,    // round and pure
    Clarinet,   // hollow, odd harmonics
    Brass,      // a bright horn for fanfares
    Pluck,      // a harp or guitar string
    Bass,       // a round, soft bass
    PluckBass,  // a plucked double bass
    Pad,        // warm, slow strings for chords
    Kick,       // a soft, low thump
    Shaker,     // a light rattle
    WoodBlock,  // a hollow tock
};
void addNote(Signal& out, Instrument instrument, double start, double frequency, double length,
             float velocity);

}  // namespace synth
