#pragma once
// Where the menus' own pointer image is, in menu units (80 x 60, origin bottom left).

struct MenuPointer {
    float x = 0;
    float y = 0;
};

extern MenuPointer menuPointer;
