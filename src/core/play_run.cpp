#include "core/play_run.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "assets/data_error.h"
#include "assets/text_lines.h"
#include "core/autopilot.h"
#include "core/bench.h"
#include "core/display_record.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/input_handlers.h"
#include "core/interactors.h"
#include "core/level_start.h"
#include "core/main_loop.h"
#include "core/menu_pilot.h"
#include "core/replay_format.h"
#include "core/screens.h"
#include "core/stage_report.h"
#include "core/top_level.h"
#include "game/stage_settings.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/scheduler.h"
#include "platform/typed_keys.h"

namespace {

enum class Player { WindowSystem, Recorded, Autopilot, Replay };

// Lifetime: the whole process.
struct Run {
    Player player = Player::WindowSystem;
    bool active = false;  // setUpRun has run
    int level = 0;        // the level being played
    int lastLevel = 0;    // the runner goes on up to this level (autopilot runs)
    bool bench = false;
    int benchFrames = 0;
    int windowWidth = 0, windowHeight = 0;
    std::unique_ptr<ReplayReader> reader;
    FILE* recordFile = nullptr;
    std::unique_ptr<ReplayWriter> writer;
    FILE* dumpFile = nullptr;
    std::vector<InputEvent> queued;  // window-system events waiting for the next frame
    FrameInput previous;
    bool inFrameStart = false;
    uint32_t paceStart = 0;  // real milliseconds when a person's recording started
    long framesStarted = 0;
    bool viaMenus = false;  // the autopilot plays the whole game through the menus
    MenuPilot pilot;
} run;

MenuPilot::View menuView() {
    return {medium.screen, medium.currentLevel, opera.editedRow, ekran.width, ekran.height};
}

platform::FedInput fed;

void writeRecordLine(const std::string& line) {
    std::fputs(line.c_str(), run.recordFile);
    std::fputc('\n', run.recordFile);
}

void closeFiles() {
    if (run.writer) run.writer->flush();
    if (run.recordFile) std::fclose(run.recordFile);
    run.recordFile = nullptr;
    if (run.dumpFile) std::fclose(run.dumpFile);
    run.dumpFile = nullptr;
}

[[noreturn]] void cannot(const std::string& what) {
    std::fprintf(stderr, "oxa: %s\n", what.c_str());
    std::exit(2);
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void onStageEnd(const StageReport& report) {
    if (!run.dumpFile) return;
    std::fputs((dumpLine(report) + "\n").c_str(), run.dumpFile);
    std::fflush(run.dumpFile);
}

// The summary's next-level step, taken by the runner (and again by a replay of its run).
void startNextLevel(int level) {
    run.level = level;
    medium.currentLevel = level;
    noteLevelStartCall();
    startLevel(twoDigitLevelId(level));
    resetAutopilot();
}

void dispatch(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::PassiveMotion:
            gamePassiveMotion(event.a, event.b);
            break;
        case InputEvent::Drag:
            fanoutMotion(event.a, event.b);
            break;
        case InputEvent::Button:
            gameMouse(event.a, event.b, event.c, event.d);
            break;
        case InputEvent::Key:
            fanoutKeyboard(static_cast<unsigned char>(event.a), event.b, event.c);
            break;
        case InputEvent::Special:
            fanoutSpecial(event.a, event.b, event.c);
            break;
        case InputEvent::NextLevel:
            startNextLevel(event.a);
            break;
    }
}

// While a recording is made, the window system's events wait for the top of the next
// frame; while the autopilot or a replay plays, they are ignored.
void queueEvent(InputEvent event) {
    if (run.player == Player::Recorded) run.queued.push_back(event);
}

void registerInputCallbacks() {
    glutPassiveMotionFunc([](int x, int y) { queueEvent({InputEvent::PassiveMotion, x, y}); });
    glutMotionFunc([](int x, int y) { queueEvent({InputEvent::Drag, x, y}); });
    glutMouseFunc([](int b, int s, int x, int y) { queueEvent({InputEvent::Button, b, s, x, y}); });
    glutKeyboardFunc([](unsigned char k, int x, int y) {
        for (char c : platform::typedKeys().take(k))
            queueEvent({InputEvent::Key, static_cast<unsigned char>(c), x, y});
    });
    platform::setTypedLetterHandler([](unsigned char letter) {
        queueEvent({InputEvent::Key, letter, 0, 0});
    });
    glutSpecialFunc([](int key, int x, int y) {
        platform::noteSpecialKey(key, true);
        queueEvent({InputEvent::Special, key, x, y});
    });
    glutSpecialUpFunc([](int key, int, int) { platform::noteSpecialKey(key, false); });
}

// This frame's input, from whoever plays.
std::optional<FrameInput> nextFrameInput() {
    FrameInput frame;
    switch (run.player) {
        case Player::Replay:
            return run.reader->next();
        case Player::Autopilot:
            if (run.viaMenus && medium.screen != ScreenPlaying) {
                frame = run.previous;
                frame.events = run.pilot.step(menuView());
                frame.cursorX = run.pilot.cursorX;
                frame.cursorY = run.pilot.cursorY;
                return frame;
            }
            if (run.viaMenus && !run.pilot.flies(menuView())) {
                // Past the last level: the bee waits, the pointer in the middle.
                frame.cursorX = ekran.width / 2;
                frame.cursorY = ekran.height / 2;
            } else {
                frame = medium.screen == ScreenPlaying ? autopilotControls() : run.previous;
            }
            frame.events.clear();
            // The X server reports a moved pointer as a motion event; the game takes the
            // bee's nose up or down from it.
            if (frame.cursorX != run.previous.cursorX || frame.cursorY != run.previous.cursorY)
                frame.events.push_back({InputEvent::PassiveMotion, frame.cursorX, frame.cursorY});
            return frame;
        case Player::Recorded: {
            auto& source = platform::windowSystemInput();
            auto cursor = source.cursor();
            frame.cursorX = cursor.x;
            frame.cursorY = cursor.y;
            frame.up = source.held(platform::ArrowKey::Up);
            frame.down = source.held(platform::ArrowKey::Down);
            frame.events.swap(run.queued);
            return frame;
        }
        case Player::WindowSystem:
            break;
    }
    return frame;
}

// A person's recording runs at the pace of the real clock, not as fast as the machine can.
void keepPace() {
    const uint32_t due = run.paceStart + static_cast<uint32_t>(run.framesStarted) *
                                             platform::scheduler().fixedStep();
    const uint32_t now = platform::realMilliseconds();
    if (due > now) std::this_thread::sleep_for(std::chrono::milliseconds(due - now));
}

[[noreturn]] void finish() {
    if (run.bench) {
        std::printf("%s\n", benchSummary(run.level, run.windowWidth, run.windowHeight).c_str());
        std::printf("%s\n", benchLevelStartSteps().c_str());
    }
    std::fflush(stdout);
    quitGame(0);
}

// The autopilot's runner: once a stage has ended, on to the next level or out.
void runOn(FrameInput& frame) {
    if (run.player != Player::Autopilot || run.viaMenus || medium.screen != ScreenSummary) return;
    if (run.level < run.lastLevel) {
        frame.events.push_back({InputEvent::NextLevel, run.level + 1});
        startNextLevel(run.level + 1);
        return;
    }
    finish();
}

}  // namespace

Options prepareRun(const Options& requested) {
    Options options = requested;
    if (options.replay.empty()) return options;
    auto bytes = readWholeFile(options.replay);
    if (!bytes) cannot("cannot read the replay " + options.replay);
    std::vector<std::string> lines = splitLines(*bytes);
    auto header = lines.empty() ? std::nullopt : parseHeaderLine(lines.front());
    if (!header)
        cannot(options.replay +
               ":1: not a replay header (oxa-replay 1 step MS level N difficulty D size WxH)");
    options.fixedStep = header->stepMs;
    options.level = header->level;
    options.difficulty = header->difficulty;
    // The pointer's positions mean what they meant on a screen of the recording's size.
    options.windowWidth = header->width;
    options.windowHeight = header->height;
    options.windowed = true;
    lines.erase(lines.begin());
    run.reader = std::make_unique<ReplayReader>(std::move(lines), options.replay, 2);
    return options;
}

void setUpRun(const Options& options) {
    run.active = true;
    run.level = options.level;
    run.lastLevel = std::max(options.level, options.lastLevel);
    run.bench = options.bench;
    run.benchFrames = options.benchFrames;
    run.windowWidth = ekran.width;
    run.windowHeight = ekran.height;
    run.viaMenus = options.autopilot && options.level == 0;
    setAutopilotStyle(options.childPilot ? AutopilotStyle::Child : AutopilotStyle::Skilled);
    if (options.noDrawing) setFrameDrawer(playFrameUndrawn);
    run.pilot.difficulty = options.difficulty;
    run.pilot.firstLevel = options.menuFirstLevel;
    run.pilot.lastLevel = options.menuLastLevel;
    run.pilot.games = options.games;
    if (run.reader)
        run.player = Player::Replay;
    else if (options.autopilot)
        run.player = Player::Autopilot;
    else if (!options.record.empty())
        run.player = Player::Recorded;
    if (run.player != Player::WindowSystem) {
        platform::setInputSource(&fed);
        registerInputCallbacks();
    }
    if (!options.record.empty()) {
        run.recordFile = std::fopen(options.record.c_str(), "w");
        if (!run.recordFile) cannot("cannot write the recording " + options.record);
        writeRecordLine(headerLine({1, platform::scheduler().fixedStep(), options.level,
                                    options.difficulty, ekran.width, ekran.height}));
        run.writer = std::make_unique<ReplayWriter>(writeRecordLine);
    }
    if (!options.dump.empty()) {
        run.dumpFile = std::fopen(options.dump.c_str(), "a");
        if (!run.dumpFile) cannot("cannot write the dump " + options.dump);
    }
    setStageEndListener(onStageEnd);
    std::atexit(closeFiles);
    run.paceStart = platform::realMilliseconds();
}

void beginFrame() {
    // A frame drawn while a level starts (its loading picture) is not a frame of input.
    if (!run.active || run.inFrameStart) return;
    run.inFrameStart = true;
    noteFrameStart(medium.screen == ScreenPlaying);
    ++run.framesStarted;
    if (run.player == Player::Recorded) keepPace();
    if (run.viaMenus && medium.screen == ScreenPlaying && medium.currentLevel != run.level) {
        // A level started from the menus: the autopilot forgets the last one.
        run.level = medium.currentLevel;
        resetAutopilot();
    }
    auto frame = nextFrameInput();
    if (!frame) finish();  // the replay is over
    if (run.player != Player::WindowSystem) {
        fed.setCursor(frame->cursorX, frame->cursorY);
        fed.setHeld(platform::ArrowKey::Up, frame->up);
        fed.setHeld(platform::ArrowKey::Down, frame->down);
        for (const InputEvent& event : frame->events) dispatch(event);
        runOn(*frame);
        if (run.writer) run.writer->add(*frame);
        run.previous = *frame;
    }
    if (run.bench && benchFramesMeasured() >= run.benchFrames) finish();
    run.inFrameStart = false;
}
