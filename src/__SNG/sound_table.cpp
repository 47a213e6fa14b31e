#include "__SNG/sound_table.h"

#include <cstdio>
#include <string>

#include "__SNG/song.h"
#include "__SNG/sound_rules.h"
#include "assets/data_error.h"
#include "platform/clock.h"

namespace {

// The music switch's memory of the last tick.
MusicSwitch musicSwitch;

// The sound log (--sound-log): "MS start|loop|stop FILE", MS counted from the moment the
// device opened, which is where a recording of the device's output starts too.
FILE* soundLog = nullptr;
uint32_t soundStart = 0;

void logSound(const char* what, const CSound& sound) {
    if (!soundLog) return;
    std::fprintf(soundLog, "%u %s %s\n", platform::realMilliseconds() - soundStart, what,
                 sound.waveFile().fileName().c_str());
    std::fflush(soundLog);
}

void play(CSound* sound, uint32_t flags) {
    if (!sound) return;
    const bool wasPlaying = sound->IsSoundPlaying();
    sound->Play(0, flags);
    if (!wasPlaying) logSound(flags & DSBPLAY_LOOPING ? "loop" : "start", *sound);
}

void stopAndRewind(CSound* sound) {
    if (!sound) return;
    if (sound->IsSoundPlaying()) logSound("stop", *sound);
    sound->Stop();
    sound->Reset();
}

std::string hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

// Why a table sound could not be made, for the line that ends the game.
std::string creationProblem(const char* file, HRESULT hr) {
    if (auto problem = waveProblem(file)) return *problem;
    return "the sound device cannot play it (result " + hex(hr) + ")";
}

bool isKeptBuffer(int slot) {
    return slot == SlotMenuMusicBuffer || slot == SlotButterflyChaseBuffer ||
           slot == SlotDragonflyChaseBuffer;
}

}  // namespace

void startSound(unsigned long window, bool useDevice, const std::string& soundLogPath) {
    if (useDevice) {
        song.manager = std::make_unique<CSoundManager>();
        song.result = song.manager->Initialize(window, DSSCL_PRIORITY, 2, 22050, 16);
        if (song.result != S_OK) {
            song.manager.reset();
            std::fprintf(stderr,
                         "oxa: no sound device (OpenAL could not open one): playing without "
                         "sound\n");
        }
    }
    soundStart = platform::realMilliseconds();
    if (!soundLogPath.empty() && song.manager) {
        soundLog = std::fopen(soundLogPath.c_str(), "w");
        if (!soundLog) throw DataError("cannot write the sound log", soundLogPath);
    }
    // In table order, the level's music aside; with no device every file is still read,
    // so that a broken tree stops the game on every machine alike.
    for (int slot = SlotMenuMusic; slot < soundSlotCount; ++slot) {
        const char* file = soundTableFiles[static_cast<size_t>(slot)];
        if (!file) continue;
        if (!song.manager) {
            if (auto problem = waveProblem(file)) throw DataError(*problem, file);
            continue;
        }
        CSound* sound = nullptr;
        song.result = song.manager->Create(&sound, file, song.creationFlags, GUID_NULL, 1);
        if (song.result != S_OK) {
            delete sound;
            throw DataError(creationProblem(file, song.result), file);
        }
        song.sounds[static_cast<size_t>(slot)].reset(sound);
    }
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        if (!isKeptBuffer(slot)) continue;
        CSound* owner = song.sounds[static_cast<size_t>(slot - 1)].get();
        song.keptBuffers[static_cast<size_t>(slot)] = owner ? owner->GetBuffer(0) : nullptr;
    }
}

void stopSound() {
    song.keptBuffers = {};
    for (auto& sound : song.sounds) sound.reset();
    song.manager.reset();
    song.result = S_OK;
    musicSwitch = {};
    if (soundLog) std::fclose(soundLog);
    soundLog = nullptr;
}

bool soundPlaying() {
    return song.manager != nullptr;
}

void loadLevelMusic(const std::string& file) {
    if (!song.manager) return;
    CSound* music = nullptr;
    song.result = song.manager->Create(&music, file.c_str(), song.creationFlags, GUID_NULL, 1);
    if (song.result != S_OK || !music) {
        delete music;
        return;  // the slot keeps the music it had
    }
    auto& slot = song.sounds[SlotLevelMusic];
    // A new level started while the last one's music still plays (before the music switch
    // saw a menu): the new music takes its place at once, instead of the old one looping
    // on where nothing can stop it.
    const bool replacePlaying = slot && slot->IsSoundPlaying();
    if (replacePlaying) logSound("stop", *slot);
    slot.reset(music);
    if (replacePlaying) play(music, DSBPLAY_LOOPING);
}

void switchMusic(int screen) {
    CSound* level = song.sounds[SlotLevelMusic].get();
    CSound* menu = song.sounds[SlotMenuMusic].get();
    switch (musicSwitch.tick(screen)) {
        case MusicChange::ToLevelMusic:
            stopAndRewind(menu);
            play(level, DSBPLAY_LOOPING);
            break;
        case MusicChange::ToMenuMusic:
            stopAndRewind(level);
            play(menu, DSBPLAY_LOOPING);
            break;
        case MusicChange::None:
            break;
    }
}

void playEffect(SoundSlot slot) {
    if (slot < 0 || slot >= soundSlotCount) return;
    play(song.sounds[static_cast<size_t>(slot)].get(), 0);
}

void setSlotVolume(SoundSlot bufferSlot, long volume) {
    if (bufferSlot < 0 || bufferSlot >= soundSlotCount) return;
    if (CSoundBuffer* buffer = song.keptBuffers[static_cast<size_t>(bufferSlot)])
        buffer->SetVolume(volume);
}

CSound* createLevelSound(const std::string& file) {
    if (!song.manager) return nullptr;
    CSound* sound = nullptr;
    if (song.manager->Create(&sound, file.c_str(), song.creationFlags, GUID_NULL, 1) != S_OK) {
        delete sound;
        return nullptr;
    }
    return sound;
}

void playLevelSound(CSound* sound) {
    play(sound, 0);
}

void setLevelSoundVolume(CSound* sound, long volume) {
    if (!sound) return;
    if (CSoundBuffer* buffer = sound->GetBuffer(0)) buffer->SetVolume(volume);
}

void freeLevelSound(CSound* sound) {
    delete sound;
}
