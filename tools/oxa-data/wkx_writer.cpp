#include "wkx_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

std::string column7(float value) {
    char text[32];
    for (int decimals = 4; decimals >= 0; --decimals) {
        double scale = std::pow(10.0, decimals);
        double rounded = std::round(static_cast<double>(value) * scale) / scale;
        if (rounded == 0) rounded = 0;  // no "-0.0000"
        int n = std::snprintf(text, sizeof text, "%7.*f", decimals, rounded);
        if (n <= 7) return text;
    }
    throw std::out_of_range("value does not fit a 7-character column");
}

namespace {

int colourByte(float v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
}

void appendLine(std::string& out, const std::string& line) {
    out += line;
    out += "\r\n";
}

}  // namespace

std::string encodeSceneModel(const std::vector<SceneObject>& objects) {
    std::string out;
    char line[128];
    std::snprintf(line, sizeof line, "%3zu", objects.size());
    appendLine(out, line);
    for (size_t k = 0; k < objects.size(); ++k) {
        const SceneObject& object = objects[k];
        size_t vertices = object.mesh.vertices.size();
        if (vertices > 99999 || object.placements.size() > 9999) {
            throw std::length_error("object too large for its model file columns");
        }
        std::snprintf(line, sizeof line, "%5zu%5zu%4zu N %c %5d", k, vertices,
                      object.placements.size(), static_cast<char>(object.material), 0);
        appendLine(out, line);
        for (const Vertex& v : object.mesh.vertices) {
            char colour[16];
            std::snprintf(colour, sizeof colour, "%d,%d,%d", colourByte(v.colour.x),
                          colourByte(v.colour.y), colourByte(v.colour.z));
            // The colour text is trimmed when read: no padding needed after column 35.
            std::snprintf(line, sizeof line, "%s%s%s%s%s%s", column7(v.position.x).c_str(),
                          column7(v.position.y).c_str(), column7(v.position.z).c_str(),
                          column7(v.s).c_str(), column7(v.t).c_str(), colour);
            appendLine(out, line);
        }
        for (const Mat4& m : object.placements) {
            for (int c = 0; c < 4; ++c) {
                std::snprintf(line, sizeof line, "%s%s%s%s", column7(m.m[c * 4]).c_str(),
                              column7(m.m[c * 4 + 1]).c_str(), column7(m.m[c * 4 + 2]).c_str(),
                              column7(m.m[c * 4 + 3]).c_str());
                appendLine(out, line);
            }
        }
    }
    return out;
}
