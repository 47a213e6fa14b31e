#include "__SNG/sound_rules.h"

#include <cmath>

float gainOfVolume(long volume) {
    if (volume <= volumeMin) return 0;
    return std::pow(10.0f, static_cast<float>(volume) / 2000.0f);
}

int chooseFreeBuffer(std::span<const BufferState> buffers, CrtRand& rand) {
    if (buffers.empty()) return -1;
    for (size_t i = 0; i < buffers.size(); ++i)
        if (buffers[i].exists && !buffers[i].playing) return static_cast<int>(i);
    return rand() % static_cast<int>(buffers.size());
}

MusicChange MusicSwitch::tick(int screen) {
    MusicChange change = MusicChange::None;
    if (previousScreen != 0 && screen == 0) change = MusicChange::ToLevelMusic;
    if (previousScreen == 0 && screen != 0) change = MusicChange::ToMenuMusic;
    previousScreen = screen;
    return change;
}
