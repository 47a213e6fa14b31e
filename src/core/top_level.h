#pragma once
// The way out of the game, whichever way it comes: the quit path, a closed window, a
// termination signal, or a data error that reaches the top. Every path puts the desktop
// display mode back first.

#include <exception>

[[noreturn]] void quitGame(int exitCode);

// Prints "oxa: FILE:LINE: message" (or "oxa: message"), restores the display mode and
// exits with status 1.
[[noreturn]] void dieOfError(const std::exception& error);

// True once one of the two above has begun: the window that the exit closes must not
// start another way out, whose status would replace theirs.
bool gameIsEnding();

// Runs one window-system callback's work; an error escaping it ends the game cleanly
// instead of unwinding through the window system's C code.
template <typename Work>
void guarded(Work&& work) {
    try {
        work();
    } catch (const std::exception& error) {
        dieOfError(error);
    }
}
