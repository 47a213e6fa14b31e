#pragma once
// The creatures of the gardens: a butterfly ("MOD\DATA\MOTYL.wkx" with "MOD\BMP_0\motyl.srm"),
// a dragonfly ("wazka"), a fish ("rybka") and the splash it makes ("plusk"). Cartoon
// animals with big friendly eyes and bright colours, sized to read from across a garden.
//
// How the game draws them fixes how they are made:
// - a butterfly or dragonfly stands at its place turned by its yaw, which points its local
//   +z back where it came from: the head looks along -z. Object 0 is the body; the wings
//   are hinged on the z axis and flap about it, object 2 reaching out along +x and
//   object 1 along -x (the game turns 2 by +angle and 1 by -angle about z).
// - a fish is drawn on a half circle in its local x-y plane, turned so that at the top of
//   the jump it lies along +x with its back up: the model looks along +x, belly at -y,
//   centred on its origin.
// - a splash stands on the water at its origin and is scaled across (x, z) and up (y) as
//   it grows and falls: a flat ripple ring and a crown of water drops.

#include <vector>

#include "data_tree.h"
#include "mesh.h"
#include "object_writer.h"
#include "paint.h"

namespace creature {

// Texture bands (t from the top row), shared by the shapes and the pictures.
namespace butterflyBands {
inline constexpr Band wings{0, 0.75f}, stripes{0.75f, 0.8125f}, fur{0.8125f, 0.84375f},
    tips{0.84375f, 0.875f}, eyes{0.875f, 1};
}
namespace dragonflyBands {
inline constexpr Band wings{0, 0.5f}, stripes{0.5f, 0.625f}, fur{0.625f, 0.75f}, eyes{0.75f, 1};
}
namespace fishBands {
inline constexpr Band skin{0, 0.5f}, fins{0.5f, 0.75f}, lips{0.75f, 0.8f}, eyes{0.8f, 1};
}
namespace splashBands {
inline constexpr Band crown{0, 0.5f}, ripple{0.5f, 1};
}

// The butterfly and the dragonfly are made at these sizes (a butterfly about 0.4 across
// its wings, a dragonfly 0.45 long): a little larger than life beside the flowers, so that
// a child sees them coming.
inline constexpr float butterflyScale = 1.25f, dragonflyScale = 1.3f;

// The butterfly's right wing seen from above: a fore and a hind lobe fanning out from a
// root beside the body. `outline` is its edge's distance from the root at angle phi
// (radians from +x, positive towards the tail, +z). The picture covers x 0..wingWindowX
// and z wingWindowZ0..wingWindowZ1.
inline constexpr float wingRootX = 0.01f;
inline constexpr float wingWindowX = 0.17f, wingWindowZ0 = -0.14f, wingWindowZ1 = 0.11f;
float butterflyForeLobe(float phi);
float butterflyHindLobe(float phi);
float butterflyWingOutline(float phi);

}  // namespace creature

std::vector<ModelPart> butterflyModel();  // body, left wing, right wing
std::vector<ModelPart> dragonflyModel();  // body, left wing, right wing
std::vector<ModelPart> fishModel();       // one object
std::vector<ModelPart> splashModel();     // one object

Image butterflyTexture();
Image dragonflyTexture();
Image fishTexture();
Image splashTexture();  // with alpha: the crown's drops are cut out

// The four models and their textures.
void addCreatures(DataFiles& files);
