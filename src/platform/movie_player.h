#pragma once
// The start-up film in the game's window: each picture at its time, filling the window with
// its shape kept and black bars beside it, and its sound through the sound module. A key or
// a mouse button ends it at once; a film that cannot be played is skipped with one line on
// stderr.

#include <functional>
#include <string>

namespace platform {

struct IntroSettings {
    std::string file = "MOV\\oxa.mpg";  // a name in the data tree
    bool sound = true;                   // false: the film plays silently
    bool fullScreen = true;              // false: the window keeps its size
    // When above 0, the pictures follow each other without waiting for their time, and
    // `capture` is called once that many are on the screen (a screenshot of the film).
    int captureFrame = 0;
    std::function<void()> capture;
};

// What became of the film.
enum class IntroEnd { Finished, Interrupted, Broken, Skipped };

struct IntroResult {
    IntroEnd end = IntroEnd::Skipped;
    int framesDecoded = 0;
    int framesDrawn = 0;
    double seconds = 0;  // from its first picture to its end
};

// Plays the film before the game's main loop starts, running the window system's events
// itself. The window's display and input callbacks are its own while it plays and are
// cleared when it ends: the caller registers the game's afterwards.
IntroResult playIntro(const IntroSettings& settings);

}  // namespace platform
