#pragma once
// The command line. The game needs none: with no options it behaves as it always did.

#include <cstdint>
#include <string>
#include <vector>

struct Options {
    std::string dataDir;     // --data DIR; empty = the tree beside the binary
    bool windowed = false;   // --windowed
    uint32_t fixedStep = 0;  // --fixed-step MS; 0 = real time
    std::string screenshot;  // --screenshot FILE
    int frames = 0;          // --frames N
    int viewScene = -1;      // --view-scene NN: the scene viewer
    bool exitOpen = false;   // --exit-open: the viewer shows the opened exit
    int level = 0;           // --level N: straight into level N (1 to 10)
    int difficulty = 1;      // --difficulty D (1 to 3), with --level
    bool once = false;       // --once: exit when that level ends
    int lastLevel = 0;       // --levels A-B: the run goes on to level B (0: just --level)
    bool autopilot = false;  // --autopilot: the autopilot plays
    bool childPilot = false;  // --autopilot-style child: it plays like a young child
    bool noDrawing = false;   // --no-drawing: the garden is not drawn, the rules run alone
    // --menu-levels A-B: with --autopilot and no --level, the levels played through the menus.
    int menuFirstLevel = 1, menuLastLevel = 10;
    // --games N: with the menus' autopilot, N whole games one after another, each at the
    // next difficulty.
    int games = 1;
    std::string record;      // --record FILE: the per-frame input goes there
    std::string replay;      // --replay FILE: the input comes from there
    std::string dump;        // --dump FILE: one line per stage end is appended there
    bool bench = false;      // --bench: an autopilot run that prints frame times
    int benchFrames = 1000;  // --bench-frames N
    int windowWidth = 0;     // --window-size WxH (implies --windowed)
    int windowHeight = 0;
    bool noSound = false;  // --nosound: play without sound
    std::string soundLog;  // --sound-log FILE: one line per sound started or stopped
    bool noIntro = false;  // --no-intro: no start-up film
    std::string lang;      // --lang en|pl|de|fr|es|cs; empty = from the environment
};

enum class OptionsResult { Run, Help, Version, Error };

// Parses argv; on Error, `error` says what was wrong.
OptionsResult parseOptions(const std::vector<std::string>& args, Options& options,
                           std::string& error);

extern const char* const usageText;
// What --version prints: the version, the copyright and the licence.
extern const char* const versionText;

// Whether the start-up film plays: only on a normal start, which a screenshot with a frame
// number keeps (it shows the film's picture of that number).
bool introWanted(const Options& options);

// The data trees to try when --data is not given, in order: $OXA_DATA (environmentData),
// data/ beside the binary, the installed share/oxa/data.
std::vector<std::string> defaultDataDirs(const std::string& executablePath,
                                         const char* environmentData);
