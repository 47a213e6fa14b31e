// The menus: every layout the built screens load reads as the game reads it and holds
// exactly the lists the screen draws (fewer would leave a button invisible yet clickable),
// and every picture they bind, the pointer and the game font are whole textures.

#include <string>

#include "assets/model_file.h"
#include "menus/menu_layouts.h"
#include "tree_check.h"

namespace {

struct MenuLayout {
    const char* file;
    const char* screen;
    int lists;
};

constexpr MenuLayout layouts[] = {
    {"MEN\\DAT\\menuone.mex", "the main menu", mainMenu::listCount},
    {"MEN\\DAT\\menuko.mex", "the quit question", quitMenu::listCount},
    {"MEN\\DAT\\menuste.mex", "the controls and credits pages", pageMenu::listCount},
};

constexpr const char* textures[][2] = {
    {"MEN\\BMP_0\\menuonez.srm", "the main menu"},
    {"MEN\\BMP_0\\menuonex.srm", "the main menu and the pages"},
    {"MEN\\BMP_0\\menuoney.srm", "the main menu"},
    {"MEN\\BMP_0\\menuzaky.srm", "the quit question"},
    {"MEN\\BMP_0\\menuzakx.srm", "the quit question"},
    {"MEN\\BMP_0\\sterowanie.srm", "the controls and help pages"},
    {"MEN\\BMP_0\\help.srm", "the controls and help pages"},
    {"MEN\\BMP_0\\autorzy.srm", "the credits"},
    {"PUL\\BMP_0\\kursor.srm", "the menus' pointer"},
    {"MOD\\BMP_0\\fontyabc.srm", "the game font"},
};

void checkLayout(TreeCheckContext& context, const MenuLayout& layout) {
    auto bytes = context.read(layout.file, layout.screen);
    if (!bytes) return;
    const std::string file = context.shownPath(layout.file);
    try {
        const ModelFile parsed = parseModelFile(ModelFileKind::Layout, *bytes, file);
        const auto count = static_cast<int>(parsed.objects.size());
        if (count != layout.lists) {
            context.problem(DataError(std::to_string(count) + " objects, but " + layout.screen +
                                          " draws " + std::to_string(layout.lists),
                                      file, 1));
        }
    } catch (const DataError& error) {
        context.problem(error.at(file, 0));
    }
}

void checkMenus(TreeCheckContext& context) {
    for (const MenuLayout& layout : layouts) checkLayout(context, layout);
    for (const auto& [name, user] : textures) checkTextureFile(context, name, user);
}

[[maybe_unused]] const bool registered = registerTreeCheck({"menus", checkMenus});

}  // namespace
