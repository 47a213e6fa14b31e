#pragma once
// The buttons of one menu screen under the pointer: which one is lit, which one the pointer
// has just entered (the hover chime), and which one a click acts on. Plain rules, no
// drawing; the screens draw from the hover values.

#include <array>
#include <span>

#include "menus/menu_layouts.h"

// Hover values: 1.0 while the pointer is inside, 0.8 while outside; some screens reset
// them to 0 after an action, which also reads as "not lit".
inline constexpr float hoverInside = 1.0f;
inline constexpr float hoverOutside = 0.8f;

class ButtonRow {
  public:
    static constexpr int capacity = 16;

    ButtonRow(std::span<const MenuRect> rects, float initialValue);

    // Tests the pointer against every button, then counts the buttons it has just entered:
    // outside at the last test, inside now. The first test after start-up finds no button
    // entered, as every button counts as inside before it.
    int hover(float mx, float my);

    // The button a click acts on: the first whose hover value is exactly 1.0, or -1.
    int clicked() const;

    void setAll(float value);
    int size() const { return count_; }
    float value(int button) const { return states_[index(button)].value; }
    // Drawn with the lit face (above 0.9) or the plain one.
    bool lit(int button) const { return value(button) > 0.9f; }
    // Exactly under the pointer (1.0): some screens tint their button then.
    bool under(int button) const { return value(button) == hoverInside; }

  private:
    struct State {
        float value = hoverOutside;
        bool wasOutside = false;  // at the last test
        bool outside = false;     // at this test
    };
    static size_t index(int button) { return static_cast<size_t>(button); }

    std::span<const MenuRect> rects_;
    int count_;
    std::array<State, capacity> states_{};
};
