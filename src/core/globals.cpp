// Every game object is a global with static lifetime, defined here and only here so they
// are constructed in this fixed order before start-up (constructors only set defaults)
// and destroyed in reverse order at exit. Objects of parts not yet in the game keep
// their places in the order when they join.

#include "__SNG/song.h"
#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "core/interactors.h"
#include "core/projection.h"
#include "game/bee_model.h"
#include "game/butterflies.h"
#include "game/collision_mesh.h"
#include "game/dragonflies.h"
#include "game/fish_pond.h"
#include "game/flower_field.h"
#include "game/game_font.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/nectar_sprites.h"
#include "game/pickup_icons.h"
#include "game/plants.h"
#include "game/progress_file.h"
#include "game/random.h"
#include "game/stage_settings.h"
#include "menus/menu_pointer.h"
#include "menus/menu_screens.h"
#include "scenes/garden_scene.h"

// Lifetime: the whole process. The game's one random generator comes first: its first
// value is drawn and discarded before anything else runs.
RandomGenerator gameRandom;
InteractorList interactorList;
Medium medium;
namespace glh {
FrameTiming reset;
}
DisplayRecord ekran;
Song song;
Opera opera;
ProgressTable tabwyn;  // re-read by the menus whenever they show it

// Lifetime: one level; the level start overwrites them.
StageSettings model;
namespace glh {
FishPond rybka_tx;
GameFont gl_fonty;  // loaded with the screens that print text
}
CollisionMesh clip_plan;
namespace glh {
FlightCamera kamera;
NectarSprites spritte_tx;
Butterflies motyl_tx;
Dragonflies wazka_tx;
PickupIcons ikony_tx;
Plants gl_rosli;
FlowerField gl_kwiata;
BeeModel gl_oxa_model;
Panel kontrol;
}  // namespace glh

// Lifetime: the whole process.
LoadedFlags loadedFlags;
MenuPointer menuPointer;

// The menu screens; each loads when it is entered and frees as it says.
namespace glh {
MainMenu menu_one;
QuitQuestion menu_ko;
ControlsPages menu_ste;
CreditsPage menu_aut;
}  // namespace glh

// The eighteen garden scenes; their GL resources come and go with the levels.
namespace glh {
GardenScene grden00(0, loadedFlags.scenes[0]);
GardenScene grden01(1, loadedFlags.scenes[1]);
GardenScene garden02(2, loadedFlags.scenes[2]);
GardenScene garden03(3, loadedFlags.scenes[3]);
GardenScene garden04(4, loadedFlags.scenes[4]);
GardenScene garden05(5, loadedFlags.scenes[5]);
GardenScene garden06(6, loadedFlags.scenes[6]);
GardenScene garden07(7, loadedFlags.scenes[7]);
GardenScene garden08(8, loadedFlags.scenes[8]);
GardenScene garden09(9, loadedFlags.scenes[9]);
GardenScene garden10(10, loadedFlags.scenes[10]);
GardenScene grden20(20, loadedFlags.scenes[11]);
GardenScene grden21(21, loadedFlags.scenes[12]);
GardenScene grden22(22, loadedFlags.scenes[13]);
GardenScene grden23(23, loadedFlags.scenes[14]);
GardenScene grden24(24, loadedFlags.scenes[15]);
GardenScene grden25(25, loadedFlags.scenes[16]);
GardenScene grden26(26, loadedFlags.scenes[17]);
}  // namespace glh

CallbackInteractor callbackInteractor;
Projection projection;
bool windowedMode = false;
