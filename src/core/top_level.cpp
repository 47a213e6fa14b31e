#include "core/top_level.h"

#include <cstdio>
#include <cstdlib>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#include "assets/data_error.h"
#include "core/display_record.h"
#include "core/game_flow.h"
#include "platform/display_mode.h"
#include "platform/input.h"
#include "platform/signals.h"

namespace {
// Set once the game is on its way out. The window system's own clean-up at exit closes the
// window, and that close must not start a second way out with another exit status.
bool leaving = false;
}  // namespace

void quitGame(int exitCode) {
    leaving = true;
    ekran.restoreMode();
    freeEverything();
    std::exit(exitCode);
}

void dieOfError(const std::exception& error) {
    leaving = true;
    ekran.restoreMode();
    if (auto* dataError = dynamic_cast<const DataError*>(&error))
        std::fprintf(stderr, "oxa: %s\n", dataError->report().c_str());
    else
        std::fprintf(stderr, "oxa: %s\n", error.what());
    std::exit(1);
}

void windowClosed() {
    if (!leaving) quitGame(0);
}

void keepExitStatus() {
    // Exit handlers run last registered first: this one before the window system's.
    std::atexit([] {
        leaving = true;
#ifdef __SANITIZE_ADDRESS__
        // The window system's clean-up closes the GL context and unloads Mesa's driver,
        // leaving the driver's own allocations unreachable: our leaks are looked for
        // before it runs.
        __lsan_do_leak_check();
#endif
    });
}

void stopGame() {
    platform::confinePointer(false);
    platform::releaseHeldKeys();
    const bool switched = platform::modeSwitched();
    ekran.restoreMode();
    platform::flushWindowSystem();
    platform::stopNow();
    // Continued: the game's mode again, the window on its monitor, the pointer at its centre.
    if (switched) DisplayRecord::switchMode(ekran);
}
