#include "clp_writer.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

std::string column6(float value) {
    char text[32];
    for (int decimals = 4; decimals >= 0; --decimals) {
        float rounded = std::round(value * std::pow(10.0f, static_cast<float>(decimals)));
        if (rounded == 0) value = 0;  // never "-0.000"
        std::snprintf(text, sizeof text, "%6.*f", decimals, static_cast<double>(value));
        if (std::string(text).size() <= 6) return text;
    }
    throw std::out_of_range("a number too large for a collision file");
}

std::string encodeCollisionFile(const std::string& title,
                                const std::vector<CollisionShape>& groups) {
    std::string out = title + "\r\n";
    for (const CollisionShape& group : groups) {
        char count[8];
        std::snprintf(count, sizeof count, "%4zu", group.triangles.size());
        out += "#" + column6(group.boxMin.x) + column6(group.boxMin.y) + column6(group.boxMin.z) +
               column6(group.boxMax.x) + column6(group.boxMax.y) + column6(group.boxMax.z) + count +
               "\r\n";
        for (const WorldTriangle& t : group.triangles) {
            for (const Vec3& p : {t.a, t.b, t.c}) out += column6(p.x) + column6(p.y) + column6(p.z);
            out += "\r\n";
        }
    }
    return out;
}
