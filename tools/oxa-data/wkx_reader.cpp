#include "wkx_reader.h"

#include <cstdlib>
#include <sstream>

namespace {

std::optional<float> field(const std::string& line, size_t column, size_t width) {
    if (column - 1 >= line.size()) return std::nullopt;
    std::string text = line.substr(column - 1, width);
    char* end = nullptr;
    float value = std::strtof(text.c_str(), &end);
    while (end && *end == ' ') ++end;
    if (end == text.c_str() || (end && *end)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::vector<ReadObject>> readSceneModel(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty()) return std::nullopt;
    auto count = field(lines[0], 1, 3);
    if (!count) return std::nullopt;
    std::vector<ReadObject> objects;
    size_t h = 1;
    for (int k = 0; k < static_cast<int>(*count); ++k) {
        if (h >= lines.size() || lines[h].size() < 18) return std::nullopt;
        const std::string& header = lines[h];
        auto vertices = field(header, 6, 5), placements = field(header, 11, 4);
        if (!vertices || !placements || header[15] != 'N') return std::nullopt;
        ReadObject object{header[17], {}, {}};
        ++h;
        for (int i = 0; i < static_cast<int>(*vertices); ++i, ++h) {
            if (h >= lines.size()) return std::nullopt;
            const std::string& line = lines[h];
            ReadVertex v{};
            auto x = field(line, 1, 7), y = field(line, 8, 7), z = field(line, 15, 7);
            auto s = field(line, 22, 7), t = field(line, 29, 7);
            if (!x || !y || !z || !s || !t || line.size() < 36) return std::nullopt;
            v.position = {*x, *y, *z};
            v.s = *s;
            v.t = *t;
            std::istringstream colour(line.substr(35));
            int r = 0, g = 0, b = 0;
            char c1 = 0, c2 = 0;
            if (!(colour >> r >> c1 >> g >> c2 >> b) || c1 != ',' || c2 != ',') return std::nullopt;
            v.colour = {static_cast<float>(r) / 255, static_cast<float>(g) / 255,
                        static_cast<float>(b) / 255};
            object.vertices.push_back(v);
        }
        for (int p = 0; p < static_cast<int>(*placements); ++p) {
            Mat4 m;
            for (int c = 0; c < 4; ++c, ++h) {
                if (h >= lines.size()) return std::nullopt;
                for (int r = 0; r < 4; ++r) {
                    auto value = field(lines[h], 1 + 7 * static_cast<size_t>(r), 7);
                    if (!value) return std::nullopt;
                    m.m[static_cast<size_t>(c * 4 + r)] = *value;
                }
            }
            object.placements.push_back(m);
        }
        objects.push_back(std::move(object));
    }
    return objects;
}
