#pragma once
// oxa-check --tree DIR: every check that concerns a whole data tree. Each check lives in
// a file of its own (scene_checks.cpp, ...) and joins the list when the program starts:
//
//   namespace {
//   void checkStages(TreeCheckContext& context) { ... }
//   [[maybe_unused]] const bool registered = registerTreeCheck({"stages", checkStages});
//   }  // namespace
//
// and its file is added to tools/oxa-check/CMakeLists.txt. Nothing else needs to change.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "assets/data_error.h"
#include "platform/data_paths.h"

// What a check works with: the tree (names looked up as the game does, letter case
// ignored) and the list of problems found so far.
class TreeCheckContext {
  public:
    explicit TreeCheckContext(const std::filesystem::path& root);

    const DataTree& tree() const { return tree_; }

    // The bytes of a file the game opens by this name. When it is missing or cannot be
    // read, that is reported ("FILE: missing, named by WHO") and nullopt returned.
    std::optional<std::string> read(std::string_view gameName, std::string_view namedBy);

    // The path to show for a game name: the real file when it exists, else where it belongs.
    std::string shownPath(std::string_view gameName) const;

    // One problem, printed at once as "FILE:LINE: message" (or "FILE: message").
    void problem(const DataError& error);

    size_t filesRead() const { return filesRead_; }
    size_t problems() const { return problems_; }

  private:
    DataTree tree_;
    size_t filesRead_ = 0;
    size_t problems_ = 0;
};

// Reads a texture the game opens by this name and reports a missing file, a short header,
// a size code that names no image and missing pixels.
void checkTextureFile(TreeCheckContext& context, std::string_view gameName,
                      const std::string& namedBy);

struct TreeCheck {
    std::string_view name;
    void (*run)(TreeCheckContext& context);
};

// Adds a check to the list; returns true so that a file can register from a constant.
bool registerTreeCheck(TreeCheck check);
std::span<const TreeCheck> treeChecks();

// Runs every registered check on the tree under root, prints one line per problem and a
// summary line; the exit status: 0 when clean, 1 otherwise.
int checkTree(const std::filesystem::path& root);
