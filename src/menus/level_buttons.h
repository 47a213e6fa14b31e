#pragma once
// The level choice's buttons: each level is locked (0), available (1) or available and under
// the pointer (2); the back button is 1 or 2. Locked levels never light up nor chime.

#include <array>
#include <cstddef>

#include "menus/menu_layouts.h"

class LevelButtons {
  public:
    static constexpr int count = levelMenu::levelCount + 1;  // the levels, then back
    enum State : int { locked = 0, available = 1, underPointer = 2 };

    // Level L is available when unlocked[L - 1] is 1; the back button always is.
    void setFromFlags(const std::array<int, levelMenu::levelCount>& unlocked);

    // Tests the pointer; returns how many available buttons it has just entered.
    int hover(float mx, float my);

    // The level (1 to 10) a click starts, 0 for the back button, -1 for nothing.
    int clicked() const;

    int state(int button) const { return states_[static_cast<std::size_t>(button)]; }

  private:
    std::array<int, count> states_{};
};
