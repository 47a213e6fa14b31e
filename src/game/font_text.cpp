#include "game/font_text.h"

namespace gameFont {

GlyphCell glyphCell(int glyph) {
    const float left = static_cast<float>(glyph % gridSide) / gridSide;
    const float top = static_cast<float>(gridSide - glyph / gridSide) / gridSide;
    return {left, left + cellSize, top - cellSize, top};
}

unsigned char upperCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    // Windows-1250's small letters above 0x7f, each with its capital.
    switch (c) {
        case 0x9a: return 0x8a;  // š
        case 0x9c: return 0x8c;  // ś
        case 0x9d: return 0x8d;  // ť
        case 0x9e: return 0x8e;  // ž
        case 0x9f: return 0x8f;  // ź
        case 0xb3: return 0xa3;  // ł
        case 0xb9: return 0xa5;  // ą
        case 0xba: return 0xaa;  // ş
        case 0xbe: return 0xbc;  // ľ
        case 0xbf: return 0xaf;  // ż
        default: break;
    }
    // ŕ á â ă ä ĺ ć ç č é ę ë ě í î ď đ ń ň ó ô ő ö, then ř ů ú ű ü ý ţ; 0xf7 is the
    // division sign.
    if (c >= 0xe0 && c <= 0xfe && c != 0xf7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

int glyphFor(unsigned char c) {
    if (c == ' ') return blankGlyph;
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '0') return 10;
    if (c >= 'A' && c <= 'Z') return c - 54;
    switch (c) {
        case 0xa5: return 37;  // Ą
        case 0xc6: return 38;  // Ć
        case 0xca: return 39;  // Ę
        case 0xa3: return 40;  // Ł
        case 0xd1: return 41;  // Ń
        case 0xd3: return 42;  // Ó
        case 0x8c: return 43;  // Ś
        case 0x8f: return 44;  // Ź
        case 0xaf: return 45;  // Ż
        case '%': return 46;
        case '!': return 47;
        case '?': return 48;
        case '-': return hyphenGlyph;
        default: return -1;
    }
}

bool acceptedInName(unsigned char c) {
    if (c == 32 || c == 33 || c == 37 || c == 63) return true;
    if ((c >= 48 && c <= 57) || (c >= 65 && c <= 90) || (c >= 97 && c <= 122)) return true;
    switch (c) {
        // Ś Ź ś ź Ł Ą Ż ł ą ż Ć Ę Ń Ó ć ę ń ó
        case 140: case 143: case 156: case 159: case 163: case 165: case 175: case 179:
        case 185: case 191: case 198: case 202: case 209: case 211: case 230: case 234:
        case 241: case 243:
            return true;
        default:
            return false;
    }
}

}  // namespace gameFont
