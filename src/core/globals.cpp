// Every game object is a global with static lifetime, defined here and only here so they
// are constructed in this fixed order before start-up (constructors only set defaults)
// and destroyed in reverse order at exit. Objects of parts not yet in the game keep
// their places in the order when they join.

#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "core/interactors.h"
#include "core/projection.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/pickup_icons.h"
#include "game/stage_settings.h"
#include "menus/menu_pointer.h"

// Lifetime: the whole process.
InteractorList interactorList;
Medium medium;
namespace glh {
FrameTiming reset;
}
DisplayRecord ekran;
Opera opera;

// Lifetime: one level; the level start overwrites them.
StageSettings model;
namespace glh {
FlightCamera kamera;
PickupIcons ikony_tx;
Panel kontrol;
}  // namespace glh

// Lifetime: the whole process.
LoadedFlags loadedFlags;
MenuPointer menuPointer;
CallbackInteractor callbackInteractor;
Projection projection;
bool windowedMode = false;
