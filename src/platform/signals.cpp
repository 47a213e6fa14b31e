#include "platform/signals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

#include "platform/display_mode.h"
#include "platform/display_watchdog.h"

namespace platform {

namespace {

volatile sig_atomic_t requested = 0;
volatile sig_atomic_t stopAsked = 0;

void onTerminate(int sig) {
    if (requested) {
        // Asked twice: the main loop is not getting there; leave now.
        restoreDesktopMode();
        _exit(128 + sig);
    }
    requested = sig;
}

void onFatal(int sig) {
    // The watchdog restores the display once this process is gone; X calls here could
    // hang on a lock the crash left taken.
    if (!displayWatchdogRunning()) restoreDesktopMode();
    signal(sig, SIG_DFL);
    raise(sig);
}

void onStop(int) {
    stopAsked = 1;
}

}  // namespace

void installSignalHandlers() {
    struct sigaction terminate = {};
    terminate.sa_handler = onTerminate;
    sigemptyset(&terminate.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &terminate, nullptr);

    struct sigaction fatal = {};
    fatal.sa_handler = onFatal;
    sigemptyset(&fatal.sa_mask);
    fatal.sa_flags = SA_RESETHAND;
    for (int sig : {SIGQUIT, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTRAP})
        sigaction(sig, &fatal, nullptr);

    struct sigaction stop = {};
    stop.sa_handler = onStop;
    sigemptyset(&stop.sa_mask);
    stop.sa_flags = SA_RESTART;
    sigaction(SIGTSTP, &stop, nullptr);
}

int quitSignal() {
    return requested;
}

bool stopRequested() {
    return stopAsked != 0;
}

void stopNow() {
    stopAsked = 0;
    // SIGSTOP rather than SIGTSTP: a stop nobody can lose (the kernel drops SIGTSTP for a
    // process group without a controlling shell).
    kill(getpid(), SIGSTOP);
}

}  // namespace platform
