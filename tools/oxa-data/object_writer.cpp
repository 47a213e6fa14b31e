#include "object_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

int colourByte(float v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
}

void appendLine(std::string& out, const char* line) {
    out += line;
    out += "\r\n";
}

}  // namespace

std::string encodeObjectModel(const std::vector<ModelPart>& parts) {
    if (parts.size() > 999) throw std::length_error("too many objects for the count line");
    std::string out;
    char line[128];
    std::snprintf(line, sizeof line, "%3zu", parts.size());
    appendLine(out, line);
    for (size_t k = 0; k < parts.size(); ++k) {
        const ModelPart& part = parts[k];
        size_t vertices = part.mesh.vertices.size();
        if (vertices > 99999) throw std::length_error("object too large for its header");
        std::snprintf(line, sizeof line, "%5zu%5zu%4d N %c %5d", k, vertices, 1,
                      static_cast<char>(part.material), part.twoSided ? 512 : 0);
        appendLine(out, line);
        for (const Vertex& v : part.mesh.vertices) {
            std::snprintf(line, sizeof line, "%s%s%s%s%s%d,%d,%d", column7(v.position.x).c_str(),
                          column7(v.position.y).c_str(), column7(v.position.z).c_str(),
                          column7(v.s).c_str(), column7(v.t).c_str(), colourByte(v.colour.x),
                          colourByte(v.colour.y), colourByte(v.colour.z));
            appendLine(out, line);
        }
        for (const char* row : {"      1      0      0      0", "      0      1      0      0",
                                "      0      0      1      0", "      0      0      0      1"}) {
            appendLine(out, row);
        }
    }
    return out;
}
