#pragma once
// `song`, the sound record: the sound device, the eighteen slots of the sound table and
// the result of the last initialisation or creation. Lifetime: the whole process; the
// level's music (slot 0) is replaced at every level start.

#include <array>
#include <memory>

#include "__SNG/dsutil.h"
#include "__SNG/sound_table.h"

struct Song {
    // Every sound is created with volume, pan and frequency control and one buffer.
    uint32_t creationFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    std::unique_ptr<CSoundManager> manager;  // null while there is no sound device
    // The sounds of the slots; empty at slots 2, 13 and 16, which keep the first buffer
    // of the sound before them.
    std::array<std::unique_ptr<CSound>, soundSlotCount> sounds;
    std::array<CSoundBuffer*, soundSlotCount> keptBuffers{};
    HRESULT result = S_OK;
};

extern Song song;

// Frees every sound and closes the device (the tests start again with a fresh record).
void stopSound();
