#include "tree_check.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "assets/texture_file.h"

namespace fs = std::filesystem;

namespace {

std::vector<TreeCheck>& registry() {
    static std::vector<TreeCheck> checks;
    return checks;
}

std::string plural(size_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

}  // namespace

TreeCheckContext::TreeCheckContext(const fs::path& root) : tree_(root) {}

std::optional<std::string> TreeCheckContext::read(std::string_view gameName,
                                                  std::string_view namedBy) {
    auto path = tree_.find(gameName);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) {
        problem(DataError("missing, named by " + std::string(namedBy), shownPath(gameName)));
        return std::nullopt;
    }
    std::ifstream in(*path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        problem(DataError("cannot be read", path->string()));
        return std::nullopt;
    }
    ++filesRead_;
    return bytes;
}

std::string TreeCheckContext::shownPath(std::string_view gameName) const {
    if (auto path = tree_.find(gameName)) return path->string();
    return tree_.pathFor(gameName).string();
}

void TreeCheckContext::problem(const DataError& error) {
    ++problems_;
    std::printf("%s\n", error.report().c_str());
}

void checkTextureFile(TreeCheckContext& context, std::string_view gameName,
                      const std::string& namedBy) {
    auto bytes = context.read(gameName, namedBy);
    if (!bytes) return;
    const std::string file = context.shownPath(gameName);
    auto texture = parseTextureFile(*bytes);
    if (!texture) {
        context.problem(DataError("shorter than the " + std::to_string(textureHeaderSize) +
                                      "-byte header; the game skips it",
                                  file));
    } else if (texture->side == 0) {
        context.problem(DataError("the size code names no image", file));
    } else if (!texture->complete()) {
        context.problem(DataError("holds " + std::to_string(texture->storedPixelBytes) + " of " +
                                      std::to_string(texture->pixels.size()) + " pixel bytes",
                                  file));
    }
}

bool registerTreeCheck(TreeCheck check) {
    registry().push_back(check);
    return true;
}

std::span<const TreeCheck> treeChecks() {
    return registry();
}

int checkTree(const fs::path& root) {
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        std::printf("%s: not a folder\n", root.string().c_str());
        return 1;
    }
    TreeCheckContext context(root);
    std::string names;
    for (const TreeCheck& check : treeChecks()) {
        check.run(context);
        names += (names.empty() ? "" : ", ") + std::string(check.name);
    }
    std::printf("%s: %s read (%s), %s\n", root.string().c_str(),
                plural(context.filesRead(), "file").c_str(), names.c_str(),
                context.problems() ? plural(context.problems(), "problem").c_str() : "no problems");
    return context.problems() ? 1 : 0;
}
