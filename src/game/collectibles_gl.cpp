#include "core/game_state.h"
#include "game/bee_model.h"
#include "game/collectibles.h"
#include "game/flower_field.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/nectar_sprites.h"
#include "game/pickup_icons.h"
#include "game/plants.h"
#include "game/random.h"
#include "game/stage_settings.h"

using glh::gl_kwiata;
using glh::gl_rosli;
using glh::ikony_tx;
using glh::kontrol;
using glh::spritte_tx;

void createNectarSprites() {
    spritte_tx.sprites.clear();
    if (model.spritesOn != 1) return;
    spritte_tx.loadTextures(medium.textureFilterMode);
    spritte_tx.loadModel();
    spritte_tx.sprites = createSprites(model.spriteCount);
}

void buildFlowerField() {
    if (model.flowersOn != 1) return;
    gl_kwiata.loadTextures(medium.textureFilterMode);
    gl_kwiata.loadModel();
    gl_kwiata.build(model.flowerGroups, model.placement, gameRandom, spritte_tx.sprites);
}

void buildPlants() {
    if (model.plantsOn != 1) return;
    gl_rosli.loadTextures(medium.textureFilterMode);
    gl_rosli.loadModel();
    gl_rosli.build(model.plantCounts, model.placement, gameRandom);
}

void loadPanel() {
    kontrol.loadTextures();
    kontrol.loadLayout();
}

void layOutPickupIcons() {
    ikony_tx.icons.clear();
    if (model.iconsOn != 1) return;
    ikony_tx.loadTextures(medium.textureFilterMode);
    ikony_tx.loadModel();
    ikony_tx.icons = layOutIcons(spritte_tx.sprites, model.speedIconCount, model.clockIconCount,
                                 model.placement, gameRandom);
}

bool nectarTest(glh::FlightCamera& bee, float dt) {
    return drainNectar(bee, dt, spritte_tx.sprites, kontrol.bucket, ikony_tx.icons);
}

IdleSounds deliverAndPickUp() {
    const auto& bee = glh::kamera;
    IdleSounds sounds;
    sounds.deliveries = deliverAtHive(bee.x, bee.y, bee.z, kontrol.bucket, kontrol.clock);
    const IconPickUps taken =
        pickUpIcons(ikony_tx.icons, bee.x, bee.z, {medium.bonusActive, ikony_tx.bonusSeconds},
                    model.boostSeconds, kontrol.clock, model.clockBonusSeconds);
    sounds.speedIcons = taken.speedIcons;
    sounds.clockIcons = taken.clockIcons;
    return sounds;
}

void spillNectarLoad() {
    spillLoad(kontrol.bucket);
}

void iconTimerTick() {
    ikony_tx.tick();
}

void spriteTimerTick() {
    model.spritePulse = spritte_tx.tick();
}

void drawPanel() {
    kontrol.draw(glh::kamera.speed, glh::kamera.maxSpeed, glh::gl_oxa_model.animation.compassAngle);
}
