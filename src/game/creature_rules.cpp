#include "game/creature_rules.h"

#include <cmath>
#include <limits>

#include "assets/data_error.h"
#include "assets/text_lines.h"
#include "game/nectar.h"
#include "geometry/plane_geometry.h"

float groundDistance(float x1, float z1, float x2, float z2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (z1 - z2) * (z1 - z2));
}

long chaseVolume(float distance) {
    const double volume = std::trunc(static_cast<double>(distance) * -1000.0);
    // A creature cannot be this far inside the garden; keep the number a long.
    if (volume < static_cast<double>(std::numeric_limits<long>::min()))
        return std::numeric_limits<long>::min();
    return static_cast<long>(volume);
}

float yawBackTo(float x, float z, float previousX, float previousZ) {
    return geometry::headingDegrees(x, z, previousX, previousZ);
}

int stealLoad(NectarBucket& bucket) {
    const int before = bucket.loadCount;
    spillLoad(bucket);
    return before > 0 ? 1 : 0;
}

void stepTowardsHeight(float& y, float height, float step) {
    if (y < height)
        y += step;
    else if (y > height)
        y -= step;
}

std::vector<double> readCreatureNumbers(std::string_view bytes, int lineCount,
                                        const std::string& fileName, const char* what) {
    const std::vector<std::string> lines = splitLines(bytes);
    const int count = static_cast<int>(lines.size());
    if (count < lineCount)
        throw DataError("the " + std::string(what) + " file ends after " + std::to_string(count) +
                            " lines; it needs " + std::to_string(lineCount),
                        fileName, count + 1);
    std::vector<double> numbers;
    for (int i = 0; i < lineCount; ++i) {
        const double value = numericLine(lines, i, fileName);
        if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
            throw DataError(
                "'" +
                    std::string(
                        trimBlanks(std::string_view(lines[static_cast<size_t>(i)]).substr(0, 10))) +
                    "' is too large for a " + what + " setting",
                fileName, i + 1);
        numbers.push_back(value);
    }
    return numbers;
}
