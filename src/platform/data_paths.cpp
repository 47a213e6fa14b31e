#include "platform/data_paths.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

std::string DataTree::key(std::string_view gameName) {
    // Leading "./" segments name the root itself.
    while (gameName.size() >= 2 && gameName[0] == '.' &&
           (gameName[1] == '/' || gameName[1] == '\\'))
        gameName.remove_prefix(2);
    std::string k;
    k.reserve(gameName.size());
    for (char c : gameName) {
        if (c == '\\') c = '/';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '/' && (k.empty() || k.back() == '/')) continue;  // no empty segments
        k.push_back(c);
    }
    while (!k.empty() && k.back() == '/') k.pop_back();
    return k;
}

void DataTree::setRoot(fs::path root) {
    root_ = std::move(root);
    index_.clear();
    std::error_code ec;
    for (fs::recursive_directory_iterator
             it(root_, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        fs::path rel = it->path().lexically_relative(root_);
        // The first of two names that differ only in case wins, in directory order.
        index_.emplace(key(rel.generic_string()), rel);
    }
}

std::optional<fs::path> DataTree::find(std::string_view gameName) const {
    auto it = index_.find(key(gameName));
    if (it == index_.end()) return std::nullopt;
    return root_ / it->second;
}

fs::path DataTree::pathFor(std::string_view gameName) const {
    std::string k = key(gameName);
    if (auto found = index_.find(k); found != index_.end()) return root_ / found->second;
    // Resolve the longest existing folder prefix, keep the rest as written.
    std::string written(gameName);
    for (char& c : written)
        if (c == '\\') c = '/';
    fs::path rest = fs::path(written).relative_path();
    fs::path resolved;
    fs::path tail;
    std::string prefix;
    bool matching = true;
    for (const auto& part : rest) {
        if (matching) {
            if (!prefix.empty()) prefix.push_back('/');
            prefix.append(key(part.string()));
            auto it = index_.find(prefix);
            if (it != index_.end()) {
                resolved = it->second;
                continue;
            }
            matching = false;
        }
        tail /= part;
    }
    return root_ / resolved / tail;
}

void DataTree::remember(const fs::path& realPath) {
    fs::path rel = realPath.lexically_relative(root_);
    index_.emplace(key(rel.generic_string()), rel);
}

DataTree& dataTree() {
    static DataTree tree;
    return tree;
}

std::optional<std::string> readDataFile(std::string_view gameName) {
    auto path = dataTree().find(gameName);
    if (!path) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string displayName(std::string_view gameName) {
    if (auto path = dataTree().find(gameName)) return path->string();
    return std::string(gameName);
}
