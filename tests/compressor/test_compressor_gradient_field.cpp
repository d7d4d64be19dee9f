#include "compressor/CompressorGradientField.h"

#include "tests/compressor/RegionPyramid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using orv::testing::PlainLevel;

namespace {

// Tables with every contrast factor 1.
orv::CompressorTables UnitTables(int levels)
{
    orv::CompressorParameters parameters;
    parameters.contrast = 0;
    orv::CompressorTables tables;
    tables.Rebuild(parameters, levels);
    return tables;
}

std::vector<float> Values(int w, int h, float (*f)(int, int))
{
    std::vector<float> v;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            v.push_back(f(x, y));
    return v;
}

float Paraboloid(int x, int y) { return float(x * x + y * y); }

// D with all factors 1 and no attenuation.
std::vector<OrvLevelImage> PlainDivergence(const std::vector<OrvLevelImage>& pyramid)
{
    auto maps = orv::AttenuationMaps(pyramid, 0.0);
    orv::ContrastScaledDivergence(pyramid, maps, UnitTables(int(pyramid.size())));
    return maps;
}

} // namespace

TEST(CompressorGradientField, GradientMagnitudeUsesCentralDifferencesInsideEachBlock)
{
    // x sampled at every fourth coordinate of 17 with a window of 1: blocks
    // {0, 1} {3, 4, 5} {7, 8, 9} {11, 12, 13} {15, 16}. H = x².
    const OrvLevelImage level = [] {
        OrvLevelImage l(5, 3, 0, 0, 5, 3, 17, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0);
        for (int y = 0; y < l.Height(); ++y)
            for (int i = 0; i < l.Width(); ++i) {
                const int c = l.XMap()(i, 0);
                l.Row(y)[i] = float(c * c);
            }
        return l;
    }();
    ASSERT_EQ(level.XRuns().size(), 5u);
    vigra::BasicImage<float> g;
    orv::GradientMagnitude(level, g);

    struct Case {
        int coordinate;
        float expected;
    };
    // Inside: (c + 1)² − (c − 1)² = 4c; block start (c + 1)² − c²; block end c² − (c − 1)².
    for (const Case& c : {Case{0, 1}, Case{1, 1}, Case{3, 7}, Case{4, 16}, Case{5, 9},
                          Case{12, 48}, Case{16, 31}}) {
        int column = 0;
        while (level.XMap()(column, 0) != c.coordinate)
            ++column;
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(g(column, y), c.expected) << "coordinate " << c.coordinate;
    }
}

TEST(CompressorGradientField, GradientMagnitudeAtPoleRows)
{
    // H = row index; zenith −2, nadir 10.
    const auto rows = Values(3, 4, [](int, int y) { return float(y); });
    struct Case {
        std::uint32_t flags;
        float top, bottom;
    };
    for (const Case& c : {Case{0, 1, 1}, Case{OrvLevelImage::ZenithFlag, 3, 1},
                          Case{OrvLevelImage::NadirFlag, 1, 8}, Case{3, 3, 8}}) {
        SCOPED_TRACE(c.flags);
        const OrvLevelImage level = PlainLevel(3, 4, rows, c.flags, -2.0, 10.0);
        vigra::BasicImage<float> g;
        orv::GradientMagnitude(level, g);
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(g(x, 0), c.top);
            EXPECT_EQ(g(x, 1), 2.0f);
            EXPECT_EQ(g(x, 2), 2.0f);
            EXPECT_EQ(g(x, 3), c.bottom);
        }
    }
}

TEST(CompressorGradientField, GradientMagnitudeOfOneSampleWideBlocks)
{
    vigra::BasicImage<float> g;
    const OrvLevelImage column = PlainLevel(1, 4, {0, 1, 3, 6});
    orv::GradientMagnitude(column, g);
    EXPECT_EQ(g(0, 0), 1.0f);
    EXPECT_EQ(g(0, 1), 3.0f);
    EXPECT_EQ(g(0, 3), 3.0f);

    const OrvLevelImage row = PlainLevel(3, 1, {0, 2, 5}, 3, -100, 100);
    orv::GradientMagnitude(row, g);
    EXPECT_EQ(g(0, 0), 2.0f); // no vertical difference, not even to a pole
    EXPECT_EQ(g(1, 0), 5.0f);
}

TEST(CompressorGradientField, AttenuationFactor)
{
    // One level (s = 2) of 2 × 2 samples whose every gradient magnitude is dx.
    struct Case {
        const char* what;
        double compression, meanGradient;
        float dx;
        double expected;
    };
    const float aboveHalf = std::nextafter(0.5f, 1.0f);
    const Case cases[] = {
        {"0.4^-0.05 * 0.1^0.05 = 0.93303", 5, 1.0, 0.8f, 0.9330329895},
        {"G = alpha is kept", 5, 5.0, 0.5f, 1.0},
        {"G just above alpha", 5, 5.0, aboveHalf, std::pow(aboveHalf / 2.0, -0.05) * std::pow(0.5, 0.05)},
        {"Compression 0", 0, 1.0, 0.8f, 1.0},
        {"Compression 10", 10, 1.0, 0.8f, std::pow(0.4, -0.1) * std::pow(0.1, 0.1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<OrvLevelImage> pyramid = {
            PlainLevel(2, 2, {0, c.dx, 0, c.dx}, 0, 0, 0, c.meanGradient)};
        const auto maps = orv::AttenuationMaps(pyramid, c.compression);
        ASSERT_EQ(maps.size(), 1u);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_NEAR(maps[0].Row(y)[x], c.expected, 1e-6);
    }
}

TEST(CompressorGradientField, AttenuationScalesByLevelAndCarriesToFinerLevels)
{
    // Coarsest of two levels: s = 4, so G = 0.8 gives (0.2 / 0.1)^(−0.05).
    // The flat finer level adds no factor of its own and inherits it.
    const std::vector<OrvLevelImage> pyramid = {PlainLevel(2, 2, {0, 0.8f, 0, 0.8f}, 0, 0, 0, 1.0),
                                                PlainLevel(4, 4, {}, 0, 0, 0, 1.0)};
    const auto maps = orv::AttenuationMaps(pyramid, 5);
    const double expected = std::pow(2.0, -0.05);
    ASSERT_EQ(maps.size(), 2u);
    ASSERT_EQ(maps[1].Width(), 4);
    for (const OrvLevelImage& map : maps)
        for (int y = 0; y < map.Height(); ++y)
            for (int x = 0; x < map.Width(); ++x)
                EXPECT_NEAR(map.Row(y)[x], expected, 2e-6);
}

TEST(CompressorGradientField, CompressionZeroGivesThePlainDivergence)
{
    // H = x² + y²: forward differences 2x + 1, zero flux at the block's edges.
    const int w = 5, h = 4;
    const auto d = PlainDivergence({PlainLevel(w, h, Values(w, h, Paraboloid))});
    auto part = [](int i, int n) { return i == 0 ? 1.0f : i == n - 1 ? -float(2 * i - 1) : 2.0f; };
    double sum = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(d[0].Row(y)[x], part(x, w) + part(y, h)) << x << ", " << y;
            sum += d[0].Row(y)[x];
        }
    EXPECT_EQ(sum, 0.0); // nothing leaves a block without poles
}

TEST(CompressorGradientField, DivergenceIsScaledByLevelAndLuminanceFactors)
{
    const std::vector<OrvLevelImage> pyramid = {PlainLevel(3, 3, Values(3, 3, Paraboloid)),
                                                PlainLevel(5, 4, Values(5, 4, Paraboloid))};
    const auto plain = PlainDivergence(pyramid);

    orv::CompressorTables tables = UnitTables(2);
    tables.frequencyFactors = {1.0, 1.2};
    // Factor 0.5 below H = 5 (underflow included), 3 from there on.
    tables.intensityFactorTable = std::make_unique<TH1D>("c", "", 2, 0.0, 10.0);
    const double factors[4] = {0.5, 0.5, 3, 3};
    for (int bin = 0; bin < 4; ++bin)
        tables.intensityFactorTable->SetBinContent(bin, factors[bin]);
    auto scaled = orv::AttenuationMaps(pyramid, 0.0);
    orv::ContrastScaledDivergence(pyramid, scaled, tables);

    for (std::size_t k = 0; k < 2; ++k)
        for (int y = 0; y < pyramid[k].Height(); ++y)
            for (int x = 0; x < pyramid[k].Width(); ++x) {
                const double c = pyramid[k].Row(y)[x] < 5 ? 0.5 : 3.0;
                EXPECT_FLOAT_EQ(scaled[k].Row(y)[x],
                                float(plain[k].Row(y)[x] * c * tables.frequencyFactors[k]))
                    << k << ": " << x << ", " << y;
            }
}

TEST(CompressorGradientField, DivergenceOfPoleRowsHoldsTheJumpToThePole)
{
    // Constant H = 1, zenith −1, nadir 4: only the pole jumps remain.
    struct Case {
        std::uint32_t flags;
        float top, bottom;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{OrvLevelImage::ZenithFlag, -2, 0},
                          Case{OrvLevelImage::NadirFlag, 0, 3}, Case{3, -2, 3}}) {
        SCOPED_TRACE(c.flags);
        const auto d = PlainDivergence(
            {PlainLevel(3, 3, std::vector<float>(9, 1.0f), c.flags, -1.0, 4.0)});
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(d[0].Row(0)[x], c.top);
            EXPECT_EQ(d[0].Row(1)[x], 0.0f);
            EXPECT_EQ(d[0].Row(2)[x], c.bottom);
        }
    }

    // A region that starts lower loses the zenith bit and with it the jump.
    OrvLevelImage lower(8, 40, 0, 20, 8, 10, 8, 40, 0, -10, 0, 10, 0, 0, 0, 0, 1, 1,
                        OrvLevelImage::ZenithFlag, -1.0);
    lower.FillValue(1.0f);
    EXPECT_EQ(lower.Flags(), 0u);
    const auto d = PlainDivergence({lower});
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(d[0].Row(0)[x], 0.0f);
}
