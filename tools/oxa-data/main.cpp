// oxa-data OUTDIR: writes the data tree OXA plays on, the same bytes on every run.
// With --keep-progress the progress files already in OUTDIR stay as they are: the build
// regenerates the tree the player plays on, and what the player earned is never lost.
// Debug options: --png-textures DIR saves every texture as PNG; --preview DIR renders a
// few views of every garden scene; --preview-collectibles DIR draws the flowers, icons
// and the panel; --preview-creatures DIR the butterflies, dragonflies, fish and splashes;
// --sounds DIR writes only the sound effects and the music; --film FILE only the start-up
// film. --icons DIR writes the desktop icons (DIR/NxN/apps/oxa.png) that are installed
// with the game.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "collectibles.h"
#include "collectibles_preview.h"
#include "creature_models.h"
#include "data_tree.h"
#include "desktop_icon.h"
#include "intro_film.h"
#include "menu_art.h"
#include "music.h"
#include "panel_art.h"
#include "play_menu_art.h"
#include "png_dump.h"
#include "preview.h"
#include "score_menu_art.h"
#include "sounds.h"
#include "stage_data.h"

namespace fs = std::filesystem;

namespace {

// The gardens, then the levels' data derived from them, the menus, the sounds, the music
// and the start-up film.
DataFiles buildEverything() {
    DataFiles files = buildDataTree();
    addStageData(files);
    addCollectibles(files);
    addCreatures(files);
    addPanel(files);
    addMenus(files);
    addPlayMenus(files);
    addScoreMenus(files);
    addLanguageMenus(files);
    addSoundEffects(files);
    addMusic(files);
    addIntroFilm(files);
    return files;
}

int usage() {
    std::fprintf(stderr,
                 "usage: oxa-data [--keep-progress] OUTDIR\n"
                 "       oxa-data --png-textures DIR\n"
                 "       oxa-data --preview DIR [SCENE]\n"
                 "       oxa-data --preview-collectibles DIR\n"
                 "       oxa-data --preview-creatures DIR\n"
                 "       oxa-data --sounds DIR\n"
                 "       oxa-data --film FILE\n"
                 "       oxa-data --icons DIR\n");
    return 2;
}

void dumpTextures(const DataFiles& files, const fs::path& dir) {
    fs::create_directories(dir);
    for (const auto& [name, bytes] : files) {
        if (!name.ends_with(".srm")) continue;
        std::string stem = name.substr(name.rfind('\\') + 1);
        textureToPng(bytes, dir / (stem.substr(0, stem.size() - 4) + ".png"));
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && argv[1][0] != '-') {
            writeDataTree(buildEverything(), argv[1]);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--keep-progress") {
            DataFiles files = buildEverything();
            for (int difficulty = 1; difficulty <= 3; ++difficulty) {
                const std::string name = "STA\\eloper" + std::to_string(difficulty) + ".mtt";
                if (fs::exists(fs::path(argv[2]) / "STA" /
                               ("eloper" + std::to_string(difficulty) + ".mtt")))
                    files.erase(name);
            }
            writeDataTree(files, argv[2]);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--icons") {
            writeDesktopIcons(argv[2]);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--png-textures") {
            dumpTextures(buildEverything(), argv[2]);
            return 0;
        }
        if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--preview") {
            renderPreviews(buildDataTree(), argv[2], argc == 4 ? std::stoi(argv[3]) : -1);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--sounds") {
            DataFiles files;
            addSoundEffects(files);
            addMusic(files);
            writeDataTree(files, argv[2]);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--film") {
            DataFiles files;
            addIntroFilm(files);
            std::ofstream(argv[2], std::ios::binary) << files["MOV\\oxa.mpg"];
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--preview-creatures") {
            DataFiles files;
            addCreatures(files);
            renderCreaturePreviews(files, argv[2]);
            return 0;
        }
        if (argc == 3 && std::string(argv[1]) == "--preview-collectibles") {
            DataFiles files;
            addCollectibles(files);
            addPanel(files);
            renderCollectiblePreviews(files, argv[2]);
            return 0;
        }
        return usage();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "oxa-data: %s\n", error.what());
        return 1;
    }
}
