#include <cstdio>
#include <string>

#include "output.h"

namespace {

std::string plural(size_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string shownLetter(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7f) return std::string(1, c);
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02x", byte);
    return hex;
}

std::string textureSummary(const TextureFile& texture) {
    std::string line = std::string("texture, ") + (texture.rgba ? "RGBA" : "RGB");
    if (texture.side == 0)
        return line + ", no image (size code " + shownLetter(texture.sizeCode) + ")";
    line += ", side " + std::to_string(texture.side) + ", " +
            plural(texture.pixels.size(), "pixel byte");
    if (!texture.complete())
        line += " (only " + std::to_string(texture.storedPixelBytes) +
                " in the file, the rest is black)";
    return line;
}

std::string modelSummary(const ModelFile& model) {
    size_t vertices = 0;
    size_t placements = 0;
    std::string materials;
    std::string seen;
    for (const ModelObject& object : model.objects) {
        vertices += object.vertices.size();
        placements += object.placements.size();
        if (seen.find(object.material) == std::string::npos) {
            seen.push_back(object.material);
            materials += ' ';
            materials += shownLetter(object.material);
        }
    }
    std::string line = std::string(modelFileKindName(model.kind)) + ", " +
                       plural(model.objects.size(), "object") + ", " +
                       plural(vertices, "vertex line");
    if (model.kind == ModelFileKind::Scene) line += ", " + plural(placements, "placement");
    if (!materials.empty()) line += ", materials" + materials;
    return line;
}

}  // namespace

std::string summaryLine(const Inspection& inspection) {
    if (inspection.error) return inspection.error->report();
    if (inspection.texture) return inspection.file + ": " + textureSummary(*inspection.texture);
    if (inspection.wave) return inspection.file + ": wave, " + waveSummaryText(*inspection.wave);
    return inspection.file + ": " + modelSummary(*inspection.model);
}
