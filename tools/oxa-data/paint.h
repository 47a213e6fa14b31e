#pragma once
// Images and the painters every texture is made of. Painting happens in floating point
// RGBA (0..1); the texture writer turns the result into bytes. Row 0 is the top.

#include <cstdint>
#include <functional>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0, a = 1;

    Colour operator*(float k) const { return {r * k, g * k, b * k, a}; }
};

// 0xRRGGBB as a colour.
Colour hex(uint32_t rgb, float alpha = 1);
Colour mix(Colour a, Colour b, float t);
float clamp01(float v);
float smoothstep(float e0, float e1, float x);

class Image {
  public:
    explicit Image(int side, Colour fill = {0, 0, 0, 1});

    int side() const { return side_; }
    Colour& at(int x, int y) { return pixels_[static_cast<size_t>(wrap(y) * side_ + wrap(x))]; }
    const Colour& at(int x, int y) const {
        return pixels_[static_cast<size_t>(wrap(y) * side_ + wrap(x))];
    }

    // Calls f(u, v) for every pixel centre, u and v in 0..1, and stores the result.
    void paint(const std::function<Colour(float u, float v)>& f);
    // Calls f(u, v, current) and stores the result: a layer over what is there.
    void layer(const std::function<Colour(float u, float v, Colour under)>& f);

    // Alpha-blends a colour over a soft-edged shape: an ellipse, a rectangle or a disc
    // ring, all in pixel units and wrapping around the edges (tiling textures stay seamless).
    void ellipse(float cx, float cy, float rx, float ry, Colour c, float soft = 1);
    void rect(float x0, float y0, float x1, float y1, Colour c, float soft = 0.7f);
    void line(float x0, float y0, float x1, float y1, float width, Colour c);

    // A band [top, bottom) of rows painted from another image scaled into it.
    void blit(const Image& source, int top, int bottom);

  private:
    int wrap(int v) const { return ((v % side_) + side_) % side_; }
    void blend(int x, int y, Colour c, float coverage);

    int side_;
    std::vector<Colour> pixels_;
};
