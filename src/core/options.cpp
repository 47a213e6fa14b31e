#include "core/options.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/version.h"
#include "game/menu_language.h"

const char* const versionText =
    "oxa " OXA_VERSION
    "\n"
    "Copyright (C) 2026 The OXA developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

const char* const usageText =
    "usage: oxa [options]\n"
    "  --data DIR           play on the data tree in DIR (default: $OXA_DATA, else the\n"
    "                       tree generated beside the binary, else the installed tree);\n"
    "                       progress is kept in DIR's own files when DIR/STA is writable\n"
    "  --lang LANG          the language of the menus: en, pl, de, fr, es or cs\n"
    "                       (default: from LANGUAGE, LC_ALL, LC_MESSAGES or LANG,\n"
    "                       else English)\n"
    "  --windowed           play in a window of the display mode's size;\n"
    "                       the display mode is never switched\n"
    "  --fixed-step MS      every frame advances the game clock by MS milliseconds\n"
    "                       (runs as fast as the machine allows, the same on every machine)\n"
    "  --screenshot FILE    write frame N (see --frames) as a PNG file and exit\n"
    "  --frames N           the frame --screenshot writes (default 1)\n"
    "  --level N            start level N (1 to 10) at once, skipping the movie and menus;\n"
    "                       when it ends a line on stdout tells how it went\n"
    "  --difficulty D       the difficulty (1 to 3) for --level (default 1)\n"
    "  --once               with --level: exit when the level ends\n"
    "  --levels A-B         with --autopilot: play levels A to B one after another\n"
    "  --autopilot          the autopilot plays; without --level it plays the whole\n"
    "                       game through the menus: New game, the difficulty\n"
    "                       (--difficulty), level after level, a name in the best\n"
    "                       scores, then Quit\n"
    "  --autopilot-style S  with --autopilot: skilled (the default) plays to win; child\n"
    "                       flies to the nearest nectar and home again, turns slowly,\n"
    "                       reacts a moment late and never dodges a creature\n"
    "  --no-drawing         with --autopilot or --replay: the garden is not drawn, the\n"
    "                       game's rules run as they do when it is (quick tuning runs)\n"
    "  --menu-levels A-B    with --autopilot and no --level: start at level A, play up\n"
    "                       to level B, then let the next level's clock run out\n"
    "  --games N            with --autopilot and no --level: play N whole games one\n"
    "                       after another, back from the best scores to New game, each\n"
    "                       at the next difficulty (1, 2, 3, 1, ...), then Quit\n"
    "  --record FILE        write every frame's input to FILE (fixed-step mode;\n"
    "                       16 ms a frame unless --fixed-step says otherwise)\n"
    "  --replay FILE        play FILE's input again, in its step, level and difficulty\n"
    "  --dump FILE          append one line to FILE at every stage end\n"
    "  --bench              with --level: an autopilot run that prints frames per second,\n"
    "                       frame times and the level's start time, step by step\n"
    "  --bench-frames N     frames of play --bench measures (default 1000)\n"
    "  --window-size WxH    a window of that size (implies --windowed)\n"
    "  --nosound            play without sound (the sound files are still checked)\n"
    "  --no-intro           start without the start-up film\n"
    "  --sound-log FILE     write a line to FILE for every sound started or stopped:\n"
    "                       milliseconds since the sound device opened, what, the file\n"
    "  --view-scene NN      show garden scene NN with a camera orbiting the hive\n"
    "                       (drag to turn, wheel or arrows to zoom, Escape to quit)\n"
    "  --exit-open          with --view-scene: show the hive's exit open\n"
    "  --help               show this text\n"
    "  --version            show the version\n";

namespace {

bool parseCount(const std::string& text, long min, long max, long& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

}  // namespace

OptionsResult parseOptions(const std::vector<std::string>& args, Options& options,
                           std::string& error) {
    bool styleGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs " + what;
                return nullptr;
            }
            return &args[++i];
        };
        // A range of levels "A-B" with 1 <= A <= B <= 10, for --levels and --menu-levels.
        auto levelRange = [&](const std::string& option, const char* example, int& first,
                              int& last) {
            const std::string* range = value("a range of levels");
            if (!range) return false;
            const size_t dash = range->find('-');
            long from = 0, to = 0;
            if (dash == std::string::npos || !parseCount(range->substr(0, dash), 1, 10, from) ||
                !parseCount(range->substr(dash + 1), from, 10, to)) {
                error =
                    option + " takes a range of levels like " + example + ", not '" + *range + "'";
                return false;
            }
            first = static_cast<int>(from);
            last = static_cast<int>(to);
            return true;
        };
        long number = 0;
        if (arg == "--help" || arg == "-h") return OptionsResult::Help;
        if (arg == "--version") return OptionsResult::Version;
        if (arg == "--windowed") {
            options.windowed = true;
        } else if (arg == "--data") {
            auto dir = value("a directory");
            if (!dir) return OptionsResult::Error;
            options.dataDir = *dir;
        } else if (arg == "--lang") {
            auto lang = value("a language: en, pl, de, fr, es or cs");
            if (!lang) return OptionsResult::Error;
            const auto language = languageOfCode(*lang);
            if (!language || *lang != languageCode(*language)) {
                error = "--lang takes en, pl, de, fr, es or cs, not '" + *lang + "'";
                return OptionsResult::Error;
            }
            options.lang = *lang;
        } else if (arg == "--fixed-step") {
            auto ms = value("a number of milliseconds");
            if (!ms) return OptionsResult::Error;
            if (!parseCount(*ms, 1, 1000, number)) {
                error = "--fixed-step takes milliseconds from 1 to 1000, not '" + *ms + "'";
                return OptionsResult::Error;
            }
            options.fixedStep = static_cast<uint32_t>(number);
        } else if (arg == "--screenshot") {
            auto file = value("a file name");
            if (!file) return OptionsResult::Error;
            options.screenshot = *file;
        } else if (arg == "--frames") {
            auto count = value("a frame number");
            if (!count) return OptionsResult::Error;
            if (!parseCount(*count, 1, 100000000, number)) {
                error = "--frames takes a frame number from 1, not '" + *count + "'";
                return OptionsResult::Error;
            }
            options.frames = static_cast<int>(number);
        } else if (arg == "--view-scene") {
            auto scene = value("a scene number");
            if (!scene) return OptionsResult::Error;
            if (!parseCount(*scene, 0, 26, number) || (number > 10 && number < 20)) {
                error =
                    "--view-scene takes a scene number, 0 to 10 or 20 to 26, not '" + *scene + "'";
                return OptionsResult::Error;
            }
            options.viewScene = static_cast<int>(number);
        } else if (arg == "--exit-open") {
            options.exitOpen = true;
        } else if (arg == "--level") {
            auto level = value("a level number");
            if (!level) return OptionsResult::Error;
            if (!parseCount(*level, 1, 10, number)) {
                error = "--level takes a level from 1 to 10, not '" + *level + "'";
                return OptionsResult::Error;
            }
            options.level = static_cast<int>(number);
        } else if (arg == "--difficulty") {
            auto difficulty = value("a difficulty");
            if (!difficulty) return OptionsResult::Error;
            if (!parseCount(*difficulty, 1, 3, number)) {
                error = "--difficulty takes 1, 2 or 3, not '" + *difficulty + "'";
                return OptionsResult::Error;
            }
            options.difficulty = static_cast<int>(number);
        } else if (arg == "--once") {
            options.once = true;
        } else if (arg == "--levels") {
            if (!levelRange(arg, "1-10", options.level, options.lastLevel))
                return OptionsResult::Error;
        } else if (arg == "--menu-levels") {
            if (!levelRange(arg, "1-2", options.menuFirstLevel, options.menuLastLevel))
                return OptionsResult::Error;
        } else if (arg == "--games") {
            auto count = value("a number of games");
            if (!count) return OptionsResult::Error;
            if (!parseCount(*count, 1, 100000, number)) {
                error = "--games takes a number of games from 1, not '" + *count + "'";
                return OptionsResult::Error;
            }
            options.games = static_cast<int>(number);
        } else if (arg == "--autopilot") {
            options.autopilot = true;
        } else if (arg == "--autopilot-style") {
            auto style = value("skilled or child");
            if (!style) return OptionsResult::Error;
            if (*style != "skilled" && *style != "child") {
                error = "--autopilot-style takes skilled or child, not '" + *style + "'";
                return OptionsResult::Error;
            }
            options.childPilot = *style == "child";
            styleGiven = true;
        } else if (arg == "--no-drawing") {
            options.noDrawing = true;
        } else if (arg == "--record" || arg == "--replay" || arg == "--dump") {
            auto file = value("a file name");
            if (!file) return OptionsResult::Error;
            (arg == "--record"   ? options.record
             : arg == "--replay" ? options.replay
                                 : options.dump) = *file;
        } else if (arg == "--bench") {
            options.bench = true;
            options.autopilot = true;
        } else if (arg == "--bench-frames") {
            auto count = value("a number of frames");
            if (!count) return OptionsResult::Error;
            if (!parseCount(*count, 1, 10000000, number)) {
                error = "--bench-frames takes a number of frames, not '" + *count + "'";
                return OptionsResult::Error;
            }
            options.benchFrames = static_cast<int>(number);
        } else if (arg == "--nosound") {
            options.noSound = true;
        } else if (arg == "--no-intro") {
            options.noIntro = true;
        } else if (arg == "--sound-log") {
            auto file = value("a file name");
            if (!file) return OptionsResult::Error;
            options.soundLog = *file;
        } else if (arg == "--window-size") {
            auto size = value("a size like 800x600");
            if (!size) return OptionsResult::Error;
            const size_t x = size->find('x');
            long height = 0;
            if (x == std::string::npos || !parseCount(size->substr(0, x), 64, 16384, number) ||
                !parseCount(size->substr(x + 1), 64, 16384, height)) {
                error = "--window-size takes a size like 800x600, not '" + *size + "'";
                return OptionsResult::Error;
            }
            options.windowWidth = static_cast<int>(number);
            options.windowHeight = static_cast<int>(height);
            options.windowed = true;
        } else {
            error = "unknown option '" + arg + "'";
            return OptionsResult::Error;
        }
    }
    if (options.level && options.viewScene >= 0) {
        error = "--level and --view-scene do not go together";
        return OptionsResult::Error;
    }
    if (options.exitOpen && options.viewScene < 0) {
        error = "--exit-open goes with --view-scene";
        return OptionsResult::Error;
    }
    if (!options.replay.empty() &&
        (options.level || options.autopilot || !options.record.empty())) {
        error =
            "--replay takes its level from the file and goes with no --level, --autopilot "
            "or --record";
        return OptionsResult::Error;
    }
    if (options.bench && !options.level) {
        error = "--bench needs --level";
        return OptionsResult::Error;
    }
    if (options.games > 1 && (!options.autopilot || options.level)) {
        error = "--games goes with --autopilot and no --level";
        return OptionsResult::Error;
    }
    if (styleGiven && !options.autopilot) {
        error = "--autopilot-style goes with --autopilot";
        return OptionsResult::Error;
    }
    if (options.noDrawing && !options.autopilot && options.replay.empty()) {
        error = "--no-drawing goes with --autopilot or --replay";
        return OptionsResult::Error;
    }
    if (options.lastLevel && !options.autopilot) {
        error = "--levels goes with --autopilot";
        return OptionsResult::Error;
    }
    if ((!options.record.empty() || options.bench) && options.viewScene >= 0) {
        error = "--record and --bench do not go with --view-scene";
        return OptionsResult::Error;
    }
    // A recording and a benchmark run the same on every machine: fixed-step mode.
    if ((!options.record.empty() || options.bench) && !options.fixedStep) options.fixedStep = 16;
    if (options.frames && options.screenshot.empty()) {
        error = "--frames goes with --screenshot";
        return OptionsResult::Error;
    }
    return OptionsResult::Run;
}

bool introWanted(const Options& options) {
    return !options.noIntro && !options.level && !options.autopilot && !options.bench &&
           options.replay.empty() && options.record.empty() && options.viewScene < 0 &&
           (options.screenshot.empty() || options.frames > 0);
}

std::vector<std::string> defaultDataDirs(const std::string& executablePath,
                                         const char* environmentData) {
    namespace fs = std::filesystem;
    std::vector<std::string> dirs;
    if (environmentData && environmentData[0]) dirs.emplace_back(environmentData);
    fs::path dir = fs::path(executablePath).parent_path();
    dirs.push_back((dir / "data").string());
    // The installed tree: found beside an installed binary wherever the prefix was moved
    // (a DESTDIR, a relocated package), then at the prefix the build was made for.
    dirs.push_back((dir / ".." / "share" / "oxa" / "data").lexically_normal().string());
    if (std::find(dirs.begin(), dirs.end(), OXA_INSTALLED_DATA) == dirs.end())
        dirs.emplace_back(OXA_INSTALLED_DATA);
    return dirs;
}
