#include "platform/typed_keys.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

// The Latin-1 bytes above 0x9f that stand for the same character in Windows-1250.
constexpr std::array<unsigned char, 49> sharedBytes{
    0xA0, 0xA4, 0xA6, 0xA7, 0xA8, 0xA9, 0xAB, 0xAC, 0xAD, 0xAE, 0xB0, 0xB1, 0xB4,
    0xB5, 0xB6, 0xB7, 0xB8, 0xBB, 0xC1, 0xC2, 0xC4, 0xC7, 0xC9, 0xCB, 0xCD, 0xCE,
    0xD3, 0xD4, 0xD6, 0xD7, 0xDA, 0xDC, 0xDD, 0xDF, 0xE1, 0xE2, 0xE4, 0xE7, 0xE9,
    0xEB, 0xED, 0xEE, 0xF3, 0xF4, 0xF6, 0xF7, 0xFA, 0xFC, 0xFD};

constexpr unsigned char acute = 0xB4, diaeresis = 0xA8, cedilla = 0xB8;

struct Joined {
    unsigned char accent;
    char letter;
    unsigned char windows1250;
};

// Every letter Windows-1250 holds with one of the three accents.
constexpr Joined joined[] = {
    {acute, 'a', 0xE1},     {acute, 'A', 0xC1},     {acute, 'c', 0xE6},     {acute, 'C', 0xC6},
    {acute, 'e', 0xE9},     {acute, 'E', 0xC9},     {acute, 'i', 0xED},     {acute, 'I', 0xCD},
    {acute, 'l', 0xE5},     {acute, 'L', 0xC5},     {acute, 'n', 0xF1},     {acute, 'N', 0xD1},
    {acute, 'o', 0xF3},     {acute, 'O', 0xD3},     {acute, 'r', 0xE0},     {acute, 'R', 0xC0},
    {acute, 's', 0x9C},     {acute, 'S', 0x8C},     {acute, 'u', 0xFA},     {acute, 'U', 0xDA},
    {acute, 'y', 0xFD},     {acute, 'Y', 0xDD},     {acute, 'z', 0x9F},     {acute, 'Z', 0x8F},
    {diaeresis, 'a', 0xE4}, {diaeresis, 'A', 0xC4}, {diaeresis, 'e', 0xEB}, {diaeresis, 'E', 0xCB},
    {diaeresis, 'o', 0xF6}, {diaeresis, 'O', 0xD6}, {diaeresis, 'u', 0xFC}, {diaeresis, 'U', 0xDC},
    {cedilla, 'c', 0xE7},   {cedilla, 'C', 0xC7},   {cedilla, 's', 0xBA},   {cedilla, 'S', 0xAA},
    {cedilla, 't', 0xFE},   {cedilla, 'T', 0xDE},
};

bool isAccent(unsigned char c) {
    return c == acute || c == diaeresis || c == cedilla;
}

}  // namespace

unsigned char windows1250OfLatin1(unsigned char latin1) {
    if (latin1 < 0x80) return latin1;
    return std::ranges::find(sharedBytes, latin1) != sharedBytes.end() ? latin1 : 0;
}

std::string TypedKeys::take(unsigned char latin1) {
    const unsigned char key = windows1250OfLatin1(latin1);
    if (!key) return {};
    std::string out;
    if (heldAccent_) {
        const unsigned char accent = heldAccent_;
        heldAccent_ = 0;
        for (const Joined& j : joined)
            if (j.accent == accent && static_cast<unsigned char>(j.letter) == key)
                return std::string(1, static_cast<char>(j.windows1250));
        // A space after the accent is the accent alone, as on every keyboard.
        out += static_cast<char>(accent);
        if (key == ' ') return out;
    }
    if (isAccent(key)) {
        heldAccent_ = key;
        return out;
    }
    out += static_cast<char>(key);
    return out;
}

TypedKeys& typedKeys() {
    static TypedKeys keys;
    return keys;
}

}  // namespace platform
