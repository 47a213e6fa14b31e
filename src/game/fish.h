#pragma once
// Fish as rules. A fish jumps out of the pond on a half circle at a fixed place, once per
// period: it leaves the water at its start point with a splash and a sound, and dives in
// at its end point half a turn later with another. Fish are scenery: they never touch the
// bee.
//
// Each comes from its file "STA\r" + stage id + difficulty digit + number (from 1) +
// ".mtt", ten numeric lines: the scale, the arc's centre (x, water height, z), its
// direction (degrees about y), the turn rate (degrees of arc a second, whole), the period
// (seconds, whole), the radius, and the heights of the start and end points above the water.

#include <string>
#include <string_view>

class CSound;

struct WaterPoint {
    float x = 0, y = 0, z = 0;
};

// A splash's scale: across (x and z) and up.
struct SplashSize {
    float across = 0, up = 0;
};

struct Fish {
    float scale = 1;
    float centreX = 0, waterY = 0, centreZ = 0;
    float direction = 0;  // degrees about y
    int turnRate = 0;     // degrees of arc a second
    float radius = 0;
    int period = 0;         // seconds from one jump to the next
    WaterPoint start, end;  // where it leaves the water and where it dives back in
    SplashSize startSplash, endSplash;
    int phase = 0;       // 0 before the jump, 1 after the start splash, 2 after the end splash
    float arcAngle = 0;  // degrees along the half circle
    float timer = 0;     // seconds since the jump began
    CSound* upSplash = nullptr;    // its own "MOV\u_bang.wav"
    CSound* downSplash = nullptr;  // and "MOV\d_bang.wav"

    // The fish shows until it is a little past the end of its half circle.
    bool visible() const { return arcAngle < 190; }
};

// "STA\r" + stage id (level and difficulty digits, "031") + number + ".mtt".
std::string fishFileName(std::string_view stageId, int number);

// A fish read from its file, before its first jump, with its start and end points. Refuses
// a short or broken file (DataError with the file and line). Its sounds are the caller's.
Fish readFish(std::string_view bytes, const std::string& fileName);

// What one frame of a fish asks for: a splash sound each, at its volume.
struct FishSounds {
    bool up = false;
    long upVolume = 0;
    bool down = false;
    long downVolume = 0;
};

// One frame (dt seconds) of a fish: the jump's clock, the splashes' sounds (their volumes
// from the bee's distance to where the fish leaves or enters the water) and sizes.
FishSounds fishFrame(Fish& fish, float dt, float beeX, float beeZ);

// A splash sound's volume in hundredths of a decibel: trunc(20 - 200 × distance), at most
// 0 (the loudest the sound layer takes), so a splash right beside the bee is loud.
long splashVolume(float distance);

// The splashes' sizes at a whole arc angle: the start splash rises and falls over the
// first 65 degrees, the end splash from 171 to 235; at or below their first angle (0 and
// 170) they keep the size they had.
SplashSize startSplashSize(int arcAngle, SplashSize current);
SplashSize endSplashSize(int arcAngle, SplashSize current);
