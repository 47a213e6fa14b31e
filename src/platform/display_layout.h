#pragma once
// The desktop's monitors as RandR 1.2 sees them, as plain data: the screen's size and, for
// every CRTC (the scan-out engine behind one or more outputs), its mode, position, rotation
// and outputs. The display-mode code reads the desktop's layout at start, switches the
// game's monitor by changing one CRTC, and puts the whole layout back at the end; the
// rules for doing so live here, away from X, so they can be tested against recorded
// layouts.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// RandR's ids (X resource ids); 0 is "none".
using RandrId = unsigned long;

// RandR's rotation bits.
constexpr unsigned rotate0 = 1, rotate90 = 2, rotate180 = 4, rotate270 = 8;

struct CrtcLayout {
    RandrId crtc = 0;
    RandrId mode = 0;  // 0: the CRTC is off
    int x = 0, y = 0;
    int width = 0, height = 0;  // the screen area it shows (rotation applied)
    unsigned rotation = rotate0;
    std::vector<RandrId> outputs;

    bool on() const { return mode != 0; }
    // Equal in everything the screen shows.
    bool sameAs(const CrtcLayout& other) const;
};

struct DisplayLayout {
    int width = 0, height = 0;      // the screen, in pixels
    int widthMm = 0, heightMm = 0;  // and in millimetres
    std::vector<CrtcLayout> crtcs;

    int monitorsOn() const;
    const CrtcLayout* crtc(RandrId id) const;
};

// Equal screen size and every CRTC the same.
bool sameLayout(const DisplayLayout& a, const DisplayLayout& b);

// "1824x768: 1024x768+0+0, 800x600+1024+0" (the monitors that are on), for messages.
std::string describeLayout(const DisplayLayout& layout);

// A layout as lines of text and back (the watchdog receives the desktop's layout this way).
std::string formatLayout(const DisplayLayout& layout);
std::optional<DisplayLayout> parseLayout(std::string_view text);

// One change the X server is asked for.
struct LayoutStep {
    enum class Kind { CrtcOff, ScreenSize, SetCrtc };
    Kind kind = Kind::SetCrtc;
    CrtcLayout crtc;                // CrtcOff (its id), SetCrtc
    int width = 0, height = 0;      // ScreenSize
    int widthMm = 0, heightMm = 0;  // ScreenSize
};

// The steps from `current` to `wanted`, in an order the X server accepts at every step:
// CRTCs that must give up an output are switched off first; the screen grows before any
// CRTC needs the room and shrinks only after every CRTC is where it is wanted. CRTCs that
// already are as wanted are not touched. Nothing when the two are the same.
std::vector<LayoutStep> planLayoutChange(const DisplayLayout& current, const DisplayLayout& wanted);

// A mode an output offers.
struct OfferedMode {
    RandrId id = 0;
    int width = 0, height = 0;
    double refresh = 0;  // Hz
};

// The offered mode of exactly that size, the refresh rate nearest `refresh` (the monitor's
// own) first; nothing when the size is not offered.
std::optional<OfferedMode> pickMode(const std::vector<OfferedMode>& offered, int width, int height,
                                    double refresh);

// The monitor the game takes: the CRTC of the primary output if that is on, otherwise the
// first CRTC that is on; nothing when every monitor is off.
std::optional<size_t> gameCrtc(const DisplayLayout& layout, RandrId primaryOutput);

// The desktop with the game's CRTC showing `mode` where it stood; the other monitors stay
// as they are, and the screen becomes the smallest that holds every monitor that is on
// (never below minWidth x minHeight), at the desktop's pixel density.
DisplayLayout switchedLayout(const DisplayLayout& desktop, size_t gameCrtcIndex,
                             const OfferedMode& mode, int minWidth = 0, int minHeight = 0);

enum class RestoreResult { AlreadyThere, Restored, Failed };

// Puts `saved` back through `read` (the layout as it is now; false when it cannot be read)
// and `apply` (asks the server for a layout): reads and compares, changes, reads and
// compares again, and tries once more if the layout is still not as saved. On failure
// `failure` says what was wanted and what was found.
RestoreResult restoreLayout(const DisplayLayout& saved,
                            const std::function<bool(DisplayLayout&)>& read,
                            const std::function<bool(const DisplayLayout&)>& apply,
                            std::string& failure);

}  // namespace platform
