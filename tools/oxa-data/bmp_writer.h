#pragma once
// Windows BMP pictures: the plain kind, 24 bits per pixel, uncompressed, bottom row first.

#include <cstdint>
#include <functional>
#include <string>

struct Rgb {
    uint8_t r, g, b;
};

// A width × height picture; pixel(x, y) gives the colour of column x, row y counted from
// the top of the picture.
std::string encodeBmp(int width, int height, const std::function<Rgb(int x, int y)>& pixel);
