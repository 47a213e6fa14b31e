#include "menus/records_rules.h"

#include "game/font_text.h"

std::string recordsRowText(int k, const std::string& name, const std::string& suffix, int score) {
    std::string text = std::to_string(k) + " " + name + suffix + std::string(19, ' ');
    text.resize(18);
    return text + std::to_string(score);
}

NameKey typeIntoName(std::string& name, unsigned char c) {
    if (c == 13) return NameKey::finished;
    if (c == 8) {
        if (name.empty()) return NameKey::ignored;
        name.pop_back();
        return NameKey::changed;
    }
    if (name.size() >= maxNameLength || !gameFont::acceptedInName(c)) return NameKey::ignored;
    name.push_back(static_cast<char>(c));
    return NameKey::changed;
}
