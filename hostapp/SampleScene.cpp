#include "hostapp/SampleScene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace orvhost {
namespace {

// Smooth value noise in 0 … 1 from an integer hash; deterministic on every machine.
float Hash(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<float>((h ^ (h >> 16)) & 0xffffff) / 16777215.0f;
}

float Noise(float x, float y) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const float fx = x - ix, fy = y - iy;
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float top = Hash(ix, iy) + sx * (Hash(ix + 1, iy) - Hash(ix, iy));
  const float bottom = Hash(ix, iy + 1) + sx * (Hash(ix + 1, iy + 1) - Hash(ix, iy + 1));
  return top + sy * (bottom - top);
}

float Fractal(float x, float y) {
  float sum = 0, amplitude = 0.5f;
  for (int octave = 0; octave < 4; ++octave, x *= 2, y *= 2, amplitude *= 0.5f) sum += amplitude * Noise(x, y);
  return sum / 0.9375f;
}

struct Rgb {
  float r, g, b;
};

Rgb Scale(Rgb c, float s) { return {c.r * s, c.g * s, c.b * s}; }

// Real lenses never draw a step: a small Gaussian blur (σ = 1.2 pixels) turns
// the scene's hard edges into the soft ones a camera records.
void SoftenLikeALens(DecodedImage& image) {
  constexpr int kRadius = 3;
  float weights[2 * kRadius + 1];
  float sum = 0;
  for (int i = -kRadius; i <= kRadius; ++i) sum += weights[i + kRadius] = std::exp(-0.5f * i * i / (1.2f * 1.2f));
  for (float& w : weights) w /= sum;
  const int w = image.width, h = image.height;
  std::vector<float> temp(image.rgb.size());
  auto pass = [&](const std::vector<float>& in, std::vector<float>& out, int dx, int dy) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int k = 0; k < 3; ++k) {
          float acc = 0;
          for (int i = -kRadius; i <= kRadius; ++i) {
            const int sx = std::clamp(x + i * dx, 0, w - 1), sy = std::clamp(y + i * dy, 0, h - 1);
            acc += weights[i + kRadius] * in[(static_cast<size_t>(sy) * w + sx) * 3 + k];
          }
          out[(static_cast<size_t>(y) * w + x) * 3 + k] = acc;
        }
  };
  pass(image.rgb, temp, 1, 0);
  pass(temp, image.rgb, 0, 1);
}

}  // namespace

DecodedImage MakeSampleScene(int width, int height) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.isFloat = true;
  image.bits = 32;
  image.rgb.resize(static_cast<size_t>(width) * height * 3);

  // Geometry in unit coordinates (u right, v down).
  const float winL = 0.52f, winR = 0.86f, winT = 0.14f, winB = 0.58f;  // window opening
  const float frame = 0.012f;
  const float floorTop = 0.72f;
  const float sunU = 0.74f, sunV = 0.24f;

  float* out = image.rgb.data();
  for (int y = 0; y < height; ++y) {
    const float v = (y + 0.5f) / height;
    for (int x = 0; x < width; ++x, out += 3) {
      const float u = (x + 0.5f) / width;
      Rgb c;
      const bool inOpening = u > winL && u < winR && v > winT && v < winB;
      const bool onMullion = std::fabs(u - 0.5f * (winL + winR)) < frame * 0.6f ||
                             std::fabs(v - 0.5f * (winT + winB)) < frame * 0.6f;
      if (inOpening && !onMullion) {
        // Sky: deep blue at the top to pale at the horizon, clouds, the sun.
        const float t = (v - winT) / (winB - winT);
        Rgb sky{0.9f + 2.4f * t, 2.2f + 2.6f * t, 6.0f + 1.5f * t};
        const float cloud = std::max(0.0f, Fractal(u * 9.0f, v * 22.0f) - 0.45f) * 2.2f;
        sky = {sky.r + 9.0f * cloud, sky.g + 9.0f * cloud, sky.b + 8.0f * cloud};
        const float d = std::hypot((u - sunU) * width / height, v - sunV);
        const float glow = 40.0f * std::exp(-d * 18.0f) + (d < 0.018f ? 60.0f : 0.0f);
        c = {sky.r + glow, sky.g + glow * 0.92f, sky.b + glow * 0.8f};
        // Distant hills along the bottom of the view.
        const float hill = winB - 0.07f - 0.03f * Fractal(u * 6.0f, 1.0f);
        if (v > hill) c = Scale(Rgb{0.55f, 0.75f, 0.35f}, 1.5f + 1.5f * Fractal(u * 40.0f, v * 40.0f));
      } else if (u > winL - frame && u < winR + frame && v > winT - frame && v < winB + frame) {
        // Painted frame, lit from outside on its inner edges.
        c = Scale(Rgb{0.9f, 0.88f, 0.82f}, 0.35f + 0.2f * Noise(u * 300.0f, v * 300.0f));
      } else if (v > floorTop) {
        // Wooden floor: planks with grain, a pool of sunlight below the window.
        // Boards run across the picture; the grain runs along them.
        const float plank = std::floor((v - floorTop) * 30.0f);
        const float grain = Fractal(u * 7.0f + plank * 7.1f, v * 260.0f);
        Rgb wood = Scale(Rgb{0.42f, 0.26f, 0.14f}, 0.6f + 0.6f * grain + 0.15f * Hash(static_cast<int>(plank), 3));
        const float pu = (u - winL + 0.12f * (v - floorTop)) / (winR - winL);
        const float patch = (pu > 0.0f && pu < 1.0f && v < floorTop + 0.22f) ? 7.0f : 0.0f;
        const float falloff = 0.08f + 0.35f * std::exp(-std::fabs(u - 0.6f) * 3.0f);
        c = Scale(wood, falloff + patch);
      } else {
        // Plastered wall: lit near the window, fading into the room's corners,
        // with a shelf of books in the shade on the left.
        const float plaster = 0.85f + 0.3f * Fractal(u * 80.0f, v * 80.0f);
        const float near = std::exp(-std::hypot(u - 0.69f, v - 0.36f) * 3.2f);
        const float light = 0.004f + 0.5f * near;
        c = Scale(Rgb{0.82f, 0.78f, 0.7f}, plaster * light);
        if (u > 0.06f && u < 0.34f && v > 0.30f && v < 0.52f) {
          const int book = static_cast<int>((u - 0.06f) * 90.0f);
          const Rgb spine{0.2f + 0.6f * Hash(book, 1), 0.15f + 0.5f * Hash(book, 2), 0.1f + 0.5f * Hash(book, 7)};
          c = Scale(spine, 0.012f * (0.7f + 0.6f * Noise(u * 500.0f, v * 30.0f)));
        }
      }
      out[0] = c.r;
      out[1] = c.g;
      out[2] = c.b;
    }
  }
  SoftenLikeALens(image);
  return image;
}

}  // namespace orvhost
