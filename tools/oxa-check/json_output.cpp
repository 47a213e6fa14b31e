#include <charconv>
#include <cstdio>

#include "assets/list_plan.h"
#include "output.h"

namespace {

bool validUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        auto byte = static_cast<unsigned char>(text[i]);
        size_t extra = byte < 0x80                   ? 0
                       : byte >= 0xc2 && byte < 0xe0 ? 1
                       : byte >= 0xe0 && byte < 0xf0 ? 2
                       : byte >= 0xf0 && byte < 0xf5 ? 3
                                                     : 4;
        if (extra > 3 || text.size() - i <= extra) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// File bytes (letters, texts quoted in messages) need not be UTF-8; such bytes are shown
// as the code points of the same number.
std::string quoted(std::string_view text) {
    bool passHigh = validUtf8(text);
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f || (byte >= 0x80 && !passHigh)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string number(double value) {
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : "null";
}

template <size_t N>
std::string numbers(const std::array<double, N>& values) {
    std::string out = "[";
    for (size_t k = 0; k < N; ++k) out += (k ? ", " : "") + number(values[k]);
    return out + "]";
}

std::string stateJson(const GlStateSummary& state) {
    std::string out;
    auto add = [&](const char* name, const std::string& value) {
        out += std::string(out.empty() ? "" : ", ") + "\"" + name + "\": " + value;
    };
    auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
    if (state.alphaTest) add("alphaTest", flag(*state.alphaTest));
    if (state.blending) add("blending", flag(*state.blending));
    if (state.faceCulling) add("faceCulling", flag(*state.faceCulling));
    if (state.culledFace)
        add("culledFace", *state.culledFace == CulledFace::Back ? "\"back\"" : "\"frontAndBack\"");
    if (state.texturing2D) add("texturing2D", flag(*state.texturing2D));
    return "{" + out + "}";
}

const char* primitiveName(Primitive primitive) {
    switch (primitive) {
        case Primitive::Triangles:
            return "triangles";
        case Primitive::Quads:
            return "quads";
        case Primitive::None:
            break;
    }
    return "none";
}

void writeObject(std::ostream& out, ModelFileKind kind, const ModelObject& object) {
    ListPlan plan = listPlan(kind, object);
    out << "      {\"line\": " << object.headerLine + 1
        << ", \"vertexKind\": " << quoted(std::string(1, object.vertexKind))
        << ", \"material\": " << quoted(std::string(1, object.material))
        << ", \"flags\": " << object.flags << ", \"vertexCount\": " << object.vertexCount;
    if (kind != ModelFileKind::Object) out << ", \"placementCount\": " << object.placementCount;
    out << ",\n       \"primitive\": \"" << primitiveName(plan.primitive)
        << "\", \"sets\": " << stateJson(stateWhileDrawing(plan))
        << ", \"leaves\": " << stateJson(stateLeft(plan)) << ",\n       \"vertices\": [";
    for (size_t k = 0; k < object.vertices.size(); ++k) {
        const ModelVertex& v = object.vertices[k];
        out << (k ? ",\n         " : "\n         ") << "{\"position\": " << numbers(v.position);
        if (plan.recordsTexCoord) out << ", \"texCoord\": " << numbers(v.texCoord);
        if (plan.recordsColour) out << ", \"colour\": " << numbers(v.colour);
        out << "}";
    }
    out << "]";
    if (kind == ModelFileKind::Scene) {
        out << ",\n       \"placements\": [";
        for (size_t k = 0; k < object.placements.size(); ++k)
            out << (k ? ",\n         " : "\n         ") << numbers(object.placements[k]);
        out << "]";
    }
    out << "}";
}

void writeModel(std::ostream& out, const ModelFile& model) {
    out << ",\n    \"objects\": [";
    for (size_t k = 0; k < model.objects.size(); ++k) {
        out << (k ? ",\n" : "\n");
        writeObject(out, model.kind, model.objects[k]);
    }
    out << "]";
}

void writeTexture(std::ostream& out, const TextureFile& texture) {
    out << ",\n    \"format\": \"" << (texture.rgba ? "RGBA" : "RGB")
        << "\", \"formatLetter\": " << quoted(std::string(1, texture.formatLetter))
        << ", \"sizeCode\": " << quoted(std::string(1, texture.sizeCode))
        << ", \"side\": " << texture.side << ", \"bytes\": " << texture.pixels.size()
        << ", \"bytesInFile\": " << texture.storedPixelBytes;
}

void writeWave(std::ostream& out, const WaveSummary& wave) {
    const WaveFormat& f = wave.format;
    out << ",\n    \"format\": {\"tag\": " << f.formatTag << ", \"channels\": " << f.channels
        << ", \"samplesPerSecond\": " << f.samplesPerSec << ", \"bitsPerSample\": " << f.bitsPerSample
        << ", \"blockAlign\": " << f.blockAlign << "}, \"dataBytes\": " << wave.dataBytes
        << ", \"seconds\": " << number(wave.seconds) << ", \"peak\": " << number(wave.peak);
}

void writeInspection(std::ostream& out, const Inspection& inspection) {
    out << "  {\"file\": " << quoted(inspection.file);
    if (inspection.kind) out << ", \"kind\": \"" << dataKindName(*inspection.kind) << "\"";
    if (inspection.error) {
        out << ",\n    \"error\": {\"message\": " << quoted(inspection.error->message())
            << ", \"line\": " << inspection.error->line() << "}";
    } else if (inspection.texture) {
        writeTexture(out, *inspection.texture);
    } else if (inspection.wave) {
        writeWave(out, *inspection.wave);
    } else if (inspection.model) {
        writeModel(out, *inspection.model);
    }
    out << "}";
}

}  // namespace

void writeJson(std::ostream& out, std::span<const Inspection> inspections) {
    out << "[";
    for (size_t k = 0; k < inspections.size(); ++k) {
        out << (k ? ",\n" : "\n");
        writeInspection(out, inspections[k]);
    }
    out << "\n]\n";
}
