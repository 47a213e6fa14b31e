#include "game/fish.h"

#include <cmath>
#include <limits>

#include "assets/text_lines.h"
#include "game/creature_rules.h"

namespace {

constexpr int fileLines = 10;
constexpr float radiansPerDegree = 0.017453292f;
constexpr float diveAngle = 180;
// A splash grows and shrinks in bands of five degrees; the start splash's bands start at
// 1, the end splash's at 171.
constexpr int splashBands = 13;
constexpr int endSplashFrom = 170;

struct SplashRow {
    float across, startUp, endUp;
};
// From the band 1-5 (171-175) up to 61-65 (231-235); beyond them both are gone.
constexpr SplashRow splashRows[splashBands] = {
    {0.2f, 0.0f, 0.0f}, {0.3f, 0.5f, 0.5f}, {0.4f, 0.7f, 0.7f}, {0.6f, 1.0f, 1.0f},
    {0.8f, 1.3f, 1.2f}, {1.0f, 1.6f, 1.3f}, {1.1f, 1.4f, 1.2f}, {1.2f, 1.2f, 1.1f},
    {1.3f, 1.0f, 0.9f}, {1.4f, 0.8f, 0.7f}, {1.6f, 0.6f, 0.5f}, {1.8f, 0.3f, 0.3f},
    {2.0f, 0.0f, 0.0f},
};

// The size at `a` degrees past the splash's own start, or nothing (unchanged) at or below it.
const SplashRow* splashRow(int a) {
    static constexpr SplashRow gone{0, 0, 0};
    if (a <= 0) return nullptr;
    if (a > splashBands * 5) return &gone;
    return &splashRows[(a - 1) / 5];
}

}  // namespace

std::string fishFileName(std::string_view stageId, int number) {
    return "STA\\r" + std::string(stageId) + std::to_string(number) + ".mtt";
}

Fish readFish(std::string_view bytes, const std::string& fileName) {
    const std::vector<double> v = readCreatureNumbers(bytes, fileLines, fileName, "fish");
    auto real = [&](int i) { return static_cast<float>(v[static_cast<size_t>(i)]); };
    Fish f;
    f.scale = real(0);
    f.centreX = real(1);
    f.waterY = real(2);
    f.centreZ = real(3);
    f.direction = real(4);
    f.turnRate = truncateToInt(v[5]);
    f.period = truncateToInt(v[6]);
    f.radius = real(7);
    const float a = -f.direction * radiansPerDegree;
    const float reach = f.radius * f.scale;
    f.start = {f.centreX - std::cos(a) * reach, f.waterY + real(8),
               f.centreZ - std::sin(a) * reach};
    f.end = {f.centreX + std::cos(a) * reach, f.waterY + real(9), f.centreZ + std::sin(a) * reach};
    return f;
}

FishSounds fishFrame(Fish& f, float dt, float beeX, float beeZ) {
    f.timer += dt;
    if (f.timer > static_cast<float>(f.period)) {
        f.timer = 0;
        f.phase = 0;
    }
    f.arcAngle = static_cast<float>(f.turnRate) * f.timer;
    FishSounds sounds;
    if (f.arcAngle > 0 && f.phase == 0) {
        sounds.up = true;
        sounds.upVolume = splashVolume(groundDistance(beeX, beeZ, f.start.x, f.start.z));
        f.phase = 1;
    }
    if (f.arcAngle > diveAngle && f.phase == 1) {
        sounds.down = true;
        sounds.downVolume = splashVolume(groundDistance(beeX, beeZ, f.end.x, f.end.z));
        f.phase = 2;
    }
    const int a = truncateToInt(f.arcAngle);
    f.startSplash = startSplashSize(a, f.startSplash);
    f.endSplash = endSplashSize(a, f.endSplash);
    return sounds;
}

long splashVolume(float distance) {
    const double volume = std::trunc(20.0 - 200.0 * static_cast<double>(distance));
    if (volume > 0) return 0;
    if (volume < static_cast<double>(std::numeric_limits<long>::min()))
        return std::numeric_limits<long>::min();
    return static_cast<long>(volume);
}

SplashSize startSplashSize(int arcAngle, SplashSize current) {
    const SplashRow* row = splashRow(arcAngle);
    return row ? SplashSize{row->across, row->startUp} : current;
}

SplashSize endSplashSize(int arcAngle, SplashSize current) {
    // Keep clear of overflow for absurd angles: they are all far past the splash.
    const int a = arcAngle > std::numeric_limits<int>::min() + endSplashFrom
                      ? arcAngle - endSplashFrom
                      : std::numeric_limits<int>::min();
    const SplashRow* row = splashRow(a);
    return row ? SplashSize{row->across, row->endUp} : current;
}
