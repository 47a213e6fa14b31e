#pragma once
// The way out of the game, whichever way it comes: the quit path, a closed window, a
// termination signal, or a data error that reaches the top. Every path puts the desktop
// display mode back first.

#include <exception>

[[noreturn]] void quitGame(int exitCode);

// Prints "oxa: FILE:LINE: message" (or "oxa: message"), restores the display mode and
// exits with status 1.
[[noreturn]] void dieOfError(const std::exception& error);

// The player closed the window: the normal way out. Ignored while the game is already
// leaving (the window system closes the window once more as the process exits).
void windowClosed();

// Called once the window system is set up: from then on an exit from anywhere (the X
// connection lost, say) keeps its status, though the window system's clean-up at exit
// closes the window.
void keepExitStatus();

// Ctrl+Z: the pointer let go, the held keys released and the desktop's display put back
// before the process stops; once continued, the game's mode again.
void stopGame();

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
