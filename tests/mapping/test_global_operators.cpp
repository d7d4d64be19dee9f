// Simplex and Receptor over region level lists, and the post-processing that
// turns operator output and source colour into output RGB.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "TH1.h"
#include "mapping/OperatorLevel.h"
#include "mapping/PostProcessing.h"
#include "mapping/ReceptorOperator.h"
#include "mapping/SimplexOperator.h"

namespace {

// A whole level of w × h as the pyramid stores it (margins of up to 10 each
// side), sampled one to one; sample (x, y) holds value(x, y).
template <class Value>
OrvLevelImage WholeLevel(int w, int h, int destinationW, int destinationH, Value value) {
  OrvLevelImage level(destinationW, destinationH, 0, 0, destinationW, destinationH, w, h, -std::min(w, 10),
                      -std::min(h, 10), std::min(w, 10), std::min(h, 10), 0, 0, 0, 0, 1, 1, 0);
  for (int j = 0; j < level.Height(); ++j)
    for (int i = 0; i < level.Width(); ++i) level.Pixels()(i, j) = value(level.XMap()(i, 0), level.YMap()(0, j));
  return level;
}

float Ramp(int x, int y) { return 0.25f * x - 0.5f * y + 1.0f; }

// A list like a region list: a coarser level first, then the one at destination size.
std::vector<OrvLevelImage> RegionList(int w, int h) {
  std::vector<OrvLevelImage> levels;
  levels.push_back(WholeLevel((w + 1) / 2, (h + 1) / 2, w, h, [](int, int) { return -100.0f; }));
  levels.push_back(WholeLevel(w, h, w, h, Ramp));
  return levels;
}

TEST(Simplex, CopiesTheOperatorLevelsInteriorExactly) {
  const std::vector<OrvLevelImage> levels = RegionList(13, 7);
  vigra::BasicImage<float> output(13, 7);
  orv::ApplySimplex(levels, output);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x) ASSERT_EQ(output(x, y), Ramp(x, y)) << x << "," << y;
}

TEST(Simplex, RefusesListsWithoutOperatorLevelAndEmptyOutputs) {
  std::vector<OrvLevelImage> coarseOnly;
  coarseOnly.push_back(WholeLevel(4, 4, 8, 8, Ramp));
  vigra::BasicImage<float> output(8, 8), empty;
  EXPECT_THROW(orv::ApplySimplex(coarseOnly, output), vigra::PreconditionViolation);
  EXPECT_THROW(orv::ApplySimplex(RegionList(8, 8), empty), vigra::PreconditionViolation);
}

TEST(Receptor, DefaultsGiveBrightnessExponentAndBias) {
  const orv::ReceptorCurve curve({}, 1.0, 100.0);
  EXPECT_FLOAT_EQ(curve.a, 0.85f);
  EXPECT_NEAR(curve.k, std::log(0.85) / std::log(0.5), 1e-12);
  EXPECT_NEAR(curve.k, 0.2345, 1e-4);
}

TEST(Receptor, PixelAtTheMaximumMapsToZeroAtFullBrightness) {
  struct Case {
    double compression, logAverage, maximum;
  } cases[] = {{5, 0.5, 200}, {0, 3, 3000}, {10, 0.01, 8}};
  for (const Case& c : cases) {
    const orv::ReceptorCurve curve({c.compression, 10.0}, c.logAverage, c.maximum);
    EXPECT_NEAR(curve.Map(static_cast<float>(std::log2(c.maximum))), 0.0f, 2e-6) << c.compression;
  }
}

TEST(Receptor, FullCompressionIsPlainLogarithmicMapping) {
  const double logAverage = 2.0, maximum = 1000.0;
  const orv::ReceptorCurve curve({10.0, 10.0}, logAverage, maximum);
  EXPECT_DOUBLE_EQ(curve.k, 0.0);
  for (float p : {-6.0f, 0.0f, 3.5f}) {
    const double v = static_cast<float>(std::exp2(p) / logAverage);
    const double expected = std::log2(std::log(v + 1) / std::log(10.0) / std::log10(maximum / logAverage + 1));
    EXPECT_NEAR(curve.Map(p), expected, 1e-5) << p;
  }
}

TEST(Receptor, IsMonotonicAndFiniteDownToTheDarkestSamples) {
  const orv::ReceptorCurve curve({}, 0.2, 5000.0);
  float previous = -std::numeric_limits<float>::infinity();
  for (float p = -126.0f; p <= 13.0f; p += 0.5f) {
    const float out = curve.Map(p);
    ASSERT_TRUE(std::isfinite(out)) << p;
    ASSERT_GE(out, previous - 1e-4f) << p << ": non-decreasing up to single-precision rounding";
    previous = out;
  }
}

TEST(Receptor, ApplyMapsTheOperatorLevel) {
  const std::vector<OrvLevelImage> levels = RegionList(5, 4);
  vigra::BasicImage<float> output(5, 4);
  const orv::ReceptorParameters parameters{3.0, 7.0};
  orv::ApplyReceptor(parameters, 1.5, 40.0, levels, output);
  const orv::ReceptorCurve curve(parameters, 1.5, 40.0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(output(x, y), curve.Map(Ramp(x, y)));
}

// A tone curve that is constant at c over [−10, 10].
struct ConstantCurve {
  TH1D table{"curve_test", "", 16, -10.0, 10.0};
  explicit ConstantCurve(double c) {
    table.SetDirectory(nullptr);
    for (int bin = 0; bin <= 17; ++bin) table.SetBinContent(bin, c);
  }
};

std::array<float, 3> MapOne(const TH1D& table, double saturation, float log2, std::array<float, 3> rgb) {
  std::array<float, 3> out{};
  orv::MapToOutput(table, saturation, &log2, rgb.data(), out.data(), 1);
  return out;
}

TEST(MapToOutput, CurveValueSetsTheLuminanceAndColourKeepsItsRatio) {
  // m = 0.3333 + 2 · 0.3334 + 3 · 0.3333 = 2.0001
  const std::array<float, 3> colour{1, 2, 3};
  const float m = static_cast<float>(0.3333 * 1 + 0.3334 * 2 + 0.3333 * 3);
  struct Case {
    double c;
    std::array<float, 3> expected;
  } cases[] = {
      {-8.0, {0, 0, 0}},
      {-1.0, {32639.0f / m, 2 * 32639.0f / m, 3 * 32639.0f / m}},  // (0.5 − 2^−8)/(1 − 2^−8) · 65535 = 32639
      {0.0, {65535 / m, 65535, 65535}},                             // limited at white
      {2.0, {65535, 65535, 65535}},
  };
  for (const Case& c : cases) {
    const ConstantCurve curve(c.c);
    const auto out = MapOne(curve.table, 1.0, 0.0f, colour);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(out[k], c.expected[k], 0.02f) << "c " << c.c << " channel " << k;
  }
}

TEST(MapToOutput, SaturationPathsAndGrey) {
  const ConstantCurve curve(-1.0);
  const std::array<float, 3> colour{0.2f, 0.5f, 0.9f};
  const auto plain = MapOne(curve.table, 1.0, 0.0f, colour);
  const auto power = MapOne(curve.table, 0.999, 0.0f, colour);
  const auto grey = MapOne(curve.table, 0.0, 0.0f, colour);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(power[k], plain[k], 0.002f * plain[k]) << "0.999 stays close to 1";
    EXPECT_FLOAT_EQ(grey[k], 32639.0f) << "saturation 0 gives f in every channel";
  }
  EXPECT_NE(power, plain) << "0.999 takes the power path";
}

TEST(MapToOutput, PixelsWithoutColourRatioAreBlack) {
  const ConstantCurve curve(0.0);
  const std::array<std::array<float, 3>, 4> inputs{{{0, 0, 0}, {1, -2, 1}, {-1, -1, -1}, {NAN, 1, 1}}};
  for (const auto& rgb : inputs) {
    const auto out = MapOne(curve.table, 1.0, 0.0f, rgb);
    const auto powered = MapOne(curve.table, 0.5, 0.0f, rgb);
    EXPECT_EQ(out, (std::array<float, 3>{0, 0, 0}));
    EXPECT_EQ(powered, (std::array<float, 3>{0, 0, 0}));
  }
}

TEST(MapToOutput, LookupsOutsideTheTableTakeTheEndValues) {
  TH1D table("curve_ends", "", 2, 0.0, 1.0);
  table.SetDirectory(nullptr);
  table.SetBinContent(1, -8.0);
  table.SetBinContent(2, 0.0);
  table.SetBinContent(0, -8.0);
  table.SetBinContent(3, 0.0);
  const std::array<float, 3> white{1, 1, 1};
  EXPECT_NEAR(MapOne(table, 1.0, -5.0f, white)[0], 0.0f, 1e-3);
  EXPECT_NEAR(MapOne(table, 1.0, 1.0f, white)[0], 65535.0f, 0.05f) << "the upper edge belongs to the overflow";
  EXPECT_NEAR(MapOne(table, 1.0, NAN, white)[0], 65535.0f, 0.05f);
}

TEST(Rgbe, PacksAndUnpacks) {
  using Bytes = std::array<uint8_t, 4>;
  struct Case {
    std::array<float, 3> rgb;
    Bytes packed;
  } cases[] = {
      {{1, 0, 0}, {128, 1, 1, 129}},
      {{0, 0, 0}, {0, 0, 0, 0}},
      {{1e-33f, 5e-33f, 0}, {0, 0, 0, 0}},
      {{65535, 32768, 1}, {255, 128, 1, 144}},
      {{-1, 0.5f, 0.25f}, {1, 128, 64, 128}},
  };
  for (const Case& c : cases) EXPECT_EQ(orv::PackRGBE(c.rgb[0], c.rgb[1], c.rgb[2]), c.packed);
  EXPECT_EQ(orv::UnpackRGBE({200, 17, 3, 0}), (std::array<float, 3>{0, 0, 0}));
  EXPECT_EQ(orv::UnpackRGBE({128, 1, 1, 129}), (std::array<float, 3>{1, 1.0f / 128, 1.0f / 128}));
  for (float v : {0.001f, 0.7f, 3.0f, 1234.5f, 65535.0f}) {
    const auto back = orv::UnpackRGBE(orv::PackRGBE(v, v / 3, v / 7));
    EXPECT_NEAR(back[0], v, v / 256) << v;
    EXPECT_NEAR(back[1], v / 3, v / 256) << v;
  }
}

}  // namespace
