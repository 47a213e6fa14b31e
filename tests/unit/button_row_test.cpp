// The menus' buttons under the pointer: exclusive bounds, the hover chime on entering, and
// the button a click acts on.

#include "menus/button_row.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace {

struct NamedRow {
    const char* name;
    std::span<const MenuRect> rects;
};

const NamedRow rows[] = {
    {"main menu", mainMenu::buttons},
    {"quit question", quitMenu::buttons},
    {"page", pageMenu::buttons},
    {"difficulty", difficultyMenu::buttons},
    {"level choice", levelMenu::buttons},
};

TEST(ButtonRow, EveryButtonHasExclusiveBoundsAndNoNeighbourShares) {
    constexpr float e = 0.01f;
    for (const NamedRow& row : rows) {
        for (size_t k = 0; k < row.rects.size(); ++k) {
            const MenuRect& r = row.rects[k];
            const float mx = (r.left + r.right) / 2, my = (r.bottom + r.top) / 2;
            struct Probe {
                float x, y;
                bool inside;
            };
            const Probe probes[] = {
                {r.left + e, my, true},
                {r.left, my, false},
                {r.left - e, my, false},
                {r.right - e, my, true},
                {r.right, my, false},
                {r.right + e, my, false},
                {mx, r.bottom + e, true},
                {mx, r.bottom, false},
                {mx, r.bottom - e, false},
                {mx, r.top - e, true},
                {mx, r.top, false},
                {mx, r.top + e, false},
                {r.left + e, r.top - e, true},
                {r.right - e, r.bottom + e, true},
            };
            for (const Probe& probe : probes) {
                SCOPED_TRACE(std::string(row.name) + " button " + std::to_string(k) + " at " +
                             std::to_string(probe.x) + ", " + std::to_string(probe.y));
                ButtonRow buttons(row.rects, hoverOutside);
                buttons.hover(probe.x, probe.y);
                EXPECT_EQ(buttons.clicked(), probe.inside ? static_cast<int>(k) : -1);
                for (int other = 0; other < buttons.size(); ++other) {
                    const bool lit = probe.inside && other == static_cast<int>(k);
                    EXPECT_EQ(buttons.value(other), lit ? hoverInside : hoverOutside) << other;
                }
            }
        }
    }
}

TEST(ButtonRow, TheChimeSoundsOnceOnEnteringAButtonAndNotWithinIt) {
    ButtonRow buttons(mainMenu::buttons, 0);
    struct Step {
        float x, y;
        int entered;
        const char* what;
    };
    const Step steps[] = {
        {10, 51, 0, "inside new game at the first motion: every button counted as inside"},
        {11, 52, 0, "moving within new game"},
        {10, 44, 1, "straight from new game into continue"},
        {30, 46, 0, "within continue"},
        {50, 44, 0, "out into the garden"},
        {30, 44, 1, "back into continue"},
        {10, 47.5f, 0, "into the gap between continue and new game"},
        {10, 50, 1, "into new game"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(buttons.hover(step.x, step.y), step.entered) << step.what;
    }
}

TEST(ButtonRow, AClickActsOnlyOnAButtonExactlyUnderThePointer) {
    ButtonRow buttons(quitMenu::buttons, 0);
    EXPECT_EQ(buttons.clicked(), -1);  // nothing hovered yet
    buttons.hover(45, 26);             // on "no"
    EXPECT_EQ(buttons.clicked(), quitMenu::no);
    EXPECT_TRUE(buttons.lit(quitMenu::no));
    EXPECT_FALSE(buttons.lit(quitMenu::yes));
    buttons.setAll(0);  // an action resets the values: the release finds nothing
    EXPECT_EQ(buttons.clicked(), -1);
    EXPECT_FALSE(buttons.lit(quitMenu::no));
}

}  // namespace
