#pragma once
// Texture files (".srm"): a 16-byte header (format letter, a spare byte, the size code
// '1'..'6' for sides 32..1024) and the raw rows, top row first.

#include <string>

#include "paint.h"

// RGBA when `withAlpha` (letter 'A'), RGB otherwise (letter 'R'). The side must be one of
// 32, 64, 128, 256, 512, 1024.
std::string encodeTexture(const Image& image, bool withAlpha);
