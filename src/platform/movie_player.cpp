#include "platform/movie_player.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "__SNG/dsutil.h"
#include "platform/clock.h"
#include "platform/data_paths.h"
#include "platform/movie.h"

namespace platform {
namespace {

// What the window-system callbacks share with the film's loop.
struct Screen {
    bool stopped = false;       // a key or a button ended the film
    bool buttonDown = false;    // the button that ended it is still held
    GLuint texture = 0;
    int textureSide[2] = {0, 0};
    int pictureSize[2] = {0, 0};
};
Screen screen;

int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// The picture fills the window with its shape kept; the rest is black.
void drawPicture() {
    const int w = glutGet(GLUT_WINDOW_WIDTH), h = glutGet(GLUT_WINDOW_HEIGHT);
    glViewport(0, 0, w, h);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (screen.texture && screen.pictureSize[0] > 0 && w > 0 && h > 0) {
        const double pw = screen.pictureSize[0], ph = screen.pictureSize[1];
        const double scale = std::min(w / pw, h / ph);
        const double dw = pw * scale, dh = ph * scale;
        const double x0 = (w - dw) / 2, y0 = (h - dh) / 2;
        const double s = pw / screen.textureSide[0], t = ph / screen.textureSide[1];
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, w, 0, h, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glBindTexture(GL_TEXTURE_2D, screen.texture);
        glEnable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
        // Rows arrive top first: the texture's first row is the picture's top.
        glBegin(GL_QUADS);
        glTexCoord2d(0, t);
        glVertex2d(x0, y0);
        glTexCoord2d(s, t);
        glVertex2d(x0 + dw, y0);
        glTexCoord2d(s, 0);
        glVertex2d(x0 + dw, y0 + dh);
        glTexCoord2d(0, 0);
        glVertex2d(x0, y0 + dh);
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
    glutSwapBuffers();
}

// Puts a picture into the texture; false when the renderer cannot hold one so large.
bool showPicture(const MovieFrame& frame) {
    if (frame.width != screen.pictureSize[0] || frame.height != screen.pictureSize[1]) {
        GLint largest = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
        const int tw = powerOfTwoAtLeast(frame.width), th = powerOfTwoAtLeast(frame.height);
        if (tw > largest || th > largest) return false;
        if (!screen.texture) glGenTextures(1, &screen.texture);
        glBindTexture(GL_TEXTURE_2D, screen.texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, tw, th, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        screen.textureSide[0] = tw;
        screen.textureSide[1] = th;
        screen.pictureSize[0] = frame.width;
        screen.pictureSize[1] = frame.height;
    }
    glBindTexture(GL_TEXTURE_2D, screen.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, frame.width, frame.height, GL_RGB, GL_UNSIGNED_BYTE,
                    frame.rgb.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    drawPicture();
    return true;
}

void listen() {
    glutDisplayFunc(drawPicture);
    glutKeyboardFunc([](unsigned char, int, int) { screen.stopped = true; });
    glutSpecialFunc([](int, int, int) { screen.stopped = true; });
    glutMouseFunc([](int, int state, int, int) {
        if (state == GLUT_DOWN) {
            screen.stopped = true;
            screen.buttonDown = true;
        } else {
            screen.buttonDown = false;
        }
    });
}

void stopListening() {
    glutKeyboardFunc(nullptr);
    glutSpecialFunc(nullptr);
    glutMouseFunc(nullptr);
}

// The click that ended the film lets go of its button here, so its release cannot press a
// menu button under the pointer once the menu is up.
void awaitButtonRelease() {
    const uint32_t until = realMilliseconds() + 1000;
    while (screen.buttonDown && realMilliseconds() < until) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void skip(const IntroSettings& settings, const std::string& why) {
    std::fprintf(stderr, "oxa: %s: cannot play the start-up film: %s; skipped\n",
                 displayName(settings.file).c_str(), why.c_str());
}

}  // namespace

IntroResult playIntro(const IntroSettings& settings) {
    IntroResult result;
    DataFileFault fault = DataFileFault::None;
    std::optional<std::string> bytes = readDataFile(settings.file, &fault);
    if (!bytes) {
        skip(settings, fault == DataFileFault::Missing    ? "it is missing"
                       : fault == DataFileFault::TooLarge ? "it is too large"
                                                          : "it cannot be read");
        return result;
    }
    MovieSound sound;
    if (settings.sound) sound = decodeMovieSound(*bytes);
    MovieDecoder decoder;
    std::string error;
    if (!decoder.open(std::move(*bytes), error)) {
        skip(settings, error);
        return result;
    }
    MovieFrame next;
    if (!decoder.nextFrame(next, error)) {
        skip(settings, error.empty() ? "it has no pictures" : error);
        return result;
    }
    result.framesDecoded = 1;

    screen = Screen{};
    if (settings.fullScreen) glutFullScreen();
    listen();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);

    CStreamedSound track;
    if (!sound.samples.empty())
        track.Play(sound.samples.data(), sound.samples.size(), static_cast<uint32_t>(sound.channels),
                   static_cast<uint32_t>(sound.rate));
    const uint32_t start = realMilliseconds();
    auto now = [&] { return (realMilliseconds() - start) / 1000.0; };

    bool more = true;
    double endsAt = next.seconds + next.duration;
    result.end = IntroEnd::Finished;
    while (!screen.stopped) {
        glutMainLoopEvent();
        if (screen.stopped) break;
        const bool capturing = settings.captureFrame > 0;
        if (!more) {
            if (capturing || now() >= endsAt) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (!capturing && next.seconds > now()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(
                std::clamp(static_cast<int>((next.seconds - now()) * 1000), 1, 10)));
            continue;
        }
        // Late pictures are passed over: the film keeps its time on a slow machine.
        MovieFrame following;
        bool late = false;
        do {
            more = decoder.nextFrame(following, error);
            if (more) {
                ++result.framesDecoded;
                endsAt = following.seconds + following.duration;
            }
            late = more && !capturing && following.seconds <= now();
            if (late) std::swap(next, following);
        } while (late);
        if (!showPicture(next)) {
            error = "a picture too large for the renderer";
            more = false;
        }
        ++result.framesDrawn;
        if (capturing && result.framesDrawn == settings.captureFrame && settings.capture) {
            track.Stop();  // the capture may end the game here
            settings.capture();
        }
        if (more) std::swap(next, following);
        if (!error.empty()) {
            std::fprintf(stderr, "oxa: %s: the start-up film stops here: %s\n",
                         displayName(settings.file).c_str(), error.c_str());
            result.end = IntroEnd::Broken;
            break;
        }
    }
    if (screen.stopped) result.end = IntroEnd::Interrupted;
    result.seconds = now();
    track.Stop();
    awaitButtonRelease();
    stopListening();
    if (screen.texture) glDeleteTextures(1, &screen.texture);
    screen.texture = 0;
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    return result;
}

}  // namespace platform
