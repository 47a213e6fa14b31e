#include "__SNG/sound_table.h"

// Silent until the sound layer joins the game.

void playEffect(SoundSlot) {}
void setSlotVolume(SoundSlot, long) {}
CSound* createLevelSound(const std::string&) {
    return nullptr;
}
void playLevelSound(CSound*) {}
void setLevelSoundVolume(CSound*, long) {}
void freeLevelSound(CSound*) {}
