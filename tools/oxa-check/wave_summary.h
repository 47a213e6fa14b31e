#pragma once
// A wave file read the way the game reads it, with what a level maker wants to know: its
// format, its length and how loud it gets.

#include <optional>
#include <string>

#include "__SNG/wave_file.h"

struct WaveSummary {
    WaveFormat format;
    uint32_t dataBytes = 0;
    double seconds = 0;
    double peak = 0;  // the largest sample, 1 at full scale
};

// nullopt, with `problem` saying why, when the game could not play the file.
std::optional<WaveSummary> summariseWave(std::string bytes, std::string& problem);

// "PCM 22050 Hz 16-bit mono, 0.32 s, peak -6.0 dB"
std::string waveSummaryText(const WaveSummary& wave);
