#pragma once
// The full-screen pages of the menus, painted over the garden behind the main menu: the
// controls ("MEN\BMP_0\sterowanie.srm"), how to play ("help.srm") and the credits
// ("autorzy.srm"). The bottom right corner stays clear for the pages' button.

#include <vector>

#include "paint.h"

// The garden behind the pages and the settings: a quarter lighter.
Colour softenedGarden(Colour garden);

// `garden`: 1024 x 768 colours, rows top first.
Image controlsPage(const std::vector<Colour>& garden);
Image helpPage(const std::vector<Colour>& garden);
Image creditsPage(const std::vector<Colour>& garden);
