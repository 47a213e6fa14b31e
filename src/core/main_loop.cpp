#include "core/main_loop.h"

#include <GL/freeglut.h>

#include <charconv>
#include <cstdio>

#include "__SNG/sound_table.h"
#include "assets/layout_view.h"
#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/level_start.h"
#include "core/play_run.h"
#include "core/screens.h"
#include "core/top_level.h"
#include "game/bee_model.h"
#include "game/collectibles.h"
#include "game/creatures.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/pickup_icons.h"
#include "game/stage_settings.h"
#include "menus/menu_pointer.h"
#include "menus/menus.h"
#include "platform/input.h"
#include "platform/scheduler.h"
#include "platform/screenshot.h"
#include "platform/signals.h"
#include "platform/window.h"

namespace {

long frameNumber = 0;
void (*frameDrawer)() = playFrame;
std::string screenshotPath;
long screenshotFrame = 0;
bool idleWorkDue = false;  // a frame was drawn and the idle work has not run since

void rearm(unsigned periodMs, platform::TimerFunc self) {
    platform::scheduler().arm(periodMs, self, static_cast<int>(periodMs));
}

void takeRequestedScreenshot() {
    if (screenshotPath.empty() || frameNumber != screenshotFrame) return;
    std::string error;
    if (!platform::writeScreenshotOfWindow(screenshotPath, error)) {
        std::fprintf(stderr, "oxa: cannot write the screenshot: %s\n", error.c_str());
        quitGame(1);
    }
    quitGame(0);
}

// The idle callback's part of play: the pointer, the hive delivery, the icon pick-up and
// the height limits.
void idlePlayWork() {
    idleWorkDue = false;
    if (medium.screen != ScreenPlaying) return;
    glh::reset.readCursor();
    const IdleSounds sounds = deliverAndPickUp();
    for (int i = 0; i < sounds.deliveries; ++i) playEffect(SlotHive);
    for (int i = 0; i < sounds.speedIcons; ++i) playEffect(SlotSpeed);
    for (int i = 0; i < sounds.clockIcons; ++i) playEffect(SlotClock);
    glh::kamera.clampHeight();
}

// The menus, the panel and the countdown are fitted to the window they are drawn in: when
// its shape changes (a mode switch) their layouts are read again.
void fitOverlaysToWindow() {
    if (!setLayoutWindow(ekran.width, ekran.height)) return;
    refitMenuLayouts();
    glh::kontrol.refitLayout();
}

}  // namespace

void display() {
    guarded([] {
        // In fixed-step mode the idle work runs exactly once between two frames, however
        // often (or seldom) the window system calls idle.
        if (platform::scheduler().fixed() && idleWorkDue) idlePlayWork();
        beginFrame();
        platform::scheduler().advanceFrame();
        ++frameNumber;
        fitOverlaysToWindow();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (medium.screen == ScreenPlaying) {
            frameDrawer();
            drawCountdown();
        } else {
            // The menus fill the game's screen, a window smaller than the desktop included:
            // only the level start sets the viewport otherwise.
            glViewport(0, 0, ekran.width, ekran.height);
            const ScreenHandlers* handlers = currentScreenHandlers();
            if (handlers && handlers->draw) handlers->draw();
            drawMenuPointer();
        }
        if (medium.showFps) {
            glPushMatrix();
            glColor3f(1, 1, 1);
            drawScreenText(20, 260, medium.fpsText);
            glPopMatrix();
        }
        takeRequestedScreenshot();
        glutSwapBuffers();
        idleWorkDue = true;
    });
}

void idle() {
    guarded([] {
        if (platform::quitSignal()) quitGame(0);
        if (platform::stopRequested()) stopGame();
        medium.frameCounter += 1;
        const bool focused = platform::pollWindowFocus();
        platform::confinePointer(medium.screen == ScreenPlaying && focused);
        if (!platform::scheduler().fixed() || idleWorkDue) idlePlayWork();
        platform::postRedisplay();
    });
}

void housekeepingTick(int) {
    rearm(1000, housekeepingTick);
    guarded([] {
        switchMusic(medium.screen);
        countdownSecond();
        recordsSecond();
        char text[32];
        auto result = std::to_chars(text, text + sizeof text, medium.frameCounter);
        medium.fpsText.assign(text, result.ptr);
        medium.frameCounter = 0;

        if (medium.bonusActive == 0) {
            glh::kamera.maxSpeed = model.maxSpeed;
        } else {
            glh::kamera.maxSpeed = model.boostedMaxSpeed;
            glh::ikony_tx.bonusSeconds -= 1;
            if (glh::ikony_tx.bonusSeconds <= 0) medium.bonusActive = 0;
        }
    });
}

void iconSpinTick(int) {
    rearm(50, iconSpinTick);
    guarded(iconTimerTick);
}
void gameClockTick(int) {
    rearm(1000, gameClockTick);
    guarded(stageClockTimer);
}
void spriteTick(int) {
    rearm(30, spriteTick);
    guarded(spriteTimerTick);
}
void dragonflyTick(int) {
    rearm(50, dragonflyTick);
    guarded(dragonflyTimerTick);
}
void butterflyTick(int) {
    rearm(50, butterflyTick);
    guarded(butterflyTimerTick);
}
void beeAnimationTick(int) {
    rearm(20, beeAnimationTick);
    glh::gl_oxa_model.animation.tick(glh::kamera.heading, glh::kamera.x, glh::kamera.z);
}

void startTimers() {
    housekeepingTick(1);
    iconSpinTick(1);
    gameClockTick(1);
    spriteTick(1);
    dragonflyTick(1);
    butterflyTick(1);
    beeAnimationTick(1);
}

void setFrameDrawer(void (*drawer)()) {
    frameDrawer = drawer;
}

void drawOneFrame() {
    if (platform::windowOpen()) display();
}

void drawScreenText(int x, int y, const std::string& text) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, glutGet(GLUT_WINDOW_WIDTH) - 1, 0, glutGet(GLUT_WINDOW_HEIGHT) - 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    // Bitmap letters are textured like any fragment: with the last texture of the menus or
    // the level still bound they came out in its colours, or not at all.
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_2D);
    glRasterPos2i(x, y);
    for (unsigned char c : text) glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, c);
    if (texturing) glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

void requestScreenshot(const std::string& path, int frame) {
    screenshotPath = path;
    screenshotFrame = frame;
}

long framesDrawn() {
    return frameNumber;
}
