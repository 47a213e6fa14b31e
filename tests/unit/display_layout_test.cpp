// The rules of the desktop's layout: what the game switches, how it gets there and back in
// steps the X server accepts, and the layout's text for the watchdog. The layouts are the
// ones the Xorg dummy driver showed with two monitors side by side.

#include "platform/display_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace platform;

// Output ids as the dummy driver gave them; CRTC and mode ids likewise.
constexpr RandrId left = 0x41, right = 0x42, spare = 0x43;
constexpr RandrId crtcA = 0x3f, crtcB = 0x40, crtcC = 0x44;
constexpr RandrId mode1024 = 0x46, mode800 = 0x4a, mode640 = 0x4d;

CrtcLayout crtc(RandrId id, RandrId mode, int x, int y, int w, int h,
                std::vector<RandrId> outputs, unsigned rotation = rotate0) {
    CrtcLayout c;
    c.crtc = id;
    c.mode = mode;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    c.rotation = rotation;
    c.outputs = std::move(outputs);
    return c;
}

CrtcLayout off(RandrId id) {
    return crtc(id, 0, 0, 0, 0, 0, {});
}

// 1024x768 on the left, 800x600 on its right: the screen is 1824x768.
DisplayLayout twoMonitors() {
    DisplayLayout d;
    d.width = 1824;
    d.height = 768;
    d.widthMm = 482;
    d.heightMm = 203;
    d.crtcs = {crtc(crtcA, mode1024, 0, 0, 1024, 768, {left}),
               crtc(crtcB, mode800, 1024, 0, 800, 600, {right}), off(crtcC)};
    return d;
}

// Applies steps the way the X server checks them: the screen must hold every CRTC that is
// on after every step, and no output may be driven by two CRTCs.
DisplayLayout apply(DisplayLayout layout, const std::vector<LayoutStep>& steps) {
    for (const LayoutStep& step : steps) {
        switch (step.kind) {
            case LayoutStep::Kind::CrtcOff:
                for (CrtcLayout& c : layout.crtcs)
                    if (c.crtc == step.crtc.crtc) c = off(c.crtc);
                break;
            case LayoutStep::Kind::ScreenSize:
                layout.width = step.width;
                layout.height = step.height;
                layout.widthMm = step.widthMm;
                layout.heightMm = step.heightMm;
                break;
            case LayoutStep::Kind::SetCrtc:
                for (CrtcLayout& c : layout.crtcs)
                    if (c.crtc == step.crtc.crtc) c = step.crtc;
                break;
        }
        for (const CrtcLayout& c : layout.crtcs) {
            if (!c.on()) continue;
            EXPECT_LE(c.x + c.width, layout.width) << describeLayout(layout);
            EXPECT_LE(c.y + c.height, layout.height) << describeLayout(layout);
            for (const CrtcLayout& other : layout.crtcs) {
                if (!other.on() || other.crtc == c.crtc) continue;
                for (RandrId output : c.outputs) {
                    EXPECT_EQ(std::count(other.outputs.begin(), other.outputs.end(), output), 0)
                        << "output " << output << " on two CRTCs";
                }
            }
        }
    }
    return layout;
}

TEST(DisplayLayout, EveryChangeIsReachedInStepsTheServerAccepts) {
    const DisplayLayout desktop = twoMonitors();
    DisplayLayout rightSmall = desktop;  // the game's 640x480 on the right monitor
    rightSmall.crtcs[1] = crtc(crtcB, mode640, 1024, 0, 640, 480, {right});
    rightSmall.width = 1664;
    DisplayLayout rightLarge = desktop;  // 1024x768 on the right: the screen grows
    rightLarge.crtcs[1] = crtc(crtcB, mode1024, 1024, 0, 1024, 768, {right});
    rightLarge.width = 2048;
    DisplayLayout single;  // one monitor, switched down to 640x480
    single.width = 640;
    single.height = 480;
    single.crtcs = {crtc(crtcA, mode640, 0, 0, 640, 480, {left}), off(crtcB)};
    DisplayLayout singleDesktop = single;
    singleDesktop.width = 1024;
    singleDesktop.height = 768;
    singleDesktop.crtcs[0] = crtc(crtcA, mode1024, 0, 0, 1024, 768, {left});
    DisplayLayout swapped = desktop;  // the outputs trade CRTCs
    swapped.crtcs[0].outputs = {right};
    swapped.crtcs[1].outputs = {left};
    DisplayLayout oneOff = desktop;  // a monitor switched on during the game, and the right one off
    oneOff.crtcs[1] = off(crtcB);
    oneOff.crtcs[2] = crtc(crtcC, mode800, 0, 768, 800, 600, {spare});
    oneOff.height = 1368;
    DisplayLayout turned = desktop;  // the right monitor on its side
    turned.crtcs[1] = crtc(crtcB, mode800, 1024, 0, 600, 800, {right}, rotate90);
    turned.height = 800;

    struct Case {
        const char* what;
        DisplayLayout from, to;
    };
    const Case cases[] = {
        {"switch the right monitor down", desktop, rightSmall},
        {"restore it", rightSmall, desktop},
        {"switch the right monitor up", desktop, rightLarge},
        {"restore from larger", rightLarge, desktop},
        {"one monitor down", singleDesktop, single},
        {"one monitor back", single, singleDesktop},
        {"outputs trade CRTCs", desktop, swapped},
        {"a monitor added and one gone", oneOff, desktop},
        {"and the other way", desktop, oneOff},
        {"a turned monitor", turned, desktop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto steps = planLayoutChange(c.from, c.to);
        EXPECT_FALSE(steps.empty());
        const DisplayLayout reached = apply(c.from, steps);
        EXPECT_TRUE(sameLayout(reached, c.to))
            << describeLayout(reached) << " instead of " << describeLayout(c.to);
        EXPECT_EQ(reached.widthMm, c.to.widthMm);
        EXPECT_TRUE(planLayoutChange(c.to, c.to).empty());
        // The monitors that stay as they are are not touched.
        for (const LayoutStep& step : steps) {
            const CrtcLayout* before = c.from.crtc(step.crtc.crtc);
            const CrtcLayout* after = c.to.crtc(step.crtc.crtc);
            if (step.kind != LayoutStep::Kind::ScreenSize && before && after) {
                EXPECT_FALSE(before->sameAs(*after)) << "CRTC " << step.crtc.crtc << " touched";
            }
        }
    }
}

TEST(DisplayLayout, TheGameSwitchesOnlyItsOwnMonitor) {
    const DisplayLayout desktop = twoMonitors();
    // The primary output picks the monitor; without it (or when it is off) the first one on.
    EXPECT_EQ(gameCrtc(desktop, right), 1u);
    EXPECT_EQ(gameCrtc(desktop, left), 0u);
    EXPECT_EQ(gameCrtc(desktop, spare), 0u);
    EXPECT_EQ(gameCrtc(desktop, 0), 0u);
    DisplayLayout dark = desktop;
    dark.crtcs[0] = off(crtcA);
    dark.crtcs[1] = off(crtcB);
    EXPECT_FALSE(gameCrtc(dark, left));

    const DisplayLayout game = switchedLayout(desktop, 1, {mode640, 640, 480, 60});
    EXPECT_EQ(describeLayout(game), "1664x768: 1024x768+0+0, 640x480+1024+0");
    EXPECT_EQ(game.widthMm, 440);  // the desktop's pixel density
    EXPECT_EQ(game.heightMm, 203);
    EXPECT_TRUE(game.crtcs[0].sameAs(desktop.crtcs[0]));

    const DisplayLayout left640 = switchedLayout(desktop, 0, {mode640, 640, 480, 60});
    EXPECT_EQ(describeLayout(left640), "1824x600: 640x480+0+0, 800x600+1024+0");
    const DisplayLayout tiny = switchedLayout(desktop, 0, {mode640, 640, 480, 60}, 2000, 64);
    EXPECT_EQ(describeLayout(tiny), "2000x600: 640x480+0+0, 800x600+1024+0");

    DisplayLayout onItsSide = desktop;
    onItsSide.crtcs[1].rotation = rotate270;
    const DisplayLayout turned = switchedLayout(onItsSide, 1, {mode640, 640, 480, 60});
    EXPECT_EQ(describeLayout(turned), "1504x768: 1024x768+0+0, 480x640+1024+0");
}

TEST(DisplayLayout, ModesArePickedBySizeThenByTheNearestRefresh) {
    const std::vector<OfferedMode> offered = {
        {1, 1024, 768, 60.0}, {2, 800, 600, 56.2}, {3, 800, 600, 60.3}, {4, 800, 600, 75.0},
        {5, 640, 480, 59.9},
    };
    struct Case {
        int width, height;
        double refresh;
        RandrId id;  // 0: not offered
    };
    const Case cases[] = {
        {800, 600, 60.0, 3}, {800, 600, 72.0, 4}, {800, 600, 50.0, 2}, {640, 480, 85.0, 5},
        {1024, 768, 60.0, 1}, {1280, 1024, 60.0, 0}, {600, 800, 60.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "@" << c.refresh);
        auto mode = pickMode(offered, c.width, c.height, c.refresh);
        EXPECT_EQ(mode ? mode->id : 0, c.id);
    }
}

TEST(DisplayLayout, TheTextFormKeepsEverythingAndRefusesDamage) {
    DisplayLayout layout = twoMonitors();
    layout.crtcs[1].rotation = rotate90;
    layout.crtcs[2].outputs = {};
    layout.crtcs[0].outputs = {left, spare};
    const std::string text = formatLayout(layout);
    auto back = parseLayout(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(formatLayout(*back), text);
    EXPECT_TRUE(sameLayout(*back, layout));
    EXPECT_EQ(back->widthMm, 482);

    for (const char* damaged : {"", "crtc 1 2 0 0 10 10 1 5\n", "screen 10\n",
                                "screen 10 10 1 1\ncrtc 1 x 0 0 10 10 1\n",
                                "screen 10 10 1 1\nmonitor 1\n", "screen 0 10 1 1\n",
                                "screen 10 10 1 1 9\n", "screen 10 10 1 1\nscreen 10 10 1 1\n"}) {
        SCOPED_TRACE(damaged);
        EXPECT_FALSE(parseLayout(damaged));
    }
}

TEST(DisplayLayout, ComparisonsLookOnlyAtWhatTheScreenShows) {
    const DisplayLayout desktop = twoMonitors();
    DisplayLayout same = desktop;
    same.crtcs[2].x = 500;  // an off CRTC's last place does not matter
    same.crtcs[0].outputs = {left};
    same.widthMm = 1;
    EXPECT_TRUE(sameLayout(desktop, same));
    DisplayLayout moved = desktop;
    moved.crtcs[1].y = 1;
    EXPECT_FALSE(sameLayout(desktop, moved));
    DisplayLayout larger = desktop;
    larger.width = 1900;
    EXPECT_FALSE(sameLayout(desktop, larger));
    EXPECT_EQ(desktop.monitorsOn(), 2);
    EXPECT_EQ(describeLayout(desktop), "1824x768: 1024x768+0+0, 800x600+1024+0");
}

}  // namespace

namespace {

// A server that takes a layout only from the given attempt on (0: never), or cannot be read.
struct FakeServer {
    DisplayLayout shown;
    int takesFrom = 1;
    bool readable = true;
    int applied = 0;
    std::function<bool(DisplayLayout&)> read() {
        return [this](DisplayLayout& now) {
            now = shown;
            return readable;
        };
    }
    std::function<bool(const DisplayLayout&)> apply() {
        return [this](const DisplayLayout& wanted) {
            ++applied;
            if (takesFrom == 0 || applied < takesFrom) return false;
            shown = wanted;
            return true;
        };
    }
};

TEST(DisplayLayout, ARestoreChecksAndTriesOnceMore) {
    const DisplayLayout desktop = twoMonitors();
    const DisplayLayout game = switchedLayout(desktop, 1, {mode640, 640, 480, 60});
    struct Case {
        const char* what;
        DisplayLayout shown;
        int takesFrom;
        bool readable;
        RestoreResult result;
        int applied;
        const char* failure;
    };
    const Case cases[] = {
        {"nothing to do", desktop, 1, true, RestoreResult::AlreadyThere, 0, ""},
        {"the first try", game, 1, true, RestoreResult::Restored, 1, ""},
        {"the second try", game, 2, true, RestoreResult::Restored, 2, ""},
        {"never", game, 0, true, RestoreResult::Failed, 2,
         "the desktop's displays could not be put back as they were (1824x768: 1024x768+0+0, "
         "800x600+1024+0); they are now 1664x768: 1024x768+0+0, 640x480+1024+0"},
        {"unreadable", game, 1, false, RestoreResult::Failed, 0, "they cannot be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeServer server{c.shown, c.takesFrom, c.readable};
        std::string failure;
        EXPECT_EQ(restoreLayout(desktop, server.read(), server.apply(), failure), c.result);
        EXPECT_EQ(server.applied, c.applied);
        EXPECT_NE(failure.find(c.failure), std::string::npos) << failure;
        if (c.result != RestoreResult::Failed) {
            EXPECT_TRUE(sameLayout(server.shown, desktop));
        }
    }
}

}  // namespace
