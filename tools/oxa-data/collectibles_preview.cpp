#include "collectibles_preview.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "assets/model_file.h"
#include "assets/texture_file.h"
#include "geometry3.h"
#include "panel_art.h"
#include "png_dump.h"

namespace {

struct Texture {
    TextureFile file;

    // Bilinear, repeating, as the game's textures are filtered up close.
    std::array<float, 4> sample(float s, float t) const {
        const int side = file.side;
        if (side == 0) return {1, 1, 1, 1};
        float x = s * static_cast<float>(side) - 0.5f, y = t * static_cast<float>(side) - 0.5f;
        int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        float fx = x - static_cast<float>(x0), fy = y - static_cast<float>(y0);
        std::array<float, 4> out{};
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 2; ++i) {
                int px = ((x0 + i) % side + side) % side, py = ((y0 + j) % side + side) % side;
                float w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
                const unsigned char* p =
                    &file.pixels[static_cast<size_t>((py * side + px) * file.bytesPerPixel())];
                for (int c = 0; c < 4; ++c) {
                    float v = c < file.bytesPerPixel() ? static_cast<float>(p[c]) / 255 : 1;
                    out[static_cast<size_t>(c)] += v * w;
                }
            }
        }
        return out;
    }
};

Texture loadTexture(const DataFiles& files, const std::string& name) {
    auto parsed = parseTextureFile(files.at(name));
    if (!parsed) throw std::runtime_error(name + " is not a texture");
    return {*parsed};
}

struct Canvas {
    int width, height;
    std::vector<float> rgb, depth;

    Canvas(int w, int h)
        : width(w),
          height(h),
          rgb(static_cast<size_t>(w * h * 3)),
          depth(static_cast<size_t>(w * h), 1e30f) {}

    void write(const std::filesystem::path& path) const {
        std::vector<unsigned char> rgba(static_cast<size_t>(width * height * 4), 255);
        for (size_t i = 0; i < static_cast<size_t>(width * height); ++i) {
            for (size_t c = 0; c < 3; ++c) {
                rgba[i * 4 + c] =
                    static_cast<unsigned char>(std::clamp(rgb[i * 3 + c], 0.0f, 1.0f) * 255);
            }
        }
        writePng(path, width, height, rgba);
    }
};

// How a run of triangles is drawn, as its list would set the state.
struct DrawState {
    const Texture* texture = nullptr;
    bool alphaTest = false, blend = false, cullBack = true, depthTest = true;
    int left = 0, right = 1 << 30;                      // the columns of the viewport
    std::function<void(float&, float&)> textureMatrix;  // the texture transform, if any
};

DrawState objectState(const ModelObject& object, const Texture& texture) {
    DrawState state;
    state.texture = &texture;
    char m = object.material;
    state.alphaTest = std::string_view("AaGg").find(m) != std::string_view::npos;
    state.blend = std::string_view("KkHh").find(m) != std::string_view::npos;
    state.cullBack =
        std::string_view("GgHhDd").find(m) == std::string_view::npos && (object.flags % 1024) < 512;
    return state;
}

struct ScreenVertex {
    float x, y, w;  // pixels, and the eye distance (1 for flat drawing)
    float s, t;
    Vec3 colour;
};

void rasterise(Canvas& canvas, const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
               const DrawState& state) {
    float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    // Canvas rows grow downwards, so a counter-clockwise front face has a negative area.
    if (area == 0 || (state.cullBack && area > 0)) return;
    int x0 = std::max(state.left, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    int x1 = std::min({canvas.width, state.right}) - 1;
    x1 = std::min(x1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    int y1 = std::min(canvas.height - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            float wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
            float wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
            float wc = 1 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0) continue;
            float ia = wa / a.w, ib = wb / b.w, ic = wc / c.w, inv = ia + ib + ic;
            size_t at = static_cast<size_t>(y * canvas.width + x);
            float depth = 1 / inv;
            if (state.depthTest && depth >= canvas.depth[at]) continue;
            auto lerp = [&](float va, float vb, float vc) {
                return (va * ia + vb * ib + vc * ic) / inv;
            };
            float s = lerp(a.s, b.s, c.s), t = lerp(a.t, b.t, c.t);
            if (state.textureMatrix) state.textureMatrix(s, t);
            auto texel =
                state.texture ? state.texture->sample(s, t) : std::array<float, 4>{1, 1, 1, 1};
            if (state.alphaTest && texel[3] <= 0.1f) continue;
            float k = state.blend ? texel[3] : 1;
            Vec3 shade{lerp(a.colour.x, b.colour.x, c.colour.x),
                       lerp(a.colour.y, b.colour.y, c.colour.y),
                       lerp(a.colour.z, b.colour.z, c.colour.z)};
            float rgb[3] = {texel[0] * shade.x, texel[1] * shade.y, texel[2] * shade.z};
            for (size_t ch = 0; ch < 3; ++ch) {
                float& dst = canvas.rgb[at * 3 + ch];
                dst = dst * (1 - k) + rgb[ch] * k;
            }
            if (state.depthTest) canvas.depth[at] = depth;
        }
    }
}

struct Camera {
    Mat4 view;
    float focal;
    int left, width, height;  // the viewport within the canvas
};

Camera lookFrom(Vec3 eye, Vec3 target, int left, int width, int height) {
    Vec3 f = normalize(target - eye);
    Vec3 s = normalize(cross(f, {0, 1, 0}));
    Vec3 u = cross(s, f);
    Mat4 m;
    m.m = {s.x, u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0, 0, 0, 0, 1};
    // 40 degrees of vertical field: close enough to judge sizes.
    return {m * Mat4::translation(eye * -1), static_cast<float>(height) / 2 / std::tan(pi / 9),
            left, width, height};
}

void drawObject(Canvas& canvas, const Camera& camera, const Mat4& placement,
                const ModelObject& object, const DrawState& drawState) {
    DrawState state = drawState;
    state.left = camera.left;
    state.right = camera.left + camera.width;
    Mat4 m = camera.view * placement;
    for (size_t i = 0; i + 2 < object.vertices.size(); i += 3) {
        ScreenVertex v[3];
        bool behind = false;
        for (size_t k = 0; k < 3; ++k) {
            const ModelVertex& mv = object.vertices[i + k];
            Vec3 p =
                m.point({static_cast<float>(mv.position[0]), static_cast<float>(mv.position[1]),
                         static_cast<float>(mv.position[2])});
            float w = -p.z;
            behind = behind || w < 0.05f;
            v[k] = {static_cast<float>(camera.left) + static_cast<float>(camera.width) / 2 +
                        p.x / w * camera.focal,
                    static_cast<float>(camera.height) / 2 - p.y / w * camera.focal,
                    w,
                    static_cast<float>(mv.texCoord[0]),
                    static_cast<float>(mv.texCoord[1]),
                    {static_cast<float>(mv.colour[0]), static_cast<float>(mv.colour[1]),
                     static_cast<float>(mv.colour[2])}};
        }
        if (!behind) rasterise(canvas, v[0], v[1], v[2], state);
    }
}

ModelFile loadModel(const DataFiles& files, const std::string& name) {
    return parseModelFile(ModelFileKind::Object, files.at(name), name);
}

struct Meadow {
    ModelFile flowers, plants, nectar, icons;
    std::vector<Texture> flowerTextures, plantTextures;
    Texture glow, iconTexture;

    explicit Meadow(const DataFiles& files)
        : flowers(loadModel(files, "MOD\\DATA\\kwiata.wkx")),
          plants(loadModel(files, "MOD\\DATA\\rosli.wkx")),
          nectar(loadModel(files, "MOD\\DATA\\SPRIT.wkx")),
          icons(loadModel(files, "MOD\\DATA\\ikony.wkx")),
          glow(loadTexture(files, "MOD\\BMP_0\\sp.srm")),
          iconTexture(loadTexture(files, "MOD\\BMP_0\\ikonki.srm")) {
        for (const char* name : {"kwiat1", "kwiat2", "kwiat3"}) {
            flowerTextures.push_back(
                loadTexture(files, std::string("MOD\\BMP_0\\") + name + ".srm"));
        }
        for (const char* name : {"kepa1", "kepa", "kepa1", "trawa1"}) {
            plantTextures.push_back(
                loadTexture(files, std::string("MOD\\BMP_0\\") + name + ".srm"));
        }
    }
};

void sky(Canvas& canvas, int left, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = left; x < left + width; ++x) {
            size_t at = static_cast<size_t>(y * canvas.width + x);
            float v = static_cast<float>(y) / static_cast<float>(height);
            canvas.rgb[at * 3] = 0.55f + 0.3f * v;
            canvas.rgb[at * 3 + 1] = 0.8f + 0.15f * v;
            canvas.rgb[at * 3 + 2] = 1;
            canvas.depth[at] = 1e30f;
        }
    }
}

// Plants behind, icons, the six flowers with glowing nectar on five of them, as the
// world pass draws them.
void meadowView(Canvas& canvas, const Meadow& meadow, const Camera& camera) {
    sky(canvas, camera.left, camera.width, camera.height);
    // Ground in small tiles: the preview drops triangles that reach behind the eye.
    ModelObject ground;
    ground.material = 'D';
    for (double x = -6; x < 6; x += 0.5) {
        for (double z = -6; z < 1.5; z += 0.5) {
            for (auto p : {std::array<double, 3>{x, 0, z},
                           {x + 0.5, 0, z},
                           {x + 0.5, 0, z + 0.5},
                           {x, 0, z},
                           {x + 0.5, 0, z + 0.5},
                           {x, 0, z + 0.5}}) {
                ground.vertices.push_back({p, {0, 0}, {0.45, 0.72, 0.3}});
            }
        }
    }
    DrawState plain;
    plain.cullBack = false;
    drawObject(canvas, camera, {}, ground, plain);
    for (size_t k = 0; k < meadow.plants.objects.size(); ++k) {
        for (int copy = 0; copy < 3; ++copy) {
            Vec3 at{-1.2f + 0.8f * static_cast<float>(k) + 0.25f * static_cast<float>(copy), 0,
                    -0.6f - 0.3f * static_cast<float>(copy)};
            drawObject(canvas, camera, place(at, static_cast<float>(copy + k)),
                       meadow.plants.objects[k],
                       objectState(meadow.plants.objects[k], meadow.plantTextures[k]));
        }
    }
    const Vec3 icons[] = {{-0.7f, 0.55f, 0.5f}, {0.7f, 0.6f, 0.5f}, {-0.3f, 0.5f, 0}};
    for (size_t k = 0; k < 3; ++k) {
        drawObject(canvas, camera, place(icons[k], 0.5f, 0.5f), meadow.icons.objects[k],
                   objectState(meadow.icons.objects[k], meadow.iconTexture));
    }
    for (size_t k = 0; k < 6; ++k) {
        Vec3 at{-0.75f + 0.3f * static_cast<float>(k), 0, static_cast<float>(k % 2) * 0.15f};
        drawObject(canvas, camera, place(at, static_cast<float>(k) * 0.7f),
                   meadow.flowers.objects[k],
                   objectState(meadow.flowers.objects[k], meadow.flowerTextures[k / 2]));
    }
    for (size_t k = 1; k < 6; ++k) {
        Vec3 at{-0.75f + 0.3f * static_cast<float>(k), 0.3f, static_cast<float>(k % 2) * 0.15f};
        for (const ModelObject& object : meadow.nectar.objects) {
            DrawState state = objectState(object, meadow.glow);
            float flash = -0.2f * static_cast<float>(k);
            state.textureMatrix = [flash](float&, float& t) { t += flash; };
            drawObject(canvas, camera, Mat4::translation(at), object, state);
        }
    }
}

// The panel as its drawing goes: background, bar, lamps, clock face, compass, digits.
void panelView(Canvas& canvas, const DataFiles& files) {
    const ModelFile layout =
        parseModelFile(ModelFileKind::Layout, files.at("PUL\\DATA\\kontrolx.mex"), "kontrolx.mex");
    const Texture off = loadTexture(files, "PUL\\BMP_0\\kontnie.srm");
    const Texture on = loadTexture(files, "PUL\\BMP_0\\kont.srm");
    const Texture clock = loadTexture(files, "PUL\\BMP_0\\zegar.srm");
    const Texture compass = loadTexture(files, "PUL\\BMP_0\\komp.srm");
    auto corner = [&](float x, float y, float s, float t) {
        return ScreenVertex{x / 80 * static_cast<float>(canvas.width),
                            static_cast<float>(canvas.height) * (1 - y / 60),
                            1,
                            s,
                            t,
                            {1, 1, 1}};
    };
    auto quad = [&](const std::array<ScreenVertex, 4>& v, const DrawState& state) {
        rasterise(canvas, v[0], v[1], v[2], state);
        rasterise(canvas, v[0], v[2], v[3], state);
    };
    auto element = [&](size_t index, const Texture& texture,
                       std::function<void(float&, float&)> textureMatrix = nullptr) {
        const ModelObject& object = layout.objects.at(index);
        const int flags = object.flags % 2048;
        DrawState state;
        state.depthTest = false;
        state.texture = (flags % 64 >= 32 || flags % 16 >= 4) ? &texture : nullptr;
        state.alphaTest = object.material == 'A' || object.material == 'a';
        state.blend = object.material == 'K' || object.material == 'k';
        state.cullBack = flags < 512;
        state.textureMatrix = std::move(textureMatrix);
        if (flags >= 1024 && flags < 1536) return;  // both faces culled
        for (size_t i = 0; i + 3 < object.vertices.size(); i += 4) {
            std::array<ScreenVertex, 4> v;
            for (size_t k = 0; k < 4; ++k) {
                const ModelVertex& mv = object.vertices[i + k];
                v[k] =
                    corner(static_cast<float>(mv.position[0]), static_cast<float>(mv.position[1]),
                           static_cast<float>(mv.texCoord[0]), static_cast<float>(mv.texCoord[1]));
            }
            quad(v, state);
        }
    };
    DrawState cutout;
    cutout.depthTest = false;
    cutout.alphaTest = true;
    auto glyph = [&](int g, float x, float y) {
        AtlasRect c = panelFixed::glyphCell(g);
        cutout.texture = &clock;
        const float w = panelFixed::glyphWidth, h = panelFixed::glyphHeight;
        quad({corner(x + w, y, c.s1, c.t0), corner(x + w, y + h, c.s1, c.t1),
              corner(x, y + h, c.s0, c.t1), corner(x, y, c.s0, c.t0)},
             cutout);
    };
    element(panelElement::background, off);
    const float p = 60;
    cutout.texture = &on;
    const auto& bt = panelFixed::barTexture;
    const float top = panelFixed::barBottom + p * panelFixed::barRise, ttop = bt.t0 + p * 0.003984f;
    quad({corner(panelFixed::barRight, top, bt.s1, ttop),
          corner(panelFixed::barLeft, top, bt.s0, ttop),
          corner(panelFixed::barLeft, panelFixed::barBottom, bt.s0, bt.t0),
          corner(panelFixed::barRight, panelFixed::barBottom, bt.s1, bt.t0)},
         cutout);
    for (size_t k = 0; k < 5; ++k) element(panelElement::firstBucketLamp + k, k < 3 ? on : off);
    for (size_t k = 0; k < 3; ++k) element(panelElement::firstSpeedLamp + k, k < 2 ? on : off);
    element(panelElement::clockFace, clock);
    const float angle = 30 * pi / 180;
    element(panelElement::compass, compass, [angle](float& s, float& t) {
        float rs = std::cos(angle) * s - std::sin(angle) * t,
              rt = std::sin(angle) * s + std::cos(angle) * t;
        s = rs + 0.5f, t = rt + 0.5f;
    });
    glyph(1, panelFixed::loadsX, panelFixed::loadsY);
    glyph(2, panelFixed::loadsX + panelFixed::glyphWidth, panelFixed::loadsY);
    const int clockGlyphs[] = {2, 10, 3, 5};  // 2:35, the zero tens of minutes left out
    for (int k = 0; k < 4; ++k) {
        glyph(clockGlyphs[k],
              panelFixed::clockX + panelFixed::glyphWidth * static_cast<float>(k + 1),
              panelFixed::clockY);
    }
}

// The butterfly and the dragonfly as their draw turns them (yaw about y, then the wings
// about z), the fish along its half circle and the splashes growing, on a pond.
void creatureView(Canvas& canvas, const DataFiles& files, const Camera& camera) {
    sky(canvas, camera.left, camera.width, camera.height);
    ModelObject ground;
    ground.material = 'D';
    for (double x = -3; x < 3; x += 0.25) {
        for (double z = -3; z < 1.5; z += 0.25) {
            bool pond = x > -0.1 && z < -0.4;
            std::array<double, 3> colour = pond ? std::array<double, 3>{0.3, 0.55, 0.9}
                                                : std::array<double, 3>{0.45, 0.72, 0.3};
            for (auto p : {std::array<double, 3>{x, 0, z},
                           {x + 0.25, 0, z},
                           {x + 0.25, 0, z + 0.25},
                           {x, 0, z},
                           {x + 0.25, 0, z + 0.25},
                           {x, 0, z + 0.25}}) {
                ground.vertices.push_back({p, {0, 0}, colour});
            }
        }
    }
    DrawState plain;
    plain.cullBack = false;
    drawObject(canvas, camera, {}, ground, plain);
    auto winged = [&](const char* model, const char* texture, Vec3 at, float yaw, float wings) {
        const ModelFile file = loadModel(files, model);
        const Texture picture = loadTexture(files, texture);
        const Mat4 body = Mat4::translation(at) * Mat4::rotationY(yaw * pi / 180);
        const float w = wings * pi / 180;
        drawObject(canvas, camera, body, file.objects[0], objectState(file.objects[0], picture));
        drawObject(canvas, camera, body * Mat4::rotationZ(w), file.objects[2],
                   objectState(file.objects[2], picture));
        drawObject(canvas, camera, body * Mat4::rotationZ(-w), file.objects[1],
                   objectState(file.objects[1], picture));
    };
    winged("MOD\\DATA\\MOTYL.wkx", "MOD\\BMP_0\\motyl.srm", {-0.9f, 0.7f, 0}, 200, 25);
    winged("MOD\\DATA\\MOTYL.wkx", "MOD\\BMP_0\\motyl.srm", {-1.2f, 0.45f, -0.8f}, 120, -20);
    winged("MOD\\DATA\\wazka.wkx", "MOD\\BMP_0\\wazka.srm", {-0.3f, 0.9f, 0.2f}, 150, 10);
    winged("MOD\\DATA\\wazka.wkx", "MOD\\BMP_0\\wazka.srm", {-1.6f, 1.0f, -1.2f}, 60, -15);
    const ModelFile fish = loadModel(files, "MOD\\DATA\\rybka.wkx");
    const Texture fishPicture = loadTexture(files, "MOD\\BMP_0\\rybka.srm");
    const ModelFile splash = loadModel(files, "MOD\\DATA\\plusk.wkx");
    const Texture splashPicture = loadTexture(files, "MOD\\BMP_0\\plusk.srm");
    const Vec3 centre{0.9f, 0.01f, -1.2f};
    const float radius = 0.6f;
    for (float angle : {40.0f, 100.0f, 160.0f}) {
        Mat4 m = Mat4::translation(centre) * Mat4::rotationY(20 * pi / 180) *
                 Mat4::rotationZ((90 - angle) * pi / 180) * Mat4::translation({0, radius, 0});
        drawObject(canvas, camera, m, fish.objects[0], objectState(fish.objects[0], fishPicture));
    }
    const float sizes[][2] = {{1.0f, 1.6f}, {1.3f, 1.0f}, {2.0f, 0}, {0.4f, 0.7f}};
    for (int k = 0; k < 4; ++k) {
        Vec3 at{0.2f + 0.45f * static_cast<float>(k), 0.01f, -0.6f};
        drawObject(canvas, camera,
                   Mat4::translation(at) * Mat4::scaling({sizes[k][0], sizes[k][1], sizes[k][0]}),
                   splash.objects[0], objectState(splash.objects[0], splashPicture));
    }
}

}  // namespace

void renderCreaturePreviews(const DataFiles& files, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    const int w = 480, h = 360;
    Canvas canvas(w * 3, h);
    creatureView(canvas, files, lookFrom({-0.55f, 0.95f, 0.55f}, {-0.75f, 0.7f, -0.05f}, 0, w, h));
    creatureView(canvas, files, lookFrom({0.15f, 1.1f, 0.75f}, {-0.3f, 0.9f, 0.2f}, w, w, h));
    creatureView(canvas, files, lookFrom({-0.4f, 1.6f, 4.0f}, {0, 0.5f, -0.5f}, 2 * w, w, h));
    canvas.write(dir / "creatures.png");
}

void renderCollectiblePreviews(const DataFiles& files, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    const Meadow meadow(files);
    const int w = 480, h = 360;
    Canvas meadows(w * 3, h);
    meadowView(meadows, meadow, lookFrom({0, 0.55f, 1.5f}, {0, 0.22f, 0}, 0, w, h));
    meadowView(meadows, meadow, lookFrom({0.8f, 1.0f, 4.5f}, {0, 0.3f, 0}, w, w, h));
    meadowView(meadows, meadow, lookFrom({-0.6f, 1.1f, 1.4f}, {0, 0.1f, 0}, 2 * w, w, h));
    meadows.write(dir / "collectibles.png");

    Canvas panel(800, 600);
    meadowView(panel, meadow, lookFrom({0.3f, 0.8f, 2.6f}, {0, 0.35f, 0}, 0, 800, 600));
    panelView(panel, files);
    panel.write(dir / "panel.png");
}
