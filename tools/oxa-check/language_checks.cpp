// The languages' pictures: every file of a language's folder ("LANG\DE\MEN\BMP_0\...")
// stands in for a file of the tree's own of the same name, so that file must exist, and a
// picture must be a whole texture of the same side and the same kind (RGB or RGBA) as the
// English one: the layouts place the English picture's texels.

#include <filesystem>
#include <optional>
#include <string>

#include "assets/texture_file.h"
#include "game/menu_language.h"
#include "tree_check.h"

namespace fs = std::filesystem;

namespace {

std::optional<TextureFile> textureOf(TreeCheckContext& context, const std::string& gameName,
                                     const std::string& namedBy) {
    auto bytes = context.read(gameName, namedBy);
    if (!bytes) return std::nullopt;
    return parseTextureFile(*bytes);
}

void checkLanguage(TreeCheckContext& context, Language language) {
    const std::string folder = languageFolder(language);
    const auto root = context.tree().find(folder);
    if (!root) return;  // a language without pictures of its own speaks English
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(*root, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string name = fs::relative(it->path(), *root, ec).string();
        for (char& c : name)
            if (c == '/') c = '\\';
        const std::string own = folder + "\\" + name;
        const std::string user = std::string("the ") + languageCode(language) + " menus";
        if (!context.tree().find(name)) {
            context.problem(DataError("stands in for " + name + ", which the tree does not have",
                                      context.shownPath(own)));
            continue;
        }
        if (!name.ends_with(".srm") && !name.ends_with(".SRM")) continue;
        checkTextureFile(context, own, user);
        const auto translated = textureOf(context, own, user);
        const auto english = textureOf(context, name, "the English menus");
        if (!translated || !english || !translated->side || !english->side) continue;
        if (translated->side != english->side || translated->rgba != english->rgba) {
            const auto describe = [](const TextureFile& t) {
                return std::string(t.rgba ? "RGBA" : "RGB") + " of side " + std::to_string(t.side);
            };
            context.problem(DataError(
                "is " + describe(*translated) + ", the English picture " + describe(*english),
                context.shownPath(own)));
        }
    }
}

void checkLanguages(TreeCheckContext& context) {
    for (Language language : allLanguages)
        if (language != Language::english) checkLanguage(context, language);
}

[[maybe_unused]] const bool registered = registerTreeCheck({"languages", checkLanguages});

}  // namespace
