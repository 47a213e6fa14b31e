#include "platform/signals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

#include "platform/display_mode.h"

namespace platform {

namespace {

volatile sig_atomic_t requested = 0;

void onTerminate(int sig) {
    if (requested) {
        // Asked twice: the main loop is not getting there; leave now.
        restoreDesktopMode();
        _exit(128 + sig);
    }
    requested = sig;
}

void onCrash(int sig) {
    restoreDesktopMode();
    signal(sig, SIG_DFL);
    raise(sig);
}

}  // namespace

void installSignalHandlers() {
    struct sigaction terminate = {};
    terminate.sa_handler = onTerminate;
    sigemptyset(&terminate.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &terminate, nullptr);

    struct sigaction crash = {};
    crash.sa_handler = onCrash;
    sigemptyset(&crash.sa_mask);
    crash.sa_flags = SA_RESETHAND;
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE}) sigaction(sig, &crash, nullptr);
}

int quitSignal() {
    return requested;
}

}  // namespace platform
