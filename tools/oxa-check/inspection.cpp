#include "inspection.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The path as written if it exists, otherwise each missing part matched ignoring case.
fs::path resolve(std::string_view written) {
    std::string slashed(written);
    for (char& c : slashed)
        if (c == '\\') c = '/';
    fs::path path(slashed);
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    fs::path resolved = path.root_path();
    for (const fs::path& part : path.relative_path()) {
        fs::path exact = resolved / part;
        if (fs::exists(exact, ec) || part == "." || part == "..") {
            resolved = exact;
            continue;
        }
        fs::path match;
        fs::path folder = resolved.empty() ? fs::path(".") : resolved;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (sameIgnoringCase(it->path().filename().string(), part.string())) {
                match = it->path().filename();
                break;
            }
        }
        if (match.empty()) return path;
        resolved /= match;
    }
    return resolved;
}

std::optional<std::string> readWhole(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

ModelFileKind modelKind(DataKind kind) {
    switch (kind) {
        case DataKind::Scene:
            return ModelFileKind::Scene;
        case DataKind::Layout:
            return ModelFileKind::Layout;
        default:
            return ModelFileKind::Object;
    }
}

}  // namespace

Inspection inspectFile(std::string_view path, std::optional<DataKind> kind) {
    Inspection result;
    fs::path real = resolve(path);
    result.file = real.string();
    result.kind = kind ? kind : guessDataKind(path);
    if (!result.kind) {
        result.error =
            DataError("cannot tell the kind of file from its name (use --as)", result.file);
        return result;
    }
    auto bytes = readWhole(real);
    if (!bytes) {
        result.error = DataError("Cannot open file " + result.file);
        return result;
    }
    if (*result.kind == DataKind::Wave) {
        std::string problem;
        result.wave = summariseWave(std::move(*bytes), problem);
        if (!result.wave) result.error = DataError(problem, result.file);
        return result;
    }
    if (*result.kind == DataKind::Texture) {
        result.texture = parseTextureFile(*bytes);
        if (!result.texture)
            result.error = DataError("shorter than the " + std::to_string(textureHeaderSize) +
                                         "-byte header; the game skips it",
                                     result.file);
        return result;
    }
    try {
        result.model = parseModelFile(modelKind(*result.kind), *bytes, result.file);
    } catch (const DataError& error) {
        result.error = error;
    }
    return result;
}
