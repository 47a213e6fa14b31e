#include "music.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace music {

namespace {

using synth::Instrument;

struct Chord {
    int root = 0;  // pitch class, 0 = C
    bool minor = false;
    bool seventh = false;
};

// A step of a part: what sounds from it and for how many steps.
struct Event {
    int step = 0;
    int steps = 1;
    std::string token;
};

[[noreturn]] void refuse(const Tune& tune, const std::string& what) {
    throw std::runtime_error(tune.file + ": " + what);
}

int pitchClass(char letter) {
    static constexpr int classes[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    return classes[letter - 'a'];
}

// "c5" -> 72, "f#4" -> 66, "bb3" -> 58; -1 when it is no note.
int midiNote(const std::string& name) {
    if (name.size() < 2 || name[0] < 'a' || name[0] > 'g') return -1;
    int note = pitchClass(name[0]);
    size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        note += name[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') return -1;
    return note + 12 * (name[at] - '0' + 1);
}

Chord parseChord(const Tune& tune, const std::string& name) {
    if (name.empty() || name[0] < 'A' || name[0] > 'G') refuse(tune, "no chord \"" + name + "\"");
    Chord chord;
    chord.root = pitchClass(static_cast<char>(name[0] - 'A' + 'a'));
    size_t at = 1;
    if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
        chord.root = (chord.root + (name[at] == '#' ? 1 : 11)) % 12;
        ++at;
    }
    if (at < name.size() && name[at] == 'm') {
        chord.minor = true;
        ++at;
    }
    if (at < name.size() && name[at] == '7') {
        chord.seventh = true;
        ++at;
    }
    if (at != name.size()) refuse(tune, "no chord \"" + name + "\"");
    return chord;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> list;
    std::istringstream in(text);
    for (std::string word; in >> word;) list.push_back(word);
    return list;
}

// The chord of every step of the tune.
std::vector<Chord> chordSteps(const Tune& tune) {
    std::vector<Chord> steps;
    for (const std::string& bar : split(tune.chords, '|')) {
        const auto names = words(bar);
        if (names.empty() || tune.stepsPerBar % static_cast<int>(names.size()) != 0)
            refuse(tune, "a bar of chords \"" + bar + "\" does not divide the bar");
        const int share = tune.stepsPerBar / static_cast<int>(names.size());
        for (const std::string& name : names)
            for (int k = 0; k < share; ++k) steps.push_back(parseChord(tune, name));
    }
    return steps;
}

// The pattern's tokens laid out on steps: every sounding token with its length.
std::vector<Event> events(const Tune& tune, const std::string& pattern, int& stepCount) {
    std::vector<Event> list;
    int step = 0;
    int barStart = 0;
    auto endBar = [&] {
        if (step - barStart != tune.stepsPerBar)
            refuse(tune, "a bar of " + std::to_string(step - barStart) + " steps in \"" +
                             pattern + "\"");
        barStart = step;
    };
    for (const std::string& word : words(pattern)) {
        if (word == "|") {
            endBar();
            continue;
        }
        std::string token = word;
        int count = 1;
        if (auto star = word.find('*'); star != std::string::npos) {
            token = word.substr(0, star);
            count = std::stoi(word.substr(star + 1));
        }
        if (token == "-") {
            if (list.empty()) refuse(tune, "\"-\" with nothing to hold");
            list.back().steps += count;
        } else if (token != ".") {
            list.push_back({step, count, token});
        }
        step += count;
    }
    endBar();
    stepCount = step;
    return list;
}

std::vector<int> chordTones(const Tune& tune, const Chord& chord, const std::string& token,
                            int octave) {
    const int root = 12 * (octave + 1) + chord.root + tune.transpose;
    const int third = root + (chord.minor ? 3 : 4);
    const int fifth = root + 7;
    const int seventh = chord.seventh ? root + 10 : root + 12;
    if (token == "1") return {root};
    if (token == "3") return {third};
    if (token == "5") return {fifth};
    if (token == "7") return {seventh};
    if (token == "8") return {root + 12};
    if (token == "0") return {root - 5};
    if (token == "c") {
        // Close together above the part's F, whatever the root: the chords move smoothly.
        std::vector<int> tones = {root, third, fifth};
        if (chord.seventh) tones.push_back(root + 10);
        const int floor = 12 * (octave + 1) + 5;
        for (int& tone : tones) {
            while (tone < floor) tone += 12;
            while (tone >= floor + 12) tone -= 12;
        }
        return tones;
    }
    refuse(tune, "no chord tone \"" + token + "\"");
}

// Beats sound a little stronger than the steps between them, the bar's first the most.
float accent(const Tune& tune, int step) {
    const int inBar = step % tune.stepsPerBar;
    if (inBar == 0) return 1.1f;
    return inBar % 2 == 0 ? 1.0f : 0.85f;
}

void renderTrack(const Tune& tune, const Track& track, const std::vector<Chord>& chords,
                 double secondsPerStep, synth::Signal& mix) {
    int steps = 0;
    const auto list = events(tune, track.pattern, steps);
    const int loopSteps = static_cast<int>(chords.size());
    if (track.kind == Track::Melody && steps != loopSteps)
        refuse(tune, "a melody of " + std::to_string(steps) + " steps to " +
                         std::to_string(loopSteps) + " steps of chords");
    if (track.kind != Track::Melody && steps != tune.stepsPerBar)
        refuse(tune, "a pattern that is not one bar: \"" + track.pattern + "\"");
    const int repeats = track.kind == Track::Melody ? 1 : loopSteps / tune.stepsPerBar;
    for (int bar = 0; bar < repeats; ++bar) {
        for (const Event& event : list) {
            const int step = bar * steps + event.step;
            const double start = step * secondsPerStep;
            const double length = event.steps * secondsPerStep * track.legato;
            const float velocity = track.velocity * accent(tune, step);
            std::vector<double> frequencies;
            if (track.kind == Track::Melody) {
                const int note = midiNote(event.token);
                if (note < 0) refuse(tune, "no note \"" + event.token + "\"");
                frequencies.push_back(
                    synth::noteFrequency(note + tune.transpose + 12 * track.octave));
            } else if (track.kind == Track::Chords) {
                for (int tone : chordTones(tune, chords[static_cast<size_t>(step)], event.token,
                                           track.octave))
                    frequencies.push_back(synth::noteFrequency(tone));
            } else {
                if (event.token != "x" && event.token != "X" && event.token != "o")
                    refuse(tune, "no drum stroke \"" + event.token + "\"");
                frequencies.push_back(track.pitch);
            }
            const float strength = event.token == "X" ? 1.4f : event.token == "o" ? 0.6f : 1.0f;
            for (double frequency : frequencies)
                synth::addNote(mix, track.instrument, start, frequency, length,
                               velocity * strength);
        }
    }
}

}  // namespace

synth::Signal renderTune(const Tune& tune, float peak) {
    const std::vector<Chord> chords = chordSteps(tune);
    const double secondsPerStep = 60.0 / tune.beatsPerMinute / 2;
    const size_t loop = synth::samplesOf(static_cast<double>(chords.size()) * secondsPerStep);
    // Room for the last notes to ring and the room to answer.
    synth::Signal mix(loop + synth::samplesOf(3.5), 0.0f);
    for (const Track& track : tune.tracks) renderTrack(tune, track, chords, secondsPerStep, mix);
    synth::addReverb(mix, tune.reverb);
    // What sounds past the end is heard again at the start of the next time round.
    for (size_t i = loop; i < mix.size(); ++i) mix[(i - loop) % loop] += mix[i];
    mix.resize(loop);
    synth::normalise(mix, peak);
    return mix;
}

const std::vector<Tune>& tunes() {
    using T = Track;
    using I = Instrument;
    static const std::vector<Tune> list = {
        // The menus: a cheerful skip on marimba and bells.
        {"MOV\\menu.wav", 116, 8, 2, "C | F | G | C | Am | F | G | C",
         {{T::Melody, I::Marimba,
           "c5 e5 g5 e5 c6*2 g5*2 | a5*2 f5 a5 c6*2 a5*2 | g5 f5 e5 d5 b4*2 d5*2 | "
           "e5 g5 c5*2 .*4 | a4 c5 e5 a5 g5*2 e5*2 | f5 e5 d5 c5 a4*2 c5*2 | "
           "d5*2 g5*2 f5 e5 d5 b4 | c5*4 .*2 g4 b4",
           0.9f, 0},
          {T::Melody, I::Bell,
           "c5 e5 g5 e5 c6*2 g5*2 | a5*2 f5 a5 c6*2 a5*2 | g5 f5 e5 d5 b4*2 d5*2 | "
           "e5 g5 c5*2 .*4 | a4 c5 e5 a5 g5*2 e5*2 | f5 e5 d5 c5 a4*2 c5*2 | "
           "d5*2 g5*2 f5 e5 d5 b4 | c5*4 .*2 g4 b4",
           0.22f, 1},
          {T::Chords, I::Pluck, "1 3 5 8 5 3 1 3", 0.3f, 4},
          {T::Chords, I::PluckBass, "1*2 . . 5*2 . .", 0.6f, 2},
          {T::Drums, I::Kick, "X . . . x . . .", 0.45f},
          {T::Drums, I::Shaker, ". o . x . o . x", 0.25f}},
         0.18f},
        // Level 1, a garden morning: a flute over a harp.
        {"MOV\\muzyka01.wav", 96, 8, -7, "C | F | C | G | Am | F | G | C",
         {{T::Melody, I::Flute,
           "e5*3 d5 c5*2 d5*2 | e5*2 f5*2 a5*4 | g5*3 e5 c5*2 e5*2 | d5*6 .*2 | "
           "c5*2 e5*2 a5*3 g5 | f5*2 a5*2 c6*2 a5*2 | g5*2 f5*2 e5*2 d5*2 | c5*6 .*2",
           0.8f, 0},
          {T::Chords, I::Pluck, "1 5 8 5 3 5 8 5", 0.3f, 4},
          {T::Chords, I::Bass, "1*4 5*4", 0.45f, 3},
          {T::Chords, I::Pad, "c*8", 0.16f, 4},
          {T::Drums, I::Shaker, ". . o . . . o .", 0.15f}}},
        // Level 2, a meadow waltz on marimba.
        {"MOV\\muzyka02.wav", 138, 6, -5,
         "C | C | G | G | G7 | G7 | C | C | F | F | C | C | G | G7 | C | C",
         {{T::Melody, I::Marimba,
           "c5*2 e5*2 g5*2 | c6*4 b5*2 | a5*2 g5*2 f5*2 | g5*6 | f5*2 g5*2 a5*2 | b5*4 a5*2 | "
           "g5*2 e5*2 c5*2 | e5*6 | f5*2 a5*2 c6*2 | a5*4 f5*2 | e5*2 g5*2 c6*2 | g5*6 | "
           "d5*2 f5*2 b5*2 | a5*2 g5*2 f5*2 | e5*2 d5*2 c5*2 | c5*6",
           0.85f, 0},
          {T::Chords, I::PluckBass, "1*2 . . . .", 0.55f, 3},
          {T::Chords, I::Pluck, ". . c . c .", 0.22f, 4},
          {T::Chords, I::Pad, "c*6", 0.1f, 4}}},
        // Level 3, by the pond: an ocarina, drops of bells.
        {"MOV\\muzyka03.wav", 84, 8, 0, "Am | F | C | G | Am | F | G | G",
         {{T::Melody, I::Ocarina,
           "a4*2 c5*2 e5*4 | f5*2 e5 d5 c5*4 | g4*2 c5*2 e5*2 g5*2 | d5*8 | "
           "e5*2 a5*2 g5*2 e5*2 | f5*2 a5*2 c6*4 | b5*2 a5*2 g5*2 d5*2 | g5*4 .*4",
           0.8f, 0},
          {T::Chords, I::Bell, ". . 5 . . . 8 .", 0.2f, 5},
          {T::Chords, I::Pad, "c*8", 0.22f, 4},
          {T::Chords, I::Bass, "1*8", 0.45f, 2}},
         0.25f},
        // Level 4, busy bees: plucked strings, skipping along.
        {"MOV\\muzyka04.wav", 120, 8, 2, "C | C | F | C | G | F | C G | C",
         {{T::Melody, I::Pluck,
           "c5 e5 g5 e5 d5 f5 a5 f5 | e5 g5 c6 g5 e5*2 .*2 | f5 a5 c6 a5 g5 f5 e5 d5 | "
           "e5 c5 g4 c5 e5*2 .*2 | d5 g5 b5 g5 d5 g5 b5 d6 | c6 a5 f5 a5 c6*2 .*2 | "
           "e5 g5 e5 c5 d5 b4 d5 g5 | c5*2 g4*2 c5*2 .*2",
           0.85f, 0},
          {T::Melody, I::Marimba,
           "c5 e5 g5 e5 d5 f5 a5 f5 | e5 g5 c6 g5 e5*2 .*2 | f5 a5 c6 a5 g5 f5 e5 d5 | "
           "e5 c5 g4 c5 e5*2 .*2 | d5 g5 b5 g5 d5 g5 b5 d6 | c6 a5 f5 a5 c6*2 .*2 | "
           "e5 g5 e5 c5 d5 b4 d5 g5 | c5*2 g4*2 c5*2 .*2",
           0.3f, 0},
          {T::Chords, I::PluckBass, "1 . 5 . 8 . 5 .", 0.55f, 2},
          {T::Drums, I::WoodBlock, "x . o . x . o .", 0.22f, 4, 1200},
          {T::Drums, I::Kick, "x . . . x . . .", 0.35f}}},
        // Level 5, evening: a music box lullaby.
        {"MOV\\muzyka05.wav", 76, 8, 3, "C | Am | F | G | C | Am | Dm G | C",
         {{T::Melody, I::MusicBox,
           "g5*4 e5*2 c5*2 | a5*4 e5*4 | f5*2 a5*2 c6*2 a5*2 | g5*6 .*2 | "
           "e5*2 g5*2 c6*3 b5 | a5*4 e5*2 c5*2 | d5*2 f5*2 g5*2 b4*2 | c5*6 .*2",
           0.85f, 0},
          {T::Chords, I::Pad, "c*8", 0.2f, 4},
          {T::Chords, I::Pluck, "1 3 5 8 5 3 5 3", 0.22f, 3},
          {T::Chords, I::Bass, "1*8", 0.35f, 2}},
         0.28f},
        // Level 6, a sunny march: clarinet, bass and drum.
        {"MOV\\muzyka06.wav", 108, 8, -5, "C | G | C | F | C | G | F G | C",
         {{T::Melody, I::Clarinet,
           "g5*2 e5 g5 c6*2 g5*2 | d5*2 g5*2 b5*2 g5*2 | e5 f5 g5 a5 g5*2 e5*2 | "
           "f5*2 a5*2 c6*2 a5 f5 | e5*2 g5*2 c6*2 e6*2 | d6*2 b5*2 g5*2 d5*2 | "
           "c5*2 a5*2 b5*2 d6*2 | c6*4 .*4",
           0.8f, 0},
          {T::Chords, I::Bass, "1 . 5 . 1 . 5 .", 0.5f, 3, 1000, 0.6},
          {T::Chords, I::Pluck, ". c . c . c . c", 0.22f, 4},
          {T::Drums, I::Kick, "X . . . x . . .", 0.45f},
          {T::Drums, I::Shaker, "x o x o x o x o", 0.2f}}},
        // Level 7, swaying: a flute over a strummed ukulele.
        {"MOV\\muzyka07.wav", 92, 8, -3, "C | Em | F | G | C | Em | F G | C",
         {{T::Melody, I::Flute,
           "c5*3 d5 e5*2 g5*2 | b4*3 c5 d5*2 e5*2 | f5*2 e5*2 c5*2 a4*2 | b4*2 d5*2 g5*4 | "
           "e5*3 f5 g5*2 c6*2 | b5*3 a5 g5*2 e5*2 | a5*2 f5*2 g5*2 d5*2 | c5*6 .*2",
           0.8f, 0},
          {T::Chords, I::Pluck, "c . c c . c c .", 0.22f, 4},
          {T::Chords, I::PluckBass, "1*3 5 . 1 . .", 0.5f, 2},
          {T::Drums, I::Shaker, "o . x . o . x .", 0.15f}}},
        // Level 8, tiptoeing: marimba in a minor key, on soft wood.
        {"MOV\\muzyka08.wav", 100, 8, 0, "Am | G | F | E | Am | G | F E | Am",
         {{T::Melody, I::Marimba,
           "a4 . c5 . e5 . a5 . | g5 . d5 . b4 . d5 . | c5 . f5 . a5 . c6 . | "
           "b5*2 g#5*2 e5*4 | a5 . e5 . c5 . e5 . | d5 . g5 . b5 . g5 . | "
           "a5*2 f5*2 e5*2 g#5*2 | a5*4 .*4",
           0.85f, 0},
          {T::Chords, I::PluckBass, "1 . . 1 5 . . .", 0.5f, 2},
          {T::Drums, I::WoodBlock, "x . . x . . x .", 0.2f, 4, 900},
          {T::Chords, I::Pad, "c*8", 0.12f, 4}}},
        // Level 9, floating on clouds: long flute notes over strings, a few sparkles.
        {"MOV\\muzyka09.wav", 80, 8, -2, "C | Dm | Em | F | C | Am | F G | C",
         {{T::Melody, I::Flute,
           "g5*6 e5*2 | f5*4 a5*4 | g5*6 b4*2 | a5*4 c6*4 | g5*4 e5*2 c5*2 | e5*4 a5*4 | "
           "a5*2 c6*2 b5*2 d5*2 | c5*8",
           0.7f, 0},
          {T::Chords, I::Pad, "c*8", 0.25f, 4},
          {T::Chords, I::Bell, "8 . . . 5 . . .", 0.18f, 5},
          {T::Chords, I::Bass, "1*8", 0.4f, 2}},
         0.3f},
        // Level 10, the last garden: bells and clarinet, a happy skip to the end.
        {"MOV\\muzyka10.wav", 116, 8, 0, "C | Am | F | G | C | Am | F G | C",
         {{T::Melody, I::Bell,
           "e5*2 g5*2 c6*3 b5 | a5*2 e5*2 c5*4 | f5 g5 a5 c6 a5*2 f5*2 | g5*2 b5*2 d6*2 b5*2 | "
           "c6*2 g5*2 e5*3 g5 | a5*2 c6*2 e6*4 | d6*2 c6*2 b5*2 d6*2 | c6*6 .*2",
           0.8f, 0},
          {T::Melody, I::Clarinet,
           "e5*2 g5*2 c6*3 b5 | a5*2 e5*2 c5*4 | f5 g5 a5 c6 a5*2 f5*2 | g5*2 b5*2 d6*2 b5*2 | "
           "c6*2 g5*2 e5*3 g5 | a5*2 c6*2 e6*4 | d6*2 c6*2 b5*2 d6*2 | c6*6 .*2",
           0.3f, -1},
          {T::Chords, I::Pluck, "1 3 5 3 8 5 3 5", 0.28f, 4},
          {T::Chords, I::PluckBass, "1 . 1 . 5 . 5 .", 0.55f, 2},
          {T::Drums, I::Kick, "X . . . x . . .", 0.4f},
          {T::Drums, I::Shaker, ". x . x . x . x", 0.2f}}},
    };
    return list;
}

}  // namespace music

void addMusic(DataFiles& files) {
    for (const music::Tune& tune : music::tunes())
        files[tune.file] = synth::waveFileBytes(music::renderTune(tune));
}
