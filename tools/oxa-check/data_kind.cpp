#include "data_kind.h"

#include <array>
#include <string>

namespace {

// Lower case with '/' separators, so both spellings of a game path compare alike.
std::string normalised(std::string_view path) {
    std::string key(path);
    for (char& c : key) {
        if (c == '\\') c = '/';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// True when `path` ends with the folders and file of `tail`, whole names only.
bool endsWithPath(std::string_view path, std::string_view tail) {
    return endsWith(path, tail) &&
           (path.size() == tail.size() || path[path.size() - tail.size() - 1] == '/');
}

constexpr std::array<std::string_view, 5> kindNames = {"texture", "object", "scene", "layout",
                                                       "wave"};

}  // namespace

std::optional<DataKind> guessDataKind(std::string_view path) {
    std::string key = normalised(path);
    if (endsWith(key, ".srm")) return DataKind::Texture;
    if (endsWith(key, ".mex")) return DataKind::Layout;
    if (endsWith(key, ".wav")) return DataKind::Wave;
    if (!endsWith(key, ".wkx")) return std::nullopt;
    if (endsWithPath(key, "mod/data/oxa.wkx")) return DataKind::Scene;
    size_t slash = key.rfind('/');
    std::string_view folder =
        std::string_view(key).substr(0, slash == std::string::npos ? 0 : slash);
    std::string_view file =
        std::string_view(key).substr(slash == std::string::npos ? 0 : slash + 1);
    if (file.starts_with("garden") && endsWithPath(folder, "sce/data")) return DataKind::Scene;
    return DataKind::Object;
}

std::optional<DataKind> dataKindNamed(std::string_view name) {
    for (size_t k = 0; k < kindNames.size(); ++k)
        if (kindNames[k] == name) return static_cast<DataKind>(k);
    return std::nullopt;
}

const char* dataKindName(DataKind kind) {
    return kindNames[static_cast<size_t>(kind)].data();
}
