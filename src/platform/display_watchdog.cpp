#include "platform/display_watchdog.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/randr_layout.h"

extern char** environ;

namespace platform {

namespace {

constexpr char allIsWell = 'q';
constexpr const char* endOfLayout = "end\n";

volatile sig_atomic_t watchdogPid = 0;
int gameEnd = -1;  // the game's end of the socket pair

// Reaps the watchdog if it ends while the game runs (someone killed it).
void onChildEnded(int) {
    const int saved = errno;
    const pid_t pid = watchdogPid;
    if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) watchdogPid = 0;
    errno = saved;
}

bool sendAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        done += static_cast<size_t>(sent);
    }
    return true;
}

}  // namespace

bool startDisplayWatchdog(const DisplayLayout& desktop) {
    if (watchdogPid > 0) return true;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::fprintf(stderr, "oxa: no display watchdog (%s)\n", std::strerror(errno));
        return false;
    }
    // The watchdog's end crosses the exec; the game's end must not, or the watchdog would
    // hold it open and never see the game die.
    ::fcntl(ends[1], F_SETFD, 0);

    struct sigaction reap = {};
    reap.sa_handler = onChildEnded;
    sigemptyset(&reap.sa_mask);
    reap.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    ::sigaction(SIGCHLD, &reap, nullptr);

    const std::string descriptor = std::to_string(ends[1]);
    char name[] = "oxa";
    char option[64];
    std::snprintf(option, sizeof option, "%s", displayWatchdogOption);
    char* argv[] = {name, option, const_cast<char*>(descriptor.c_str()), nullptr};
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, environ);
    ::close(ends[1]);
    if (error != 0) {
        ::close(ends[0]);
        std::fprintf(stderr, "oxa: no display watchdog (%s)\n", std::strerror(error));
        return false;
    }
    watchdogPid = pid;
    gameEnd = ends[0];
    if (!sendAll(gameEnd, formatLayout(desktop) + endOfLayout)) {
        std::fprintf(stderr, "oxa: the display watchdog did not take the desktop's layout\n");
        return false;
    }
    return true;
}

bool displayWatchdogRunning() {
    return watchdogPid > 0;
}

void dismissDisplayWatchdog(bool desktopRestored) {
    if (gameEnd < 0) return;
    if (desktopRestored) sendAll(gameEnd, std::string(1, allIsWell));
    ::close(gameEnd);
    gameEnd = -1;
    const pid_t pid = watchdogPid;
    if (pid <= 0) return;
    // It ends at once on the byte, or after its restore; it is not waited for forever.
    for (int wait = 0; wait < 100; ++wait) {
        const pid_t ended = ::waitpid(pid, nullptr, WNOHANG);
        if (ended == pid || (ended < 0 && errno == ECHILD)) {
            watchdogPid = 0;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

int runDisplayWatchdog(const char* descriptor) {
    char* end = nullptr;
    const long parsed = std::strtol(descriptor, &end, 10);
    if (!end || *end || parsed < 3 || parsed > 1 << 20) return 2;
    const int fd = static_cast<int>(parsed);
    ::prctl(PR_SET_NAME, "oxa-watchdog");
    for (int sig : {SIGINT, SIGQUIT, SIGHUP, SIGTERM, SIGTSTP, SIGTTIN, SIGTTOU, SIGPIPE})
        ::signal(sig, SIG_IGN);
    // Nothing of the game's but the socket: above all not its X connection.
    ::close_range(3, static_cast<unsigned>(fd) - 1, 0);
    ::close_range(static_cast<unsigned>(fd) + 1, ~0u, 0);
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        if (null > STDERR_FILENO && null != fd) ::close(null);
    }

    std::string received;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        received.append(chunk, static_cast<size_t>(got));
        const size_t endAt = received.find(endOfLayout);
        if (endAt == std::string::npos) continue;
        // The byte after the layout, if it already came, is the game's word.
        if (received.size() > endAt + std::strlen(endOfLayout)) return 0;
        received.resize(endAt);
        char word = 0;
        ssize_t last = 0;
        do {
            last = ::read(fd, &word, 1);
        } while (last < 0 && errno == EINTR);
        if (last == 1 && word == allIsWell) return 0;
        // The game is gone without its word: put the desktop back.
        auto desktop = parseLayout(received);
        if (!desktop) return 2;
        Display* display = XOpenDisplay(nullptr);
        if (!display) return 0;  // the X server went with the game
        std::string failure;
        const RestoreResult result = restoreLayout(display, *desktop, failure);
        XCloseDisplay(display);
        if (result == RestoreResult::Failed) {
            std::fprintf(stderr, "oxa: %s\n", failure.c_str());
            return 1;
        }
        if (result == RestoreResult::Restored)
            std::fprintf(stderr, "oxa: the game died; its watchdog put the display back (%s)\n",
                         describeLayout(*desktop).c_str());
        return 0;
    }
    return 0;  // the game ended before it said anything
}

}  // namespace platform
