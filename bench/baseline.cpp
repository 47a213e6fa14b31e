// The bare GLUT program the benchmark measures beside the game: one textured ground seen in
// perspective and a number of small lit-free triangles above it (2,000 unless told), drawn
// the way a simple 3D game of the same kind draws a frame. Its frame rate is the yardstick the
// game's own rates are divided by, measured in the same run, so the ratio survives a busy
// machine.
//   oxa-bench-baseline [--window-size WxH] [--frames N] [--triangles N]
// Prints one line: "baseline WxH: N frames, F frames/s, frame ms median M p99 P worst W".
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int width = 800, height = 600, frames = 600, triangles = 2000;
int drawn = 0;
GLuint groundTexture = 0, triangleList = 0;
std::vector<double> frameMs;
Clock::time_point previous;

void makeGround() {
    const int side = 256;
    std::vector<unsigned char> pixels(side * side * 3);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            unsigned char* p = &pixels[static_cast<size_t>((y * side + x) * 3)];
            const int n = (x * 7 + y * 13 + (x ^ y)) & 31;
            p[0] = static_cast<unsigned char>(60 + n);
            p[1] = static_cast<unsigned char>(140 + n * 2);
            p[2] = static_cast<unsigned char>(40 + n);
        }
    }
    glGenTextures(1, &groundTexture);
    glBindTexture(GL_TEXTURE_2D, groundTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, side, side, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

void makeTriangles() {
    triangleList = glGenLists(1);
    glNewList(triangleList, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>((seed >> 8) & 0xffff) / 65535.0f;
    };
    for (int k = 0; k < triangles; ++k) {
        const float x = -40 + 80 * next(), z = -10 - 70 * next(), y = 0.5f + 4 * next();
        glColor3f(0.4f + 0.6f * next(), 0.3f + 0.5f * next(), 0.2f * next());
        glVertex3f(x, y, z);
        glVertex3f(x + 0.6f, y, z);
        glVertex3f(x + 0.3f, y + 0.8f, z);
    }
    glEnd();
    glEndList();
}

void display() {
    const auto now = Clock::now();
    if (drawn > 0)
        frameMs.push_back(std::chrono::duration<double, std::milli>(now - previous).count());
    previous = now;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(static_cast<float>(drawn % 360) * 0.2f, 0, 1, 0);
    glTranslatef(0, -3, 0);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-200, 0, 200);
    glTexCoord2f(40, 0);
    glVertex3f(200, 0, 200);
    glTexCoord2f(40, 40);
    glVertex3f(200, 0, -200);
    glTexCoord2f(0, 40);
    glVertex3f(-200, 0, -200);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glCallList(triangleList);
    glutSwapBuffers();
    if (++drawn > frames) {
        std::vector<double> sorted = frameMs;
        std::sort(sorted.begin(), sorted.end());
        double total = 0;
        for (double ms : sorted) total += ms;
        auto at = [&sorted](double share) {
            return sorted[std::min(
                sorted.size() - 1,
                static_cast<size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5))];
        };
        std::printf(
            "baseline %dx%d: %zu frames, %.1f frames/s, frame ms median %.2f p99 %.2f worst %.2f\n",
            width, height, sorted.size(), 1000.0 * static_cast<double>(sorted.size()) / total,
            at(0.5), at(0.99), sorted.back());
        std::fflush(stdout);
        std::exit(0);
    }
    glutPostRedisplay();
}

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    for (int k = 1; k + 1 < argc; k += 2) {
        if (!std::strcmp(argv[k], "--window-size") &&
            std::sscanf(argv[k + 1], "%dx%d", &width, &height) == 2)
            continue;
        if (!std::strcmp(argv[k], "--frames"))
            frames = std::atoi(argv[k + 1]);
        else if (!std::strcmp(argv[k], "--triangles"))
            triangles = std::atoi(argv[k + 1]);
        else {
            std::fprintf(stderr, "oxa-bench-baseline: unknown option %s\n", argv[k]);
            return 2;
        }
    }
    if (frames < 1 || triangles < 0 || width < 1 || height < 1) {
        std::fprintf(stderr, "oxa-bench-baseline: bad frame count, triangle count or size\n");
        return 2;
    }
    glutInitWindowSize(width, height);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("baseline");
    glClearColor(0.55f, 0.75f, 0.95f, 1);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    gluPerspective(60, static_cast<double>(width) / height, 0.5, 400);
    makeGround();
    makeTriangles();
    glutDisplayFunc(display);
    glutMainLoop();
}
