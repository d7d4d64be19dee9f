#include "compressor/CompressorOperator.h"

#include "tests/compressor/RegionPyramid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using orv::ApplyCompressor;
using orv::CompressorParameters;
using orv::CompressorTables;
using orv::testing::RegionList;
using orv::testing::WholeImage;

namespace {

float SmoothField(int x, int y, int w, int h)
{
    const double u = (x + 0.5) / w, v = (y + 0.5) / h;
    return float(3.0 * std::sin(2.5 * u + 0.5) * std::cos(1.7 * v) + 2.0 * u * v);
}

bool AllFinite(const vigra::BasicImage<float>& image)
{
    return std::all_of(image.begin(), image.end(), [](float v) { return std::isfinite(v); });
}

} // namespace

TEST(CompressorOperator, OverviewRunBuildsTheTablesForItsPyramid)
{
    const auto pyramid = WholeImage(16, 12, 0, orv::testing::RoomScene); // 3 levels
    ASSERT_EQ(pyramid.size(), 3u);
    CompressorTables tables;
    vigra::BasicImage<float> output(16, 12);
    ApplyCompressor(output, pyramid, true, 0.25, 1024.0, CompressorParameters{}, tables);

    EXPECT_EQ(tables.levelCount, 3);
    EXPECT_EQ(tables.sweepCounts, (std::vector<std::int32_t>{5, 5, 5}));
    EXPECT_NEAR(tables.intensityFactorTable->GetXaxis()->GetXmin(), -2.0, 1e-9);
    EXPECT_NEAR(tables.intensityFactorTable->GetXaxis()->GetXmax(), 10.0, 1e-9);
    EXPECT_TRUE(AllFinite(output));
    EXPECT_GT(*std::max_element(output.begin(), output.end()),
              *std::min_element(output.begin(), output.end()));
}

TEST(CompressorOperator, WithoutCompressionAndContrastTheSourceComesBackUpToAConstant)
{
    // D is then the divergence of the source itself, and the source is a fixed
    // point of every sweep: enough sweeps recover it up to an offset.
    const int w = 48, h = 32;
    const auto pyramid = WholeImage(w, h, 0, SmoothField);
    CompressorParameters parameters;
    parameters.compression = 0;
    parameters.contrast = 0;
    parameters.smoothing = 300;
    CompressorTables tables;
    vigra::BasicImage<float> output(w, h);
    ApplyCompressor(output, pyramid, true, 0.5, 8.0, parameters, tables);

    double offset = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            offset += (output(x, y) - SmoothField(x, y, w, h)) / (w * h);
    double worst = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            worst = std::max(worst, std::abs(output(x, y) - offset - SmoothField(x, y, w, h)));
    EXPECT_LT(worst, 0.002) << "the field spans about 5 stops";
}

TEST(CompressorOperator, TablesForAnotherLevelCountAreClampedNotOverrun)
{
    CompressorTables tables;
    vigra::BasicImage<float> small(16, 12);
    ApplyCompressor(small, WholeImage(16, 12, 0, orv::testing::RoomScene), true, 0.25, 1024.0,
                    CompressorParameters{}, tables);
    ASSERT_EQ(tables.levelCount, 3);

    for (auto [w, h] : {std::pair{64, 48}, std::pair{5, 4}}) {
        SCOPED_TRACE(w);
        vigra::BasicImage<float> output(w, h);
        ApplyCompressor(output, WholeImage(w, h, 0, orv::testing::RoomScene), false, 0.25, 1024.0,
                        CompressorParameters{}, tables);
        EXPECT_TRUE(AllFinite(output));
        EXPECT_EQ(tables.levelCount, 3) << "only an overview run rebuilds";
    }

    // Never built at all: factors 1, no sweeps.
    CompressorTables empty;
    vigra::BasicImage<float> output(16, 12);
    ApplyCompressor(output, WholeImage(16, 12, 0, orv::testing::RoomScene), false, 0.25, 1024.0,
                    CompressorParameters{}, empty);
    EXPECT_TRUE(std::all_of(output.begin(), output.end(), [](float v) { return v == 0.0f; }));
}

TEST(CompressorOperator, OnlyTheOverviewRunWritesPoleValuesAndTilesReadThem)
{
    const int w = 40, h = 30;
    const std::uint32_t poles = OrvLevelImage::ZenithFlag | OrvLevelImage::NadirFlag;
    CompressorTables tables;
    tables.recomputePoles = true;
    vigra::BasicImage<float> whole(w, h);
    ApplyCompressor(whole, WholeImage(w, h, poles, SmoothField), true, 0.5, 8.0,
                    CompressorParameters{}, tables);
    const orv::PoleTable overview = tables.poleTable;
    ASSERT_EQ(overview.LevelCount(), tables.sweepCounts.size());
    EXPECT_NE(overview.Zenith(overview.LevelCount() - 1, 4), 0.0);

    // A tile at the top edge, with recomputePoles still set by mistake.
    vigra::BasicImage<float> tile(12, 10);
    ApplyCompressor(tile, RegionList(w, h, w, h, 8, 0, 12, 10, poles, SmoothField), false, 0.5,
                    8.0, CompressorParameters{}, tables);
    for (std::size_t k = 0; k < overview.LevelCount(); ++k) {
        EXPECT_EQ(tables.poleTable[k].zenith, overview[k].zenith);
        EXPECT_EQ(tables.poleTable[k].nadir, overview[k].nadir);
    }

    // The tile's top row depends on the stored zenith values.
    for (std::size_t k = 0; k < overview.LevelCount(); ++k)
        for (std::size_t s = 0; s < overview[k].zenith.size(); ++s)
            tables.poleTable.Store(k, s, overview.Zenith(k, s) + 5.0, overview.Nadir(k, s));
    vigra::BasicImage<float> moved(12, 10);
    ApplyCompressor(moved, RegionList(w, h, w, h, 8, 0, 12, 10, poles, SmoothField), false, 0.5,
                    8.0, CompressorParameters{}, tables);
    EXPECT_GT(moved(5, 0) - tile(5, 0), 0.1);
}

TEST(CompressorOperator, OneSampleWideImages)
{
    for (auto [w, h] : {std::pair{1, 6}, std::pair{6, 1}, std::pair{1, 1}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        CompressorTables tables;
        vigra::BasicImage<float> output(w, h);
        output = 9.0f;
        ApplyCompressor(output, WholeImage(w, h, 3, SmoothField), true, 0.5, 8.0,
                        CompressorParameters{}, tables);
        // A block without a second sample along an axis keeps its start value.
        EXPECT_TRUE(std::all_of(output.begin(), output.end(), [](float v) { return v == 0.0f; }));
    }
}
