// The start-up film's decoder on any bytes: it opens them or says why not, gives pictures of
// the size it says, and ends; FFmpeg itself is not instrumented, our use of it is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/movie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::MovieDecoder decoder;
    std::string error;
    if (!decoder.open(bytes, error)) {
        if (error.empty()) __builtin_trap();
    } else {
        platform::MovieFrame frame;
        double last = -1;
        for (int n = 0; n < 300 && decoder.nextFrame(frame, error); ++n) {
            if (frame.rgb.size() != static_cast<size_t>(frame.width) * frame.height * 3)
                __builtin_trap();
            if (!(frame.seconds > last)) __builtin_trap();  // time only goes forward
            last = frame.seconds;
        }
    }
    const platform::MovieSound sound = platform::decodeMovieSound(bytes);
    if (sound.channels && sound.samples.size() % static_cast<size_t>(sound.channels))
        __builtin_trap();
    return 0;
}
