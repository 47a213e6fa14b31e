#pragma once
// Reusable texture painters: noise fields, gradients, stripes, spots, bark, planks,
// stones, water and skies. Every painter that fills a whole image tiles seamlessly.

#include <cstdint>

#include "paint.h"

// Two colours mixed by fractal noise.
void noiseFill(Image& image, Colour dark, Colour light, int period, int octaves, uint32_t seed,
               float contrast = 1);

// Rows from `top` to `bottom` (fractions of the height) graded from one colour to another.
void verticalGradient(Image& image, float top, float bottom, Colour from, Colour to);

// `count` soft stripes across the image, vertical or horizontal.
void stripes(Image& image, int count, Colour colour, float width, bool vertical);

// Scattered soft dots inside the rows top..bottom (fractions), sizes in pixels.
void spots(Image& image, int count, float rMin, float rMax, Colour colour, uint32_t seed,
           float top = 0, float bottom = 1);

// Short strokes of grass in a few shades.
void grassStrokes(Image& image, int count, Colour dark, Colour light, uint32_t seed);

// Tiny five-dot flowers in the given colours.
void flowers(Image& image, int count, const Colour* colours, int colourCount, uint32_t seed);

// Rows top..bottom painted as bark: vertical furrows over a base colour.
void bark(Image& image, float top, float bottom, Colour base, Colour furrow, uint32_t seed);

// Rows top..bottom painted as `count` boards with grain; boards run across when
// `horizontal`, up and down otherwise.
void planks(Image& image, float top, float bottom, int count, Colour base, Colour grain,
            uint32_t seed, bool horizontal);

// Rounded stones of about `period` per side with mortar between them.
void stones(Image& image, int period, Colour light, Colour dark, Colour mortar, uint32_t seed);

// Cartoon water: a noisy blue with bright wavy highlights.
void water(Image& image, Colour deep, Colour shallow, uint32_t seed);

// A sky: gradient from zenith to horizon and puffy clouds.
struct SkyStyle {
    Colour zenith, horizon, cloud, cloudShade;
    float cloudiness;  // 0 clear .. 1 overcast
    uint32_t seed;
};
// One wall of the sky box: face 0..3 going round (each continues its left neighbour),
// with the horizon at row fraction `horizonRow`.
void skyWall(Image& image, const SkyStyle& style, int face, float horizonRow);
// The lid of the sky box: zenith colour with clouds that fade out towards the edges.
void skyLid(Image& image, const SkyStyle& style);
// A smiling cartoon sun centred at (cx, cy) in pixels.
void cartoonSun(Image& image, float cx, float cy, float radius);
