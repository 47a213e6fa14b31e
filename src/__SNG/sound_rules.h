#pragma once
// The sound layer's rules that need no sound device: volumes, which playback buffer a
// sound plays on, and which music follows the screen.

#include <cstdint>
#include <span>

// Volumes are in hundredths of a decibel, 0 loudest and -10000 silent. A volume outside
// that range is refused and the buffer keeps the volume it had.
inline constexpr long volumeMax = 0;
inline constexpr long volumeMin = -10000;
constexpr bool volumeAccepted(long volume) {
    return volume >= volumeMin && volume <= volumeMax;
}
// The gain of an accepted volume: 10^(volume / 2000), and 0 at -10000.
float gainOfVolume(long volume);

// The C library's rand() as the game's platform had it: seed × 22695477 + 1, the value
// bits 16 to 30 (0 to 32767), seed 1 at the start. The sound layer has one of its own, so
// that how long a sound keeps playing never changes what the game's own generator draws.
class CrtRand {
  public:
    int operator()() {
        seed_ = seed_ * 22695477u + 1u;
        return static_cast<int>((seed_ >> 16) & 0x7FFFu);
    }
    uint32_t seed() const { return seed_; }

  private:
    uint32_t seed_ = 1;
};

// One playback buffer of a sound as the free-buffer choice sees it.
struct BufferState {
    bool exists = false;
    bool playing = false;
};

// The buffer to play on: the first existing one that is not playing; when all are
// playing, the one at rand() mod count (it keeps playing from where it is). -1 for a sound
// without buffers.
int chooseFreeBuffer(std::span<const BufferState> buffers, CrtRand& rand);

// The music switch of the one-second housekeeping tick: the menu music in the menus, the
// level's music while playing (screen 0, the countdown included). It remembers whether the
// last tick found the game playing; the first tick counts the screen before it as playing,
// so the menu music starts at once.
enum class MusicChange {
    None,
    ToLevelMusic,  // stop and rewind the menu music, loop the level's music
    ToMenuMusic,   // stop and rewind the level's music, loop the menu music
};
struct MusicSwitch {
    int previousScreen = 0;
    MusicChange tick(int screen);
};
