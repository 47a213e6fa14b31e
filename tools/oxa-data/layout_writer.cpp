#include "layout_writer.h"

#include <cstdio>
#include <stdexcept>

#include "wkx_writer.h"

LayoutQuad layoutRect(float x0, float y0, float x1, float y1, float s0, float t0, float s1,
                      float t1) {
    return {{{x0, y0, s0, t0}, {x1, y0, s1, t0}, {x1, y1, s1, t1}, {x0, y1, s0, t1}}};
}

std::string encodeLayout(const std::vector<LayoutElement>& elements) {
    if (elements.size() > 999) throw std::length_error("too many elements for the count line");
    std::string out;
    char line[128];
    auto append = [&out, &line] {
        out += line;
        out += "\r\n";
    };
    std::snprintf(line, sizeof line, "%3zu", elements.size());
    append();
    for (size_t k = 0; k < elements.size(); ++k) {
        const LayoutElement& element = elements[k];
        size_t counted = element.quads.size() * 3;
        if (counted > 99999) throw std::length_error("element too large for its header");
        // The placement column must hold a number although layouts never use it.
        std::snprintf(line, sizeof line, "%5zu%5zu%4d N %c %5d", k, counted, 0,
                      static_cast<char>(element.material), element.flags);
        append();
        for (const LayoutQuad& quad : element.quads) {
            for (const LayoutCorner& c : quad) {
                // The colour text is read but never used: layouts take the current colour.
                std::snprintf(line, sizeof line, "%s%s%s%s%s255,255,255", column7(c.x).c_str(),
                              column7(c.y).c_str(), column7(0).c_str(), column7(c.s).c_str(),
                              column7(c.t).c_str());
                append();
            }
        }
    }
    return out;
}
