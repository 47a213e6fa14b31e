#include <vector>

#include "__SNG/sound_table.h"
#include "assets/data_error.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "game/bee_model.h"
#include "game/butterflies.h"
#include "game/creatures.h"
#include "game/dragonflies.h"
#include "game/fish_pond.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/random.h"
#include "game/stage_settings.h"
#include "platform/data_paths.h"

using glh::motyl_tx;
using glh::rybka_tx;
using glh::wazka_tx;

namespace {

// Lifetime: one stage.
int loadsStolen = 0;
// Lifetime: the whole process; refilled on every call.
std::vector<CreatureSighting> sightings;

CreatureWorld currentWorld() {
    const auto& bee = glh::kamera;
    return {
        bee.x,     bee.y, bee.z, glh::kontrol.bucket, model.maxSpeed, glh::reset.meanFrameSeconds,
        gameRandom};
}

// The sounds and the tumble the creatures of one kind asked for.
void answer(const CreatureEvents& events, SoundSlot chase, SoundSlot attack) {
    if (events.chaseSounds > 0) playEffect(chase);
    if (events.attackSounds > 0) playEffect(attack);
    if (events.tumbles > 0) glh::gl_oxa_model.animation.startTumble();
    loadsStolen += events.loadsStolen;
}

std::string readCreatureFile(const std::string& name) {
    auto bytes = readDataFile(name);
    if (!bytes) throw DataError("Cannot open file " + name);
    return *bytes;
}

void releaseFishSounds() {
    for (Fish& f : rybka_tx.fish) {
        freeLevelSound(f.upSplash);
        freeLevelSound(f.downSplash);
        f.upSplash = f.downSplash = nullptr;
    }
}

void splash(CSound* sound, long volume) {
    playLevelSound(sound);
    setLevelSoundVolume(sound, volume);
}

}  // namespace

CreatureFiles readCreatureFiles(const StageSettings& stage, const std::string& stageId) {
    CreatureFiles files;
    for (int i = 1; i <= stage.dragonflyCount; ++i) {
        const std::string name = dragonflyFileName(stageId, i);
        files.dragonflies.push_back(readDragonfly(readCreatureFile(name), displayName(name)));
    }
    for (int i = 1; i <= stage.fishCount; ++i) {
        const std::string name = fishFileName(stageId, i);
        files.fish.push_back(readFish(readCreatureFile(name), displayName(name)));
    }
    return files;
}

void createCreatures(CreatureFiles files) {
    loadsStolen = 0;

    motyl_tx.butterflies.clear();
    if (model.butterflyCount > 0) {
        motyl_tx.loadTextures(medium.textureFilterMode);
        motyl_tx.loadModel();
        for (int i = 0; i < model.butterflyCount; ++i)
            motyl_tx.butterflies.push_back(createButterfly(
                gameRandom, model.butterflyNoticeDistance, model.butterflyChaseFactor));
    }

    wazka_tx.dragonflies = std::move(files.dragonflies);
    if (!wazka_tx.dragonflies.empty()) {
        wazka_tx.loadTextures(medium.textureFilterMode);
        wazka_tx.loadModel();
    }

    releaseFishSounds();
    rybka_tx.fish = std::move(files.fish);
    if (!rybka_tx.fish.empty()) {
        rybka_tx.loadTextures(medium.textureFilterMode);
        rybka_tx.loadModel();
        for (Fish& f : rybka_tx.fish) {
            f.upSplash = createLevelSound("MOV\\u_bang.wav");
            f.downSplash = createLevelSound("MOV\\d_bang.wav");
        }
    }
}

void butterflyTimerTick() {
    if (medium.screen != ScreenPlaying) return;
    CreatureEvents events;
    if (auto volume = butterflyTimer(motyl_tx.butterflies, currentWorld(), events))
        setSlotVolume(SlotButterflyChaseBuffer, *volume);
    answer(events, SlotButterflyChase, SlotButterflyAttack);
}

void dragonflyTimerTick() {
    if (medium.screen != ScreenPlaying) return;
    CreatureEvents events;
    if (auto volume = dragonflyTimer(wazka_tx.dragonflies, wazka_tx.flock, currentWorld(), events))
        setSlotVolume(SlotDragonflyChaseBuffer, *volume);
    answer(events, SlotDragonflyChase, SlotDragonflyAttack);
}

void moveCreaturesThisFrame() {
    CreatureEvents events;
    butterflyFrame(motyl_tx.butterflies, currentWorld(), events);
    answer(events, SlotButterflyChase, SlotButterflyAttack);
    const auto& bee = glh::kamera;
    for (Fish& f : rybka_tx.fish) {
        const FishSounds sounds = fishFrame(f, glh::reset.meanFrameSeconds, bee.x, bee.z);
        if (sounds.up) splash(f.upSplash, sounds.upVolume);
        if (sounds.down) splash(f.downSplash, sounds.downVolume);
    }
}

void drawCreatures() {
    moveCreaturesThisFrame();
    motyl_tx.draw();
    wazka_tx.draw();
    rybka_tx.draw();
}

int loadsStolenThisStage() {
    return loadsStolen;
}

std::span<const CreatureSighting> creatureSightings() {
    sightings.clear();
    for (const Butterfly& b : motyl_tx.butterflies)
        sightings.push_back(
            {b.x, b.y, b.z, b.state == Butterfly::Chase || b.state == Butterfly::Attack});
    for (const Dragonfly& d : wazka_tx.dragonflies)
        sightings.push_back(
            {d.x, d.y, d.z, d.state == Dragonfly::Chase || d.state == Dragonfly::Attack});
    return sightings;
}
