#include "platform/display_layout.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace platform {

namespace {

std::vector<RandrId> sorted(std::vector<RandrId> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Millimetres for `pixels` at the pixel density of `referencePixels` over `referenceMm`.
int scaledMm(int pixels, int referencePixels, int referenceMm) {
    if (referencePixels <= 0) return referenceMm;
    return static_cast<int>(std::lround(static_cast<double>(referenceMm) * pixels / referencePixels));
}

LayoutStep screenSize(int width, int height, const DisplayLayout& density) {
    LayoutStep step;
    step.kind = LayoutStep::Kind::ScreenSize;
    step.width = width;
    step.height = height;
    step.widthMm = scaledMm(width, density.width, density.widthMm);
    step.heightMm = scaledMm(height, density.height, density.heightMm);
    return step;
}

}  // namespace

bool CrtcLayout::sameAs(const CrtcLayout& other) const {
    if (on() != other.on()) return false;
    if (!on()) return true;  // off is off, wherever it last stood
    return mode == other.mode && x == other.x && y == other.y && rotation == other.rotation &&
           sorted(outputs) == sorted(other.outputs);
}

int DisplayLayout::monitorsOn() const {
    return static_cast<int>(std::count_if(crtcs.begin(), crtcs.end(),
                                          [](const CrtcLayout& c) { return c.on(); }));
}

const CrtcLayout* DisplayLayout::crtc(RandrId id) const {
    for (const CrtcLayout& c : crtcs)
        if (c.crtc == id) return &c;
    return nullptr;
}

bool sameLayout(const DisplayLayout& a, const DisplayLayout& b) {
    if (a.width != b.width || a.height != b.height) return false;
    auto covered = [](const DisplayLayout& from, const DisplayLayout& in) {
        for (const CrtcLayout& c : from.crtcs) {
            const CrtcLayout* other = in.crtc(c.crtc);
            if (other ? !other->sameAs(c) : c.on()) return false;
        }
        return true;
    };
    return covered(a, b) && covered(b, a);
}

std::string describeLayout(const DisplayLayout& layout) {
    std::string text = std::to_string(layout.width) + "x" + std::to_string(layout.height) + ":";
    bool first = true;
    for (const CrtcLayout& c : layout.crtcs) {
        if (!c.on()) continue;
        text += (first ? " " : ", ") + std::to_string(c.width) + "x" + std::to_string(c.height) +
                "+" + std::to_string(c.x) + "+" + std::to_string(c.y);
        first = false;
    }
    if (first) text += " no monitor on";
    return text;
}

std::string formatLayout(const DisplayLayout& layout) {
    std::ostringstream out;
    out << "screen " << layout.width << ' ' << layout.height << ' ' << layout.widthMm << ' '
        << layout.heightMm << '\n';
    for (const CrtcLayout& c : layout.crtcs) {
        out << "crtc " << c.crtc << ' ' << c.mode << ' ' << c.x << ' ' << c.y << ' ' << c.width
            << ' ' << c.height << ' ' << c.rotation;
        for (RandrId output : c.outputs) out << ' ' << output;
        out << '\n';
    }
    return out.str();
}

std::optional<DisplayLayout> parseLayout(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    DisplayLayout layout;
    bool haveScreen = false;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "screen" && !haveScreen) {
            if (!(words >> layout.width >> layout.height >> layout.widthMm >> layout.heightMm))
                return std::nullopt;
            if (layout.width <= 0 || layout.height <= 0) return std::nullopt;
            haveScreen = true;
        } else if (kind == "crtc" && haveScreen) {
            CrtcLayout c;
            if (!(words >> c.crtc >> c.mode >> c.x >> c.y >> c.width >> c.height >> c.rotation))
                return std::nullopt;
            RandrId output = 0;
            while (words >> output) c.outputs.push_back(output);
            if (!words.eof()) return std::nullopt;
            layout.crtcs.push_back(std::move(c));
        } else {
            return std::nullopt;
        }
        std::string rest;
        if (words >> rest) return std::nullopt;
    }
    if (!haveScreen) return std::nullopt;
    return layout;
}

std::vector<LayoutStep> planLayoutChange(const DisplayLayout& current, const DisplayLayout& wanted) {
    std::vector<LayoutStep> steps;
    auto changes = [&](const CrtcLayout& w) {
        const CrtcLayout* now = current.crtc(w.crtc);
        return now ? !now->sameAs(w) : w.on();
    };
    // Off first: a CRTC that is to be off, or that hands an output to another.
    for (const CrtcLayout& w : wanted.crtcs) {
        const CrtcLayout* now = current.crtc(w.crtc);
        if (!changes(w) || !now || !now->on()) continue;
        if (!w.on() || sorted(now->outputs) != sorted(w.outputs)) {
            LayoutStep off;
            off.kind = LayoutStep::Kind::CrtcOff;
            off.crtc = *now;
            steps.push_back(off);
        }
    }
    // Room for both the monitors as they are and as they will be.
    const int roomWidth = std::max(current.width, wanted.width);
    const int roomHeight = std::max(current.height, wanted.height);
    const bool grow = roomWidth != current.width || roomHeight != current.height;
    if (grow) steps.push_back(screenSize(roomWidth, roomHeight, wanted));
    for (const CrtcLayout& w : wanted.crtcs) {
        if (!changes(w) || !w.on()) continue;
        LayoutStep set;
        set.kind = LayoutStep::Kind::SetCrtc;
        set.crtc = w;
        steps.push_back(set);
    }
    if (roomWidth != wanted.width || roomHeight != wanted.height)
        steps.push_back(screenSize(wanted.width, wanted.height, wanted));
    return steps;
}

std::optional<OfferedMode> pickMode(const std::vector<OfferedMode>& offered, int width, int height,
                                    double refresh) {
    std::optional<OfferedMode> best;
    for (const OfferedMode& mode : offered) {
        if (mode.width != width || mode.height != height) continue;
        if (!best || std::abs(mode.refresh - refresh) < std::abs(best->refresh - refresh))
            best = mode;
    }
    return best;
}

std::optional<size_t> gameCrtc(const DisplayLayout& layout, RandrId primaryOutput) {
    std::optional<size_t> first;
    for (size_t i = 0; i < layout.crtcs.size(); ++i) {
        const CrtcLayout& c = layout.crtcs[i];
        if (!c.on()) continue;
        if (primaryOutput &&
            std::find(c.outputs.begin(), c.outputs.end(), primaryOutput) != c.outputs.end())
            return i;
        if (!first) first = i;
    }
    return first;
}

DisplayLayout switchedLayout(const DisplayLayout& desktop, size_t gameCrtcIndex,
                             const OfferedMode& mode, int minWidth, int minHeight) {
    DisplayLayout layout = desktop;
    CrtcLayout& game = layout.crtcs.at(gameCrtcIndex);
    const bool turned = (game.rotation & (rotate90 | rotate270)) != 0;
    game.mode = mode.id;
    game.width = turned ? mode.height : mode.width;
    game.height = turned ? mode.width : mode.height;
    int width = minWidth, height = minHeight;
    for (const CrtcLayout& c : layout.crtcs) {
        if (!c.on()) continue;
        width = std::max(width, c.x + c.width);
        height = std::max(height, c.y + c.height);
    }
    layout.width = width;
    layout.height = height;
    layout.widthMm = scaledMm(width, desktop.width, desktop.widthMm);
    layout.heightMm = scaledMm(height, desktop.height, desktop.heightMm);
    return layout;
}

RestoreResult restoreLayout(const DisplayLayout& saved,
                            const std::function<bool(DisplayLayout&)>& read,
                            const std::function<bool(const DisplayLayout&)>& apply,
                            std::string& failure) {
    DisplayLayout now;
    bool readable = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        readable = read(now);
        if (!readable) break;
        if (sameLayout(now, saved))
            return attempt == 0 ? RestoreResult::AlreadyThere : RestoreResult::Restored;
        apply(saved);
    }
    if (readable) {
        readable = read(now);
        if (readable && sameLayout(now, saved)) return RestoreResult::Restored;
    }
    failure = "the desktop's displays could not be put back as they were (" +
              describeLayout(saved) + "); " +
              (readable ? "they are now " + describeLayout(now) : "they cannot be read");
    return RestoreResult::Failed;
}

}  // namespace platform
