#include "image/OrvLevelImage.h"
#include "image/ResampleTaps.h"

#include <gtest/gtest.h>
#include <vigra/error.hxx>

#include <numeric>
#include <vector>

namespace {

// Whole level of `size` × `size` samples at full resolution, no margins.
OrvLevelImage Whole(int size)
{
    return OrvLevelImage(size, size, 0, 0, size, size, size, size, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

void FillRamp(OrvLevelImage& level, double ax, double ay)
{
    for (int j = 0; j < level.Height(); ++j)
        for (int i = 0; i < level.Width(); ++i)
            level.Row(j)[i] =
                float(ax * level.XMap()(i, 0) + ay * level.YMap()(0, j));
}

} // namespace

TEST(ResampleTaps, HalvingWeighsFourNeighboursThreeFiveFiveThree)
{
    std::vector<int> s(8);
    std::iota(s.begin(), s.end(), 0);
    const std::vector<int> t{0, 1, 2, 3};
    const auto taps = orv::detail::ResampleTaps(s.data(), 8, 8, t.data(), 4, 4);
    const auto& tap = taps[1];
    ASSERT_EQ(tap.count, 4);
    EXPECT_EQ(tap.index[0], 1);
    EXPECT_EQ(tap.index[3], 4);
    EXPECT_DOUBLE_EQ(tap.weight[0] / tap.weight[0], 1.0);
    EXPECT_DOUBLE_EQ(tap.weight[1] / tap.weight[0], 5.0 / 3.0);
    EXPECT_DOUBLE_EQ(tap.weight[2] / tap.weight[0], 5.0 / 3.0);
    EXPECT_DOUBLE_EQ(tap.weight[3] / tap.weight[0], 1.0);
    EXPECT_DOUBLE_EQ(tap.divisor, tap.weight[0] + tap.weight[1] + tap.weight[2] + tap.weight[3]);
}

TEST(ResampleTaps, EnlargingInterpolatesBetweenNeighbouringCentres)
{
    // Source centres at 0.5, 1.5, …; on a 3× finer grid target t sits at c = (t + 0.5) / 3.
    const std::vector<int> s{0, 1, 2, 3};
    const std::vector<int> t{0, 4, 5};
    const auto taps = orv::detail::ResampleTaps(s.data(), 4, 4, t.data(), 3, 12);
    EXPECT_EQ(taps[0].count, 1); // left of the first centre: the first sample
    EXPECT_EQ(taps[0].index[0], 0);
    // c = 1.5 lies on the centre of sample 1: all weight there.
    ASSERT_EQ(taps[1].count, 2);
    EXPECT_EQ(taps[1].index[0], 1);
    EXPECT_DOUBLE_EQ(taps[1].weight[0] / taps[1].divisor, 1.0);
    EXPECT_DOUBLE_EQ(taps[1].weight[1] / taps[1].divisor, 0.0);
    // c = 11/6: a third of the way from centre 1.5 to 2.5.
    EXPECT_EQ(taps[2].index[0], 2);
    EXPECT_EQ(taps[2].index[1], 1);
    EXPECT_NEAR(taps[2].weight[0] / taps[2].divisor, 1.0 / 3, 1e-12);
    EXPECT_NEAR(taps[2].weight[1] / taps[2].divisor, 2.0 / 3, 1e-12);
}

TEST(OrvLevelImageResample, SameExtentCopiesValuesUnchanged)
{
    OrvLevelImage source = Whole(12);
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 12; ++i)
            source.Row(j)[i] = 0.1f * float(i * 37 % 11) - 0.7f * float(j);
    OrvLevelImage target = Whole(12);
    target.Resample(source);
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 12; ++i)
            ASSERT_EQ(target.Row(j)[i], source.Row(j)[i]) << i << "," << j;

    // A region of the same level picks the samples at its own coordinates.
    OrvLevelImage region(12, 12, 3, 4, 5, 6, 12, 12, -1, -1, 1, 1, 0, 0, 0, 0, 0, 0, 0);
    region.Resample(source);
    for (int j = 0; j < region.Height(); ++j)
        for (int i = 0; i < region.Width(); ++i)
            ASSERT_EQ(region.Row(j)[i], source.Row(region.YMap()(0, j))[region.XMap()(i, 0)]);
}

TEST(OrvLevelImageResample, ConstantStaysConstant)
{
    struct Case {
        int from, to;
    };
    for (const Case& c : {Case{64, 16}, Case{16, 64}, Case{37, 10}, Case{10, 37}, Case{5, 1},
                          Case{1, 5}, Case{1, 1}, Case{2, 3}}) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        OrvLevelImage source = Whole(c.from);
        source.FillValue(-2.375f);
        OrvLevelImage target = Whole(c.to);
        target.FillValue(99.0f);
        target.Resample(source);
        for (int j = 0; j < target.Height(); ++j)
            for (int i = 0; i < target.Width(); ++i)
                ASSERT_FLOAT_EQ(target.Row(j)[i], -2.375f) << i << "," << j;
    }
}

TEST(OrvLevelImageResample, LinearRampsSurviveInTheInterior)
{
    // Ramp in level coordinates; in cell-centre units the target samples the
    // ramp at c − 0.5 for c = (A / T)(t + 0.5).
    struct Case {
        int from, to;
    };
    for (const Case& c : {Case{16, 8}, Case{8, 32}, Case{10, 25}}) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        OrvLevelImage source = Whole(c.from);
        FillRamp(source, 1.0, 10.0);
        OrvLevelImage target = Whole(c.to);
        target.Resample(source);
        const double ratio = double(c.from) / c.to;
        for (int j = 0; j < c.to; ++j) {
            for (int i = 0; i < c.to; ++i) {
                const double cx = ratio * (i + 0.5), cy = ratio * (j + 0.5);
                // Away from the edges, where clamping and end samples take over.
                if (cx < 2.5 || cy < 2.5 || cx > c.from - 2.5 || cy > c.from - 2.5)
                    continue;
                EXPECT_NEAR(target.Row(j)[i], (cx - 0.5) + 10.0 * (cy - 0.5), 1e-4)
                    << i << "," << j;
            }
        }
    }
}

TEST(OrvLevelImageResample, RefusesLevelsWithoutSamples)
{
    OrvLevelImage some = Whole(4);
    const OrvLevelImage none;
    EXPECT_THROW(some.Resample(none), vigra::PreconditionViolation);
    OrvLevelImage empty;
    EXPECT_THROW(empty.Resample(some), vigra::PreconditionViolation);
}
