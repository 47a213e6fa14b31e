#pragma once
// The start-up film "MOV\oxa.mpg": the bee flies over a sunny garden to her hive, the name
// OXA appears, and the menu tune plays. Painted frame by frame and encoded with the FFmpeg
// libraries as MPEG-1 video with MPEG audio (layer II), the same bytes on every run.

#include <string>

#include "data_tree.h"

namespace film {

inline constexpr int width = 640;
inline constexpr int height = 480;
inline constexpr int framesPerSecond = 25;
inline constexpr int frameCount = 250;  // ten seconds
inline constexpr int audioRate = 44100;

// The encoded film. Throws std::runtime_error when the encoder refuses its settings.
std::string encodeIntroFilm();

}  // namespace film

void addIntroFilm(DataFiles& files);
