#pragma once
// The music: a small sequencer that plays note tables with the synthesiser's instruments,
// and the tunes written for it: "MOV\menu.wav" and one tune for each music file the stage
// files name. Every tune is a loop: what rings on past its end is folded back onto its
// start, so it loops without a click.

#include <string>
#include <vector>

#include "data_tree.h"
#include "sound_synth.h"

namespace music {

// One line of a tune. A melody spells out its notes for the whole tune; chord parts and
// drums give one bar's pattern, played again in every bar.
//
// Steps are eighth notes; '|' between bars is only for the eye. A token takes one step,
// or N with "*N"; "-" holds the note before for one more step; "." is a rest.
//   melody: a note name with its octave: c5, f#4, bb3 (c4 is middle C).
//   chords: a tone of the bar's chord: 1 root, 3 third, 5 fifth, 7 seventh (the octave
//           when the chord has none), 8 the root an octave up, 0 the fifth below; c the
//           whole chord.
//   drums:  x a hit, X a strong one, o a soft one.
struct Track {
    enum Kind { Melody, Chords, Drums };
    Kind kind;
    synth::Instrument instrument;
    std::string pattern;
    float velocity;
    int octave = 4;          // chords: the octave the root is in; melody: a shift in octaves
    double pitch = 1000;     // drums: the frequency of a tuned drum (the wood block)
    double legato = 0.92;    // how much of its steps a note sounds
};

struct Tune {
    std::string file;
    double beatsPerMinute;
    int stepsPerBar;  // 8 for four beats to the bar, 6 for three
    int transpose;    // semitones, for every note and chord
    std::string chords;  // one bar after another: "C | F | G7 | C G" (two chords share a bar)
    std::vector<Track> tracks;
    float reverb = 0.2f;
};

// The loop of a tune, peaking at `peak`. Throws std::runtime_error naming the tune when
// its tables do not add up (a bar of the wrong length, an unknown note or chord).
synth::Signal renderTune(const Tune& tune, float peak = 0.32f);

const std::vector<Tune>& tunes();

}  // namespace music

// Writes every tune into the tree.
void addMusic(DataFiles& files);
