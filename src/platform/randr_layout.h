#pragma once
// The thin X side of display layouts: reading the desktop's layout through RandR 1.2 and
// changing it in the steps display_layout.h plans. Used by the game and by its watchdog,
// each on an X connection of its own.

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "platform/display_layout.h"

namespace platform {

// True when the server speaks RandR 1.3 or later (layouts by CRTC, the current resources
// without a probe of the monitors, the primary output).
bool randrLayoutsAvailable(Display* display);

// The layout as it is now. False when it cannot be read.
bool readLayout(Display* display, DisplayLayout& layout, RandrId* primaryOutput = nullptr);

// The modes every output of the CRTC offers.
std::vector<OfferedMode> offeredModes(Display* display, const CrtcLayout& crtc);
// The refresh rate of a mode, 0 when unknown.
double modeRefresh(Display* display, RandrId mode);

// The smallest and largest screen the server allows.
void screenSizeRange(Display* display, int& minWidth, int& minHeight, int& maxWidth,
                     int& maxHeight);

// Changes the layout to `wanted` with the other clients held off meanwhile. False when the
// server refused a step; the caller reads the layout again to see where it stands.
bool applyLayout(Display* display, const DisplayLayout& wanted);

// Puts `saved` back, checked and tried twice at most (see display_layout.h).
RestoreResult restoreLayout(Display* display, const DisplayLayout& saved, std::string& failure);

}  // namespace platform
