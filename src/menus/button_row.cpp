#include "menus/button_row.h"

#include <stdexcept>

ButtonRow::ButtonRow(std::span<const MenuRect> rects, float initialValue)
    : rects_(rects), count_(static_cast<int>(rects.size())) {
    if (rects.size() > capacity) throw std::length_error("more buttons than a menu row holds");
    setAll(initialValue);
}

int ButtonRow::hover(float mx, float my) {
    for (int k = 0; k < count_; ++k) {
        State& state = states_[index(k)];
        const bool inside = rects_[index(k)].contains(mx, my);
        state.value = inside ? hoverInside : hoverOutside;
        state.outside = !inside;
    }
    int entered = 0;
    for (int k = 0; k < count_; ++k) {
        State& state = states_[index(k)];
        if (state.wasOutside && !state.outside) ++entered;
        state.wasOutside = state.outside;
    }
    return entered;
}

int ButtonRow::clicked() const {
    for (int k = 0; k < count_; ++k) {
        if (under(k)) return k;
    }
    return -1;
}

void ButtonRow::setAll(float value) {
    for (int k = 0; k < count_; ++k) states_[index(k)].value = value;
}
