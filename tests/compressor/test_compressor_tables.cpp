#include "compressor/CompressorTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using orv::CompressorCurve;
using orv::CompressorParameters;
using orv::CompressorTables;

namespace {

CompressorCurve Line(std::vector<CompressorCurve::Point> points, double xMin = 0, double xMax = 1)
{
    CompressorCurve curve;
    curve.xMin = xMin;
    curve.xMax = xMax;
    curve.points = std::move(points);
    curve.linkage = 0;
    return curve;
}

} // namespace

TEST(CompressorTables, DefaultsOnThreeLevels)
{
    CompressorTables tables;
    tables.Rebuild(CompressorParameters{}, 3);

    EXPECT_EQ(tables.levelCount, 3);
    ASSERT_EQ(tables.frequencyFactors.size(), 3u);
    EXPECT_DOUBLE_EQ(tables.frequencyFactors[0], 1.0);
    EXPECT_DOUBLE_EQ(tables.frequencyFactors[1], 1.2);
    EXPECT_NEAR(tables.frequencyFactors[2], 1.44, 1e-12);

    ASSERT_TRUE(tables.intensityFactorTable);
    const TH1D& intensity = *tables.intensityFactorTable;
    EXPECT_STREQ(intensity.GetName(), "contrast_intensity_histogram");
    EXPECT_EQ(intensity.GetNbinsX(), 100);
    EXPECT_EQ(intensity.GetDirectory(), nullptr);
    for (int bin = 0; bin <= 101; ++bin)
        EXPECT_EQ(intensity.GetBinContent(bin), 1.0) << bin;

    EXPECT_EQ(tables.sweepCounts, (std::vector<std::int32_t>{5, 5, 5}));
    ASSERT_EQ(tables.poleTable.LevelCount(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(tables.poleTable[k].zenith, std::vector<double>(5, 0.0));
        EXPECT_EQ(tables.poleTable[k].nadir, std::vector<double>(5, 0.0));
    }
}

TEST(CompressorTables, ExpandedFrequencyCurveGivesLevelsZeroAndOneTheFirstBin)
{
    // y = 10 x at bin centres 0.125, 0.375, 0.625, 0.875; level k reads entry k.
    CompressorParameters parameters;
    parameters.contrastCollapsed = false;
    parameters.frequencyCurve = Line({{0, 0}, {1, 10}});
    const std::vector<double> factors = orv::FrequencyFactors(parameters, 4);
    const double v[4] = {1.25, 1.25, 3.75, 6.25};
    ASSERT_EQ(factors.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(factors[std::size_t(k)], std::pow(1 + v[k] / 10, k), 1e-12) << k;
}

TEST(CompressorTables, IntensityFactorsAreTwoToTheCurveInStops)
{
    CompressorParameters parameters;
    parameters.contrastCollapsed = false;
    parameters.intensityCurve = Line({{-10, -4}, {10, 0}}, -10, 10);
    const auto table = orv::IntensityFactorTable(parameters);
    ASSERT_EQ(table->GetNbinsX(), 100);
    EXPECT_DOUBLE_EQ(table->GetXaxis()->GetXmin(), -10);
    EXPECT_DOUBLE_EQ(table->GetXaxis()->GetXmax(), 10);
    // Bin 1 centre −9.9 → −3.98 stops; bin 100 centre 9.9 → −0.02 stops.
    EXPECT_NEAR(table->GetBinContent(1), std::exp2(-3.98), 1e-12);
    EXPECT_NEAR(table->GetBinContent(100), std::exp2(-0.02), 1e-12);
    EXPECT_EQ(table->GetBinContent(0), table->GetBinContent(1));
    EXPECT_EQ(table->GetBinContent(101), table->GetBinContent(100));

    // Below the range: the first bin's factor; above: the last bin's.
    const orv::IntensityLookup lookup(table.get());
    EXPECT_FALSE(lookup.Uniform());
    EXPECT_EQ(lookup(-50.0), table->GetBinContent(1));
    EXPECT_EQ(lookup(50.0), table->GetBinContent(100));
}

TEST(CompressorTables, IntensityLookupFindsTheAxisBin)
{
    TH1D table("t", "", 100, -7.3, 11.9);
    for (int bin = 0; bin <= 101; ++bin)
        table.SetBinContent(bin, bin);
    const orv::IntensityLookup lookup(&table);
    std::vector<double> values = {-7.3, 11.9, -7.3000001, 11.8999999,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    for (int bin = 1; bin <= 101; ++bin)
        values.push_back(table.GetBinLowEdge(bin)); // bin edges are where rounding matters
    for (int i = 0; i < 2000; ++i)
        values.push_back(-9 + i * 0.0113);
    for (double h : values)
        EXPECT_EQ(lookup(h), table.GetXaxis()->FindBin(h)) << h;
    EXPECT_EQ(lookup(std::nan("")), 101);
}

TEST(CompressorTables, SweepCounts)
{
    struct Case {
        const char* what;
        bool collapsed;
        double smoothing;
        CompressorCurve curve;
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        {"slider truncated", true, 5.9, {}, {5, 5, 5}},
        {"missing Smoothing reads 0", true, 0.0, {}, {0, 0, 0}},
        {"negative slider", true, -3.0, {}, {0, 0, 0}},
        // Bin centres 1/6, 1/2, 5/6 of y = 9x: 1.5, 4.5, 7.5; entries 0, 1, 2 = 1.5, 1.5, 4.5.
        {"curve rounded half up", false, 5.0, Line({{0, 0}, {1, 9}}), {2, 2, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CompressorParameters parameters;
        parameters.smoothingCollapsed = c.collapsed;
        parameters.smoothing = c.smoothing;
        if (!c.collapsed)
            parameters.smoothingCurve = c.curve;
        EXPECT_EQ(orv::SweepCounts(parameters, 3), c.expected);
    }
}

TEST(CompressorTables, PoleTableSizedBySweepCountsAndSafeOutside)
{
    orv::PoleTable poles;
    poles.Rebuild({2, 0, -1});
    ASSERT_EQ(poles.LevelCount(), 3u);
    EXPECT_EQ(poles[0].zenith.size(), 2u);
    EXPECT_TRUE(poles[1].zenith.empty());
    EXPECT_TRUE(poles[2].nadir.empty());

    poles.Store(0, 1, 3.5, -2.5);
    poles.Store(1, 0, 9, 9); // no such sweep: ignored
    poles.Store(7, 0, 9, 9); // no such level: ignored
    EXPECT_EQ(poles.Zenith(0, 1), 3.5);
    EXPECT_EQ(poles.Nadir(0, 1), -2.5);
    EXPECT_EQ(poles.Zenith(1, 0), 0.0);
    EXPECT_EQ(poles.Nadir(7, 3), 0.0);
}

TEST(CompressorTables, FrequencyFactorClampsToTheTables)
{
    CompressorTables tables;
    EXPECT_EQ(tables.FrequencyFactor(0), 1.0); // never built
    tables.Rebuild(CompressorParameters{}, 3);
    EXPECT_NEAR(tables.FrequencyFactor(7), 1.44, 1e-12);
}

TEST(CompressorParameters, SliderMovesItsCurveWithinTheSliderLimits)
{
    CompressorParameters parameters;
    parameters.frequencyCurve.points = {{0, 2}, {0.3, 9}, {0.6, -5}, {1, 2}};
    parameters.SetContrast(4);
    EXPECT_EQ(parameters.contrast, 4);
    const double expected[] = {4, 10, -3, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(parameters.frequencyCurve.points[std::size_t(i)].y, expected[i]) << i;

    // Smoothing: limits 1 … 10; the slider value itself is not clamped.
    parameters.smoothingCurve.points = {{0, 5}, {0.5, 2}, {1, 5}};
    parameters.SetSmoothing(0);
    EXPECT_EQ(parameters.smoothing, 0);
    EXPECT_DOUBLE_EQ(parameters.smoothingCurve.points[0].y, 1);
    EXPECT_DOUBLE_EQ(parameters.smoothingCurve.points[1].y, 1);
}

TEST(CompressorParameters, LuminanceRangeMovesTheCurveAlongX)
{
    CompressorParameters parameters;
    parameters.intensityCurve.points = {{0, -1}, {0.25, -3}, {1, 0}};
    parameters.SetLuminanceRange(1.0 / 16, 256);
    const CompressorCurve& curve = parameters.intensityCurve;
    EXPECT_NEAR(curve.xMin, -4, 1e-9);
    EXPECT_NEAR(curve.xMax, 8, 1e-9);
    EXPECT_NEAR(curve.points[1].x, -1, 1e-9);
    EXPECT_EQ(curve.points[1].y, -3);

    // No usable source statistics: the range stays.
    for (auto [low, high] : {std::pair{0.0, 5.0}, {5.0, 5.0}, {-1.0, 2.0}}) {
        parameters.SetLuminanceRange(low, high);
        EXPECT_NEAR(parameters.intensityCurve.xMin, -4, 1e-9);
    }
}

TEST(CompressorCurve, Evaluation)
{
    // Straight segments continue past the ends; a spline through collinear
    // points is that line.
    CompressorCurve line = Line({{0, 1}, {0.5, 2}, {1, 0}});
    const auto f = line.Evaluator();
    EXPECT_DOUBLE_EQ(f(0.25), 1.5);
    EXPECT_DOUBLE_EQ(f(0.5), 2);
    EXPECT_DOUBLE_EQ(f(-0.5), 0);
    EXPECT_DOUBLE_EQ(f(1.5), -2);

    CompressorCurve spline = Line({{0, 0}, {0.5, 1}, {1, 2}});
    spline.linkage = 1;
    EXPECT_NEAR(spline.Evaluator()(0.8), 1.6, 1e-12);

    CompressorCurve flat = CompressorCurve::Flat(0, 1, -5, 10, 2);
    TH1D table("t", "", 7, 0, 1);
    orv::FillCurveTable(table, flat.Evaluator());
    for (int bin = 0; bin <= 8; ++bin)
        EXPECT_NEAR(table.GetBinContent(bin), 2, 1e-12);
}
