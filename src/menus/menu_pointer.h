#pragma once
// The menus' own pointer: where it is, in menu units (80 x 60, origin bottom left), and its
// picture, drawn over every menu screen while the system cursor stays hidden.

struct MenuPointer {
    float x = 0;
    float y = 0;
};

extern MenuPointer menuPointer;

// Builds the pointer's texture and list: at start-up and after every display mode switch.
void loadMenuPointer();

// The pointer's picture, 5 x 5 units, its tip 2 units in from the left and 1 down from the
// top standing on the pointer position. Hides the system cursor each time.
void drawMenuPointer();
