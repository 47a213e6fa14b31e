#pragma once
// What the running game calls for the butterflies, dragonflies and fish, working on the
// global objects (`model`, `glh::motyl_tx`, `glh::wazka_tx`, `glh::rybka_tx`, the bee in
// `glh::kamera` and `glh::gl_oxa_model`, her bucket in `glh::kontrol`, `gameRandom`) and
// playing their sounds. The rules themselves live in butterfly.h, dragonfly.h and fish.h.

#include <span>
#include <string>
#include <vector>

#include "game/creature_rules.h"
#include "game/dragonfly.h"
#include "game/fish.h"

struct StageSettings;

// The dragonflies and fish of a stage as their files place them, named by the stage id
// (level id and difficulty digit, "031"). Read with the stage's own files, before anything
// of the level in progress is freed: a missing or broken one refuses the stage (DataError).
struct CreatureFiles {
    std::vector<Dragonfly> dragonflies;
    std::vector<Fish> fish;
};
CreatureFiles readCreatureFiles(const StageSettings& stage, const std::string& stageId);

// Stage start, after the plants and before the bee: the butterflies (three draws from the
// game's generator each), then the dragonflies and the fish read above, each fish with its
// two splashes. The previous stage's fish sounds are released first.
void createCreatures(CreatureFiles files);

// The 50 ms timers; they move the creatures only while the game screen shows.
void butterflyTimerTick();
void dragonflyTimerTick();

// Once a frame: the chasing butterflies' steps and the fish's jumps with their splashes.
void moveCreaturesThisFrame();
// In the world pass, once a frame: the moves above, then the butterflies, the dragonflies
// and the fish are drawn.
void drawCreatures();

// Loads the bee has lost to butterflies and dragonflies since the stage started.
int loadsStolenThisStage();

// Every butterfly, then every dragonfly, as a player sees them. The span lives until the
// next call.
std::span<const CreatureSighting> creatureSightings();
