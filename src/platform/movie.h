#pragma once
// The start-up film's decoder on the FFmpeg libraries: pictures as RGB at their time in the
// film, and its sound as 16-bit samples. It reads a film held in memory, so a damaged file
// can only end the film early, never the game: every fault becomes a message.
//
// This is the only place that includes FFmpeg's headers; the window side is movie_player.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct MovieFrame {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // rows top first, 3 bytes a pixel, no padding
    double seconds = 0;        // when it shows, from the film's first picture
    double duration = 0.04;    // how long it stays
};

struct MovieSound {
    int rate = 0;
    int channels = 0;              // 1 or 2
    std::vector<int16_t> samples;  // interleaved
};

class MovieDecoder {
  public:
    MovieDecoder();
    ~MovieDecoder();
    MovieDecoder(const MovieDecoder&) = delete;
    MovieDecoder& operator=(const MovieDecoder&) = delete;

    // Opens a film held in `bytes`; false, with the reason in `error`, when it holds no
    // pictures a decoder knows.
    bool open(std::string bytes, std::string& error);

    // The next picture. False at the end of the film (`error` empty) or where the film
    // breaks (`error` says how); either way the film is over.
    bool nextFrame(MovieFrame& frame, std::string& error);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// The film's whole sound track, decoded ahead (a few seconds of sound are small). Empty
// when the film has no sound or it cannot be decoded; where it breaks, what came before.
MovieSound decodeMovieSound(const std::string& bytes);

}  // namespace platform
