#pragma once
// The models of the flower field, the plants, the nectar glow and the pickup icons, in
// world units standing on their origin (y = 0 is the ground under a flower or plant).

#include <vector>

#include "object_writer.h"

// Six flowers about 0.25-0.35 tall with the blossom at the top: shapes 0 and 1 are painted
// from kwiat1, 2 and 3 from kwiat2, 4 and 5 from kwiat3.
std::vector<ModelPart> flowerModels();

// Four plants: 0 and 2 from kepa1, 1 from kepa, 3 from trawa1.
std::vector<ModelPart> plantModels();

// The nectar glow drawn at 0.3 above the ground: a glowing ball and a halo under it. The
// sp texture slides along t, so the ball maps t upwards and its sparkles rise.
std::vector<ModelPart> nectarModels();

// Pickup icons, drawn at half size and spun about y: a clock token, a speed token and a
// striped marker pin pointing down at a nectar flower.
std::vector<ModelPart> iconModels();
