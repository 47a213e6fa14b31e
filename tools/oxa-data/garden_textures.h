#pragma once
// The garden scenes' textures, painted by name. Atlas textures keep several parts of a
// prop in horizontal bands; the bands below are shared with the prop builders.

#include <string_view>

#include "mesh.h"
#include "paint.h"

namespace bands {
inline constexpr Band whole{0, 1};
inline constexpr Band mushroomCap{0, 0.6f}, mushroomStem{0.6f, 1};
inline constexpr Band leaves{0, 0.75f}, trunk{0.75f, 1};
inline constexpr Band hiveBody{0, 0.7f}, hiveWood{0.7f, 0.85f}, hiveDark{0.85f, 1};
inline constexpr Band roof{0, 0.35f}, wall{0.35f, 1};
inline constexpr Band gateDoor{0, 0.75f}, gatePost{0.75f, 1};
inline constexpr Band logBark{0, 0.5f}, logEnd{0.5f, 1};
inline constexpr Band gnomeHat{0, 0.3f}, gnomeFace{0.3f, 0.5f}, gnomeBeard{0.5f, 0.65f},
    gnomeCoat{0.65f, 1};
}  // namespace bands

// The sky box's walls run from below the ground up to this height; the horizon (y = 0)
// sits at this row fraction of a wall texture.
inline constexpr float skyBottom = -30, skyTop = 180;
inline constexpr float skyHorizonRow = skyTop / (skyTop - skyBottom);

struct TexturePicture {
    Image image;
    bool alpha;
};

// Paints the texture of a scene slot name ("Drzewo.srm", "NIEBO3UP.srm"; case ignored).
// Throws std::invalid_argument for a name it has no recipe for.
TexturePicture paintGardenTexture(std::string_view fileName);
