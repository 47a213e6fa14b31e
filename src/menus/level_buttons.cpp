#include "menus/level_buttons.h"

void LevelButtons::setFromFlags(const std::array<int, levelMenu::levelCount>& unlocked) {
    for (int k = 0; k < levelMenu::levelCount; ++k)
        states_[static_cast<std::size_t>(k)] = unlocked[static_cast<std::size_t>(k)] == 1 ? available : locked;
    states_[levelMenu::backButton] = available;
}

int LevelButtons::hover(float mx, float my) {
    int entered = 0;
    for (int k = 0; k < count; ++k) {
        int& s = states_[static_cast<std::size_t>(k)];
        if (s == locked) continue;
        const int now = levelMenu::buttons[static_cast<std::size_t>(k)].contains(mx, my) ? underPointer
                                                                                    : available;
        if (now == underPointer && s != underPointer) ++entered;
        s = now;
    }
    return entered;
}

int LevelButtons::clicked() const {
    for (int k = 0; k < levelMenu::levelCount; ++k)
        if (states_[static_cast<std::size_t>(k)] == underPointer) return k + 1;
    return states_[levelMenu::backButton] == underPointer ? 0 : -1;
}
