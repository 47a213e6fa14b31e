#pragma once
// The game font "MOD\BMP_0\fontyabc.srm": 7 x 7 glyph cells, the blank first, then 1 to 9,
// 0, A to Z, Ą Ć Ę Ł Ń Ó Ś Ź Ż, % ! ?. The game draws each cell on a quad 3 units wide and 5
// high, so the letters are painted 5/3 as wide as they look. The blank cell has no ink but
// a solid colour: the hyphen draws that cell without the alpha test, as a block (the name
// entry's caret).

#include <string>

#include "paint.h"

// The character each cell shows (UTF-8), cell 0 the blank.
std::string fontCellText(int glyph);

Image fontTexture();
