#include "mapping/PostProcessing.h"

#include <algorithm>
#include <cmath>

#include "TH1.h"

namespace orv {
namespace {

constexpr float kWhite = 65535.0f;

// One pixel of the mapping; returns false for a pixel without a colour ratio.
struct PixelMapper {
  const TAxis& axis;
  const double* contents;
  double saturation;
  bool plain;  // saturation exactly 1: multiply, no powers
  float saturationF;

  PixelMapper(const TH1D& table, double s)
      : axis(*table.GetXaxis()),
        contents(table.GetArray()),
        saturation(s),
        plain(s == 1.0),
        saturationF(static_cast<float>(s)) {}

  void Map(float log2, const float* rgb, float* out) const {
    const float c = static_cast<float>(contents[axis.FindBin(log2)]);
    float f = std::exp2(c);
    f = static_cast<float>((f - 0.00390625) / 0.99609375 * 65535.0);
    const float m = static_cast<float>(0.3333 * rgb[0] + 0.3334 * rgb[1] + 0.3333 * rgb[2]);
    if (!(m > 0.0f) || !std::isfinite(m)) {
      out[0] = out[1] = out[2] = 0.0f;
      return;
    }
    for (int k = 0; k < 3; ++k) {
      const float ratio = rgb[k] / m;
      const float x = plain ? rgb[k] * (f / m) : std::pow(ratio, saturationF) * f;
      out[k] = std::min(x, kWhite);
    }
  }
};

}  // namespace

void MapToOutput(const TH1D& curveTable, double saturation, const float* log2, const float* sourceRgb,
                 float* outputRgb, int count) {
  const PixelMapper mapper(curveTable, saturation);
  for (int i = 0; i < count; ++i, sourceRgb += 3, outputRgb += 3) mapper.Map(log2[i], sourceRgb, outputRgb);
}

void MapToRGBE(const TH1D& curveTable, double saturation, const float* log2, const float* sourceRgb,
               std::array<uint8_t, 4>* output, int count) {
  const PixelMapper mapper(curveTable, saturation);
  float rgb[3];
  for (int i = 0; i < count; ++i, sourceRgb += 3) {
    mapper.Map(log2[i], sourceRgb, rgb);
    output[i] = PackRGBE(rgb[0], rgb[1], rgb[2]);
  }
}

std::array<uint8_t, 4> PackRGBE(float r, float g, float b) {
  const float v = std::max({r, g, b});
  if (!(v >= 1e-32f)) return {0, 0, 0, 0};
  int exponent = 0;
  const float mantissa = std::frexp(v, &exponent);
  const float scale = mantissa * 256.0f / v;
  auto quantise = [scale](float x) -> uint8_t {
    const float t = x * scale;
    if (!(t >= 0.0f)) return 1;  // 0 is stored as 1, like every zero mantissa
    if (t > 255.0f) return 255;
    const auto q = static_cast<uint8_t>(t + 0.5f);
    return q == 0 ? 1 : q;
  };
  return {quantise(r), quantise(g), quantise(b), static_cast<uint8_t>((exponent + 128) & 0xff)};
}

std::array<float, 3> UnpackRGBE(const std::array<uint8_t, 4>& pixel) {
  if (pixel[3] == 0) return {0.0f, 0.0f, 0.0f};
  const float f = std::ldexp(1.0f, pixel[3] - 136);
  return {f * pixel[0], f * pixel[1], f * pixel[2]};
}

}  // namespace orv
