#pragma once
// Post-processing shared by every operator: the operator's log2 output goes
// through the tabulated tone curve to a display luminance, which scales the
// pixel's linear source colour.
//
//   c = curve(L)                    log2 display luminance, −8 black … 0 white
//   f = (2^c − 2^−8) / (1 − 2^−8) · 65535
//   m = 0.3333 R + 0.3334 G + 0.3333 B
//   X' = f · X / m                  saturation s = 1
//   X' = f · (X / m)^s              otherwise
// and each component is limited to 65535. Output is linear RGB, 65535 = white.
#include <array>
#include <cstdint>

class TH1D;

namespace orv {

/// Maps `count` pixels: log2 operator output, interleaved source RGB in,
/// interleaved output RGB out. A pixel whose weighted sum m is not positive
/// (black, or components that cancel) maps to black.
void MapToOutput(const TH1D& curveTable, double saturation, const float* log2, const float* sourceRgb,
                 float* outputRgb, int count);

/// The same mapping packed into shared-exponent pixels (R, G, B mantissas, exponent).
void MapToRGBE(const TH1D& curveTable, double saturation, const float* log2, const float* sourceRgb,
               std::array<uint8_t, 4>* output, int count);

/// Three mantissa bytes and a shared exponent byte; exponent 0 is black.
std::array<uint8_t, 4> PackRGBE(float r, float g, float b);
std::array<float, 3> UnpackRGBE(const std::array<uint8_t, 4>& pixel);

}  // namespace orv
