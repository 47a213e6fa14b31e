#pragma once
// What the running game calls for the flowers, plants, nectar, pickup icons and the panel,
// working on the global objects (`model`, `glh::spritte_tx`, `glh::gl_kwiata`,
// `glh::gl_rosli`, `glh::ikony_tx`, `glh::kontrol`, `gameRandom`). The rules themselves
// live in nectar.h, icon_rules.h, field_placement.h and panel_plan.h.

namespace glh {
struct FlightCamera;
}

// Stage start, after the stage file, the placement map and the stage clock, in this order
// (each draws from the one generator, so the order fixes the stage's layout):
void createNectarSprites();  // sprites' assets and the stage's sprites, none placed yet
void buildFlowerField();     // flowers' assets and field; puts the sprites on flowers
void buildPlants();          // plants' assets and lists
// (butterflies, dragonflies, fish and the bee come here)
void loadPanel();          // panel textures and layout; empties the bucket, starts the tally
void layOutPickupIcons();  // icons' assets and layout; no icons when the stage has none

// Inside the flight update, once a frame: true while the bee drains a sprite (play
// drainSound).
bool nectarTest(glh::FlightCamera& bee, float dt);

// From the idle callback while playing: the hive delivery, then the icon pick-up.
struct IdleSounds {
    int deliveries = 0;  // deliverySound each
    int speedIcons = 0;  // speedIconSound each
    int clockIcons = 0;  // clockIconSound each
};
IdleSounds deliverAndPickUp();

// A hard bump spills the last load.
void spillNectarLoad();

// The 50 ms icon timer and the 30 ms sprite timer (which sets the water's pulse).
void iconTimerTick();
void spriteTimerTick();

// The panel over the world, showing the bee's speed and compass.
void drawPanel();
