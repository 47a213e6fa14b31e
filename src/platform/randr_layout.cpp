#include "platform/randr_layout.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>

namespace platform {

namespace {

// X reports a refused request through the error handler, which by default ends the
// process: while the layout changes, errors are collected instead.
int trappedError = 0;

int collectError(Display*, XErrorEvent* event) {
    trappedError = event->error_code;
    return 0;
}

class ErrorTrap {
  public:
    explicit ErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        trappedError = 0;
        previous_ = XSetErrorHandler(collectError);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    bool failed() {
        XSync(display_, False);
        return trappedError != 0;
    }

  private:
    Display* display_;
    XErrorHandler previous_;
};

Window rootOf(Display* display) {
    return DefaultRootWindow(display);
}

}  // namespace

bool randrLayoutsAvailable(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase)) return false;
    if (!XRRQueryVersion(display, &major, &minor)) return false;
    return major > 1 || (major == 1 && minor >= 3);
}

bool readLayout(Display* display, DisplayLayout& layout, RandrId* primaryOutput) {
    ErrorTrap trap(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, rootOf(display));
    if (!resources) return false;
    layout = DisplayLayout();
    // The root window's size is the screen's, read fresh (the connection's cached size goes
    // stale once the screen changes).
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(display, rootOf(display), &root, &x, &y, &width, &height, &border, &depth);
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.widthMm = DisplayWidthMM(display, DefaultScreen(display));
    layout.heightMm = DisplayHeightMM(display, DefaultScreen(display));
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!info) continue;
        CrtcLayout crtc;
        crtc.crtc = resources->crtcs[i];
        crtc.mode = info->mode;
        crtc.x = info->x;
        crtc.y = info->y;
        crtc.width = static_cast<int>(info->width);
        crtc.height = static_cast<int>(info->height);
        crtc.rotation = info->rotation;
        crtc.outputs.assign(info->outputs, info->outputs + info->noutput);
        layout.crtcs.push_back(std::move(crtc));
        XRRFreeCrtcInfo(info);
    }
    XRRFreeScreenResources(resources);
    if (primaryOutput) *primaryOutput = XRRGetOutputPrimary(display, rootOf(display));
    return !trap.failed();
}

std::vector<OfferedMode> offeredModes(Display* display, const CrtcLayout& crtc) {
    std::vector<OfferedMode> offered;
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, rootOf(display));
    if (!resources) return offered;
    // A mode every output of the CRTC offers (outputs showing the same picture).
    std::vector<RandrId> common;
    bool first = true;
    for (RandrId output : crtc.outputs) {
        XRROutputInfo* info = XRRGetOutputInfo(display, resources, output);
        if (!info) continue;
        std::vector<RandrId> modes(info->modes, info->modes + info->nmode);
        XRRFreeOutputInfo(info);
        if (first) {
            common = modes;
            first = false;
        } else {
            std::erase_if(common, [&](RandrId m) {
                return std::find(modes.begin(), modes.end(), m) == modes.end();
            });
        }
    }
    for (RandrId id : common) {
        for (int k = 0; k < resources->nmode; ++k) {
            const XRRModeInfo& mode = resources->modes[k];
            if (mode.id != id) continue;
            double refresh = 0;
            if (mode.hTotal && mode.vTotal)
                refresh = static_cast<double>(mode.dotClock) /
                          (static_cast<double>(mode.hTotal) * static_cast<double>(mode.vTotal));
            offered.push_back({id, static_cast<int>(mode.width), static_cast<int>(mode.height),
                               refresh});
        }
    }
    XRRFreeScreenResources(resources);
    return offered;
}

double modeRefresh(Display* display, RandrId mode) {
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, rootOf(display));
    if (!resources) return 0;
    double refresh = 0;
    for (int k = 0; k < resources->nmode; ++k) {
        const XRRModeInfo& info = resources->modes[k];
        if (info.id == mode && info.hTotal && info.vTotal)
            refresh = static_cast<double>(info.dotClock) /
                      (static_cast<double>(info.hTotal) * static_cast<double>(info.vTotal));
    }
    XRRFreeScreenResources(resources);
    return refresh;
}

void screenSizeRange(Display* display, int& minWidth, int& minHeight, int& maxWidth,
                     int& maxHeight) {
    minWidth = minHeight = 0;
    maxWidth = maxHeight = 32767;
    XRRGetScreenSizeRange(display, rootOf(display), &minWidth, &minHeight, &maxWidth, &maxHeight);
}

bool applyLayout(Display* display, const DisplayLayout& wanted) {
    DisplayLayout current;
    if (!readLayout(display, current)) return false;
    const std::vector<LayoutStep> steps = planLayoutChange(current, wanted);
    if (steps.empty()) return true;
    ErrorTrap trap(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, rootOf(display));
    if (!resources) return false;
    bool refused = false;
    // No other client sees the half-way layouts.
    XGrabServer(display);
    for (const LayoutStep& step : steps) {
        if (refused) break;
        switch (step.kind) {
            case LayoutStep::Kind::CrtcOff:
                refused = XRRSetCrtcConfig(display, resources, step.crtc.crtc, CurrentTime, 0, 0,
                                           None, RR_Rotate_0, nullptr, 0) != RRSetConfigSuccess;
                break;
            case LayoutStep::Kind::ScreenSize:
                XRRSetScreenSize(display, rootOf(display), step.width, step.height, step.widthMm,
                                 step.heightMm);
                break;
            case LayoutStep::Kind::SetCrtc: {
                std::vector<RROutput> outputs(step.crtc.outputs.begin(), step.crtc.outputs.end());
                refused = XRRSetCrtcConfig(display, resources, step.crtc.crtc, CurrentTime,
                                           step.crtc.x, step.crtc.y, step.crtc.mode,
                                           static_cast<Rotation>(step.crtc.rotation),
                                           outputs.data(),
                                           static_cast<int>(outputs.size())) != RRSetConfigSuccess;
                break;
            }
        }
        refused = refused || trap.failed();
    }
    XUngrabServer(display);
    XRRFreeScreenResources(resources);
    return !refused && !trap.failed();
}

RestoreResult restoreLayout(Display* display, const DisplayLayout& saved, std::string& failure) {
    return restoreLayout(
        saved, [display](DisplayLayout& now) { return readLayout(display, now); },
        [display](const DisplayLayout& wanted) { return applyLayout(display, wanted); }, failure);
}

}  // namespace platform
