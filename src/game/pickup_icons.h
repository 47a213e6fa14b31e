#pragma once
// `glh::ikony_tx`: the clock and speed icons to pick up.

namespace glh {

struct PickupIcons {
    int bonusSeconds = 0;  // seconds left of a speed boost
};

extern PickupIcons ikony_tx;

}  // namespace glh
