#include "preview.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "png_dump.h"
#include "scenes/garden_table.h"
#include "wkx_reader.h"

namespace {

struct Texture {
    int side = 0;
    bool alpha = false;
    const unsigned char* pixels = nullptr;
    bool smooth = false;  // bilinear between texels, else the nearest texel

    void texel(int x, int y, float out[4]) const {
        x %= side;
        y %= side;
        if (x < 0) x += side;
        if (y < 0) y += side;
        size_t bpp = alpha ? 4 : 3;
        const unsigned char* p = pixels + (static_cast<size_t>(y * side + x)) * bpp;
        for (size_t c = 0; c < 4; ++c) out[c] = c < bpp ? static_cast<float>(p[c]) / 255 : 1;
    }

    void sample(float s, float t, float out[4]) const {
        if (side == 0) {
            out[0] = out[1] = out[2] = out[3] = 1;
            return;
        }
        const float fs = s * static_cast<float>(side), ft = t * static_cast<float>(side);
        if (!smooth) {
            texel(static_cast<int>(std::floor(fs)), static_cast<int>(std::floor(ft)), out);
            return;
        }
        const float x = std::floor(fs - 0.5f), y = std::floor(ft - 0.5f);
        const float u = fs - 0.5f - x, v = ft - 0.5f - y;
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        float a[4], b[4], c[4], d[4];
        texel(ix, iy, a);
        texel(ix + 1, iy, b);
        texel(ix, iy + 1, c);
        texel(ix + 1, iy + 1, d);
        for (int k = 0; k < 4; ++k)
            out[k] = (a[k] * (1 - u) + b[k] * u) * (1 - v) + (c[k] * (1 - u) + d[k] * u) * v;
    }
};

Texture decode(const std::string* bytes) {
    Texture texture;
    if (!bytes || bytes->size() < 16) return texture;
    texture.side = 32 << ((*bytes)[2] - '1');
    char letter = (*bytes)[0];
    texture.alpha = letter == 'a' || letter == 'A' || letter == 'k' || letter == 'K';
    texture.pixels = reinterpret_cast<const unsigned char*>(bytes->data() + 16);
    return texture;
}

struct Camera {
    Vec3 eye, target;
};

struct Canvas {
    int width, height;
    std::vector<float> colour;  // RGB
    std::vector<float> depth;   // eye distance along the view axis
    int viewHeight = height;    // the rows the 60 degrees span, centred on the canvas
};

struct EyeVertex {
    Vec3 p;  // eye space
    float s, t;
    Vec3 c;
};

constexpr float nearPlane = 0.1f, farPlane = 450;

void drawTriangle(Canvas& canvas, const EyeVertex (&in)[3], const Texture& texture, char material) {
    // Clip against the near plane, then fan.
    std::vector<EyeVertex> poly;
    for (int i = 0; i < 3; ++i) {
        const EyeVertex& a = in[i];
        const EyeVertex& b = in[(i + 1) % 3];
        bool aIn = -a.p.z >= nearPlane, bIn = -b.p.z >= nearPlane;
        if (aIn) poly.push_back(a);
        if (aIn != bIn) {
            float k = (-nearPlane - a.p.z) / (b.p.z - a.p.z);
            EyeVertex m{a.p + (b.p - a.p) * k, a.s + (b.s - a.s) * k, a.t + (b.t - a.t) * k,
                        a.c + (b.c - a.c) * k};
            poly.push_back(m);
        }
    }
    if (poly.size() < 3) return;
    const float focal = static_cast<float>(canvas.viewHeight) / 2 / std::tan(pi / 6);
    struct Screen {
        float x, y, w;
        const EyeVertex* v;
    };
    std::vector<Screen> sv;
    for (const EyeVertex& v : poly) {
        float w = -v.p.z;
        sv.push_back({static_cast<float>(canvas.width) / 2 + v.p.x / w * focal,
                      static_cast<float>(canvas.height) / 2 - v.p.y / w * focal, w, &v});
    }
    const bool twoSided = material == 'G' || material == 'g' || material == 'H' ||
                          material == 'h' || material == 'D' || material == 'd';
    const bool alphaTest = material == 'A' || material == 'a' || material == 'G' || material == 'g';
    const bool blend = material == 'K' || material == 'k' || material == 'H' || material == 'h';
    for (size_t i = 1; i + 1 < sv.size(); ++i) {
        Screen a = sv[0], b = sv[i], c = sv[i + 1];
        float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        // Screen y grows downwards, so a counter-clockwise front face has negative area.
        if (area == 0 || (!twoSided && area > 0)) continue;
        int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        int x1 = std::min(canvas.width - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        int y1 =
            std::min(canvas.height - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
                float wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
                float wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
                float wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                float ia = wa / a.w, ib = wb / b.w, ic = wc / c.w;
                float inv = ia + ib + ic;
                float depth = 1 / inv;
                if (depth > farPlane) continue;
                size_t at = static_cast<size_t>(y * canvas.width + x);
                if (depth >= canvas.depth[at]) continue;
                auto lerp = [&](float va, float vb, float vc) {
                    return (va * ia + vb * ib + vc * ic) / inv;
                };
                float texel[4];
                texture.sample(lerp(a.v->s, b.v->s, c.v->s), lerp(a.v->t, b.v->t, c.v->t), texel);
                if (alphaTest && texel[3] <= 0.1f) continue;
                float k = blend ? texel[3] : 1;
                Vec3 shade{lerp(a.v->c.x, b.v->c.x, c.v->c.x), lerp(a.v->c.y, b.v->c.y, c.v->c.y),
                           lerp(a.v->c.z, b.v->c.z, c.v->c.z)};
                float rgb[3] = {texel[0] * shade.x, texel[1] * shade.y, texel[2] * shade.z};
                for (int ch = 0; ch < 3; ++ch) {
                    float& dst = canvas.colour[at * 3 + static_cast<size_t>(ch)];
                    dst = dst * (1 - k) + rgb[ch] * k;
                }
                canvas.depth[at] = depth;
            }
        }
    }
}

Mat4 lookAt(Vec3 eye, Vec3 target) {
    Vec3 f = normalize(target - eye);
    Vec3 s = normalize(cross(f, {0, 1, 0}));
    Vec3 u = cross(s, f);
    Mat4 m;
    m.m = {s.x, u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0, 0, 0, 0, 1};
    return m * Mat4::translation(eye * -1);
}

void renderView(Canvas& canvas, const GardenTableEntry& scene,
                const std::vector<ReadObject>& objects, const std::vector<Texture>& textures,
                Camera camera) {
    std::fill(canvas.colour.begin(), canvas.colour.end(), 0.0f);
    std::fill(canvas.depth.begin(), canvas.depth.end(), 1e30f);
    Mat4 view = lookAt(camera.eye, camera.target);
    for (const DrawStep& step : scene.drawSequence) {
        if (step.kind == StepKind::exit) continue;  // closed until the target is delivered
        const Texture& texture = textures[static_cast<size_t>(step.slot)];
        for (int index : step.objects) {
            const ReadObject& object = objects.at(static_cast<size_t>(index));
            for (const Mat4& placement : object.placements) {
                Mat4 m = view * placement;
                for (size_t i = 0; i + 2 < object.vertices.size(); i += 3) {
                    EyeVertex tri[3];
                    for (int k = 0; k < 3; ++k) {
                        const ReadVertex& v = object.vertices[i + static_cast<size_t>(k)];
                        tri[k] = {m.point(v.position), v.s, v.t, v.colour};
                    }
                    drawTriangle(canvas, tri, texture, object.material);
                }
            }
        }
    }
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

const std::string* findFile(const DataFiles& files, const std::string& name) {
    for (const auto& [key, bytes] : files) {
        if (lower(key) == lower(name)) return &bytes;
    }
    return nullptr;
}

// The scene's objects and the textures of its slots, read back from the tree.
struct SceneData {
    const GardenTableEntry* entry = nullptr;
    std::vector<ReadObject> objects;
    std::vector<Texture> textures;
};

SceneData readScene(const DataFiles& files, const GardenTableEntry& scene) {
    auto objects = readSceneModel(files.at(std::string(scene.modelFile)));
    if (!objects) throw std::runtime_error("cannot read back " + std::string(scene.modelFile));
    SceneData data{&scene, std::move(*objects), {}};
    for (std::string_view name : scene.textures) {
        data.textures.push_back(
            decode(findFile(files, std::string(gardenTextureFolder) + std::string(name))));
    }
    return data;
}

}  // namespace

namespace {

// What a view depends on: the camera, the size and every byte of the scene's files.
std::string viewKey(const DataFiles& files, const GardenTableEntry& scene, Vec3 eye, Vec3 target,
                    int width, int height, int samples, int besideX, int besideY) {
    uint64_t hash = 1469598103934665603ull;  // FNV-1a
    auto add = [&hash](std::string_view bytes) {
        for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    };
    add(files.at(std::string(scene.modelFile)));
    for (std::string_view name : scene.textures)
        if (const std::string* bytes =
                findFile(files, std::string(gardenTextureFolder) + std::string(name)))
            add(*bytes);
    char key[256];
    std::snprintf(key, sizeof key, "%d %a %a %a %a %a %a %d %d %d %d %d %llx", scene.sceneNumber,
                  eye.x, eye.y, eye.z, target.x, target.y, target.z, width, height, samples,
                  besideX, besideY, static_cast<unsigned long long>(hash));
    return key;
}

}  // namespace

std::vector<Colour> renderGardenView(const DataFiles& files, int sceneNumber, Vec3 eye, Vec3 target,
                                     int width, int height, int samples) {
    return renderGardenView(files, sceneNumber, eye, target, width, height, samples, 0, 0);
}

std::vector<Colour> renderGardenView(const DataFiles& files, int sceneNumber, Vec3 eye, Vec3 target,
                                     int width, int height, int samples, int besideX, int besideY) {
    const GardenTableEntry* entry = nullptr;
    for (const GardenTableEntry& scene : gardenTable()) {
        if (scene.sceneNumber == sceneNumber) entry = &scene;
    }
    if (!entry) throw std::invalid_argument("no garden scene " + std::to_string(sceneNumber));
    // The menus are painted once for each language over the same views: each is rendered
    // once a run.
    static std::map<std::string, std::vector<Colour>> rendered;
    const std::string key =
        viewKey(files, *entry, eye, target, width, height, samples, besideX, besideY);
    if (auto done = rendered.find(key); done != rendered.end()) return done->second;
    SceneData scene = readScene(files, *entry);
    for (Texture& texture : scene.textures) texture.smooth = true;
    const int w = (width + 2 * besideX) * samples, h = (height + 2 * besideY) * samples;
    Canvas canvas{w, h, std::vector<float>(static_cast<size_t>(w * h * 3)),
                  std::vector<float>(static_cast<size_t>(w * h)), height * samples};
    renderView(canvas, *entry, scene.objects, scene.textures, {eye, target});
    width += 2 * besideX;
    std::vector<Colour> picture(static_cast<size_t>(width * (height + 2 * besideY)));
    const float share = 1.0f / static_cast<float>(samples * samples);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float* c = &canvas.colour[static_cast<size_t>(y * w + x) * 3];
            Colour& p = picture[static_cast<size_t>((y / samples) * width + x / samples)];
            p.r += std::clamp(c[0], 0.0f, 1.0f) * share;
            p.g += std::clamp(c[1], 0.0f, 1.0f) * share;
            p.b += std::clamp(c[2], 0.0f, 1.0f) * share;
        }
    }
    rendered[key] = picture;
    return picture;
}

void renderPreviews(const DataFiles& files, const std::filesystem::path& dir, int only) {
    std::filesystem::create_directories(dir);
    const Camera cameras[] = {
        {{0.6f, 0.55f, 1.4f}, {0, 0.3f, 0}},  // the bee at the hive door
        {{0, 1.2f, 9}, {0, 0.6f, 0}},         // flying home
        {{-14, 1.4f, -14}, {10, 1.5f, 10}},   // across the garden
        {{0, 34, 34}, {0, 0, 0}},             // from above
    };
    const int w = 400, h = 300, views = 4;
    for (const GardenTableEntry& scene : gardenTable()) {
        if (only >= 0 && scene.sceneNumber != only) continue;
        const SceneData data = readScene(files, scene);
        std::vector<unsigned char> rgba(static_cast<size_t>(w * views * h * 4));
        Canvas canvas{w, h, std::vector<float>(static_cast<size_t>(w * h * 3)),
                      std::vector<float>(static_cast<size_t>(w * h))};
        for (int v = 0; v < views; ++v) {
            renderView(canvas, scene, data.objects, data.textures, cameras[v]);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    size_t src = static_cast<size_t>(y * w + x) * 3;
                    size_t dst = (static_cast<size_t>(y) * static_cast<size_t>(w * views) +
                                  static_cast<size_t>(v * w + x)) *
                                 4;
                    for (int c = 0; c < 3; ++c) {
                        rgba[dst + static_cast<size_t>(c)] = static_cast<unsigned char>(
                            std::clamp(canvas.colour[src + static_cast<size_t>(c)], 0.0f, 1.0f) *
                            255);
                    }
                    rgba[dst + 3] = 255;
                }
            }
        }
        char name[32];
        std::snprintf(name, sizeof name, "garden%02d.png", scene.sceneNumber);
        writePng(dir / name, w * views, h, rgba);
    }
}
