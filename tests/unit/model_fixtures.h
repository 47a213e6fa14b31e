#pragma once
// Builders for small model and layout files laid out at their fixed columns.

#include <cstdio>
#include <string>
#include <vector>

namespace fixture {

// Columns 6-10 V, 11-14 P, 16 vertex kind, 18 material, 20-24 flag number.
inline std::string header(int vertices, int placements, char kind, char material, int flags) {
    char line[40];
    std::snprintf(line, sizeof line, "%5s%5d%4d %c %c %5d", "", vertices, placements, kind,
                  material, flags);
    return line;
}

// x, y, z, s, t at seven columns each, then the colour text in columns 36-47.
inline std::string textured(double x, double y, double z, double s, double t,
                            const char* colour = "255,255,255") {
    char line[64];
    std::snprintf(line, sizeof line, "%7.3f%7.3f%7.3f%7.3f%7.3f%-12s", x, y, z, s, t, colour);
    return line;
}

// x, y, z, four unused numbers, then the colour text in columns 50-61.
inline std::string untextured(double x, double y, double z, const char* colour = "255,255,255") {
    char line[80];
    std::snprintf(line, sizeof line, "%7.3f%7.3f%7.3f%7.3f%7.3f%7.3f%7.3f%-12s", x, y, z, 0.0, 0.0,
                  0.0, 0.0, colour);
    return line;
}

inline std::string numbers4(double a, double b, double c, double d) {
    char line[40];
    std::snprintf(line, sizeof line, "%7.3f%7.3f%7.3f%7.3f", a, b, c, d);
    return line;
}

// The four lines of a placement that only moves the object by (x, y, z).
inline std::vector<std::string> translation(double x, double y, double z) {
    return {numbers4(1, 0, 0, 0), numbers4(0, 1, 0, 0), numbers4(0, 0, 1, 0), numbers4(x, y, z, 1)};
}

// A counter-clockwise triangle in the z = 0 plane, small enough for a unit viewport.
inline std::vector<std::string> triangle(const char* colour = "255,255,255", double dx = 0) {
    return {textured(-0.5 + dx, -0.5, 0, 0, 0, colour), textured(0.5 + dx, -0.5, 0, 1, 0, colour),
            textured(0.0 + dx, 0.5, 0, 0.5, 1, colour)};
}

inline std::string join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

// Appends lines to a growing file.
inline void add(std::vector<std::string>& file, const std::vector<std::string>& lines) {
    file.insert(file.end(), lines.begin(), lines.end());
}

}  // namespace fixture
