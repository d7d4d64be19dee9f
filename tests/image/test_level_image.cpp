#include "image/OrvLevelImage.h"

#include <gtest/gtest.h>
#include <vigra/error.hxx>

#include <numeric>
#include <vector>

namespace {

std::vector<int> XCoordinates(const OrvLevelImage& level)
{
    return std::vector<int>(level.XMap().data(), level.XMap().data() + level.Width());
}

std::vector<int> YCoordinates(const OrvLevelImage& level)
{
    return std::vector<int>(level.YMap().data(), level.YMap().data() + level.Height());
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> v(std::size_t(last - first + 1));
    std::iota(v.begin(), v.end(), first);
    return v;
}

// A level whose x and y axes share one geometry.
OrvLevelImage Square(int destination, int source, int first, int count, int marginBefore,
                     int marginAfter, int clipLow, int clipHigh, int window,
                     std::uint32_t flags = 0)
{
    return OrvLevelImage(destination, destination, first, first, count, count, source, source,
                         marginBefore, marginBefore, marginAfter, marginAfter, clipLow, clipLow,
                         clipHigh, clipHigh, window, window, flags);
}

} // namespace

TEST(OrvLevelImage, FullResolutionLevelHoldsMarginClippedToLimitsAsOneRun)
{
    struct Case {
        int clipLow, clipHigh, first, last;
    };
    const int width = 20;
    for (const Case& c : {Case{-20, 20, -10, width + 9}, Case{-5, 3, -5, width + 2},
                          Case{0, 0, 0, width - 1}}) {
        SCOPED_TRACE(c.clipLow);
        const OrvLevelImage level = Square(width, width, 0, width, -10, 10, c.clipLow, c.clipHigh, 1);
        EXPECT_EQ(XCoordinates(level), Range(c.first, c.last));
        EXPECT_EQ(YCoordinates(level), Range(c.first, c.last));
        ASSERT_EQ(level.XRuns().size(), 1u);
        EXPECT_EQ(level.XRuns()[0].start, 0);
        EXPECT_EQ(level.XRuns()[0].end, level.Width());
        EXPECT_EQ(level.Pixels().width(), c.last - c.first + 1);
        EXPECT_EQ(level.Pixels().height(), c.last - c.first + 1);
        EXPECT_EQ(level.XBeginShift(), c.first);
        EXPECT_EQ(level.XEndShift(), c.last - (width - 1));
    }
}

TEST(OrvLevelImage, QuarterSamplingHoldsThreeCoordinatesAroundEveryFourthAsSeparateRuns)
{
    // 401 → 101 is an exact step of 4.
    const OrvLevelImage level = Square(101, 401, 0, 101, -1, 1, -1, 1, 1);
    ASSERT_EQ(level.XRuns().size(), 101u);
    ASSERT_EQ(level.Width(), 3 * 101);
    const int* xmap = level.XMap().data();
    for (int k = 0; k < 101; ++k) {
        const OrvLevelImage::Run run = level.XRuns()[k];
        ASSERT_EQ(run.start, 3 * k);
        ASSERT_EQ(run.Length(), 3);
        EXPECT_EQ(xmap[run.start], 4 * k - 1);
        EXPECT_EQ(xmap[run.start + 1], 4 * k);
        EXPECT_EQ(xmap[run.start + 2], 4 * k + 1);
    }
}

TEST(OrvLevelImage, SequencesAreTheUnionOfWindowsAroundTheSamples)
{
    struct Case {
        int destination, source, first, count, window;
    };
    // Exact, fractional, strongly reduced and enlarged grids, windows 0 … 3.
    for (const Case& c : {Case{37, 100, 0, 37, 1}, Case{37, 100, 5, 20, 2}, Case{10, 1000, 2, 6, 3},
                          Case{33, 10, 4, 20, 1}, Case{64, 64, 7, 9, 0}, Case{26, 101, 0, 26, 2}}) {
        SCOPED_TRACE(testing::Message() << c.destination << " " << c.source << " " << c.first);
        const OrvLevelImage level = Square(c.destination, c.source, c.first, c.count, 0, 0, 0, 0, c.window);
        std::vector<bool> expected(std::size_t(c.source + 2 * c.window + 2), false);
        auto sampleAt = [&](int k) {
            return int(std::int64_t(k) * (c.source - 1) / (c.destination - 1));
        };
        const int lo = sampleAt(c.first);
        const int hi = sampleAt(c.first + c.count - 1);
        for (int k = c.first; k < c.first + c.count; ++k)
            for (int v = sampleAt(k) - c.window; v <= sampleAt(k) + c.window; ++v)
                if (v >= lo && v <= hi) // without margins the sequence stops at the end samples
                    expected[std::size_t(v)] = true;
        std::vector<int> want;
        for (int v = 0; v < int(expected.size()); ++v)
            if (expected[std::size_t(v)])
                want.push_back(v);
        EXPECT_EQ(XCoordinates(level), want);

        // Runs cover the columns without gaps and break exactly where coordinates jump.
        int position = 0;
        for (const OrvLevelImage::Run& run : level.XRuns()) {
            EXPECT_EQ(run.start, position);
            for (int i = run.start + 1; i < run.end; ++i)
                EXPECT_EQ(want[std::size_t(i)], want[std::size_t(i - 1)] + 1);
            if (run.end < int(want.size())) {
                EXPECT_GT(want[std::size_t(run.end)], want[std::size_t(run.end - 1)] + 1);
            }
            position = run.end;
        }
        EXPECT_EQ(position, level.Width());
    }
}

TEST(OrvLevelImage, IteratorsWalkTheMapBothWays)
{
    const OrvLevelImage level = Square(37, 100, 3, 30, -4, 4, -10, 10, 2);
    std::vector<int> forward;
    auto it = level.XBegin();
    const auto end = level.XEnd();
    forward.push_back(*it);
    while (it != end) {
        ++it;
        forward.push_back(*it);
    }
    EXPECT_EQ(forward, XCoordinates(level));

    std::vector<int> backward;
    for (auto back = end;; --back) {
        backward.insert(backward.begin(), *back);
        if (back == level.XBegin())
            break;
    }
    EXPECT_EQ(backward, forward);

    auto jump = level.XBegin();
    jump += std::int64_t(forward.size() - 1);
    EXPECT_EQ(*jump, forward.back());
    jump -= std::int64_t(forward.size() - 1);
    EXPECT_EQ(*jump, forward.front());
}

TEST(OrvLevelImage, PoleFlagsSurviveOnlyWhereTheRegionReachesTheEdge)
{
    struct Case {
        int firstRow, rowCount;
        std::uint32_t flagsIn, flagsOut;
    };
    // 50 rows, margins of 3 steps, clipped at the level's edges.
    const std::uint32_t both = OrvLevelImage::ZenithFlag | OrvLevelImage::NadirFlag;
    for (const Case& c : {Case{0, 50, both, both}, Case{2, 46, both, both},
                          Case{3, 44, both, 0u}, Case{10, 10, both, 0u},
                          Case{0, 10, both, OrvLevelImage::ZenithFlag},
                          Case{40, 10, both, OrvLevelImage::NadirFlag},
                          Case{0, 50, 0u, 0u}}) {
        SCOPED_TRACE(testing::Message() << c.firstRow << " " << c.rowCount);
        const OrvLevelImage level(50, 50, 0, c.firstRow, 50, c.rowCount, 50, 50, -3, -3, 3, 3, 0,
                                  0, 0, 0, 1, 1, c.flagsIn);
        EXPECT_EQ(level.Flags(), c.flagsOut);
    }
}

TEST(OrvLevelImage, MarginStepsThatJumpPastTheClipLimitAreUndone)
{
    // Step 4 with window 1: stepping back from the sample at 8 gives 7, then jumps
    // to 5, which lies below the clip at 6 and is taken back.
    const OrvLevelImage level(101, 1, 2, 0, 3, 1, 401, 1, -5, 0, 0, 0, 6, 0, 0, 0, 1, 0, 0);
    EXPECT_EQ(XCoordinates(level).front(), 7);
    EXPECT_EQ(level.XBeginShift(), -1);
}

TEST(OrvLevelImage, TinyExtentsStaySane)
{
    // 1 × 1 document: a single coordinate 0, margins continue in unit steps.
    const OrvLevelImage single = Square(1, 1, 0, 1, -2, 2, -2, 2, 1);
    EXPECT_EQ(XCoordinates(single), Range(-2, 2));
    EXPECT_EQ(YCoordinates(single), Range(-2, 2));

    // A finer destination grid over a one-pixel level collapses onto coordinate 0.
    const OrvLevelImage collapsed = Square(5, 1, 0, 5, 0, 0, 0, 0, 0);
    EXPECT_EQ(XCoordinates(collapsed), std::vector<int>{0});

    // One destination sample over a wider level: ratio taken as 1.
    const OrvLevelImage one = Square(1, 7, 0, 1, -1, 1, -1, 1, 1);
    EXPECT_EQ(XCoordinates(one), Range(-1, 1));

    // Two-pixel level.
    const OrvLevelImage two = Square(2, 2, 0, 2, -1, 1, 0, 0, 1);
    EXPECT_EQ(XCoordinates(two), Range(0, 1));
}

TEST(OrvLevelImage, RefusesNegativeSizesAndAccessWithoutSamples)
{
    EXPECT_THROW(Square(-1, 10, 0, 1, 0, 0, 0, 0, 0), vigra::PreconditionViolation);
    EXPECT_THROW(Square(10, -1, 0, 1, 0, 0, 0, 0, 0), vigra::PreconditionViolation);
    EXPECT_THROW(Square(10, 10, 0, -1, 0, 0, 0, 0, 0), vigra::PreconditionViolation);
    EXPECT_THROW(Square(10, 10, 0, 10, 0, 0, 0, 0, -1), vigra::PreconditionViolation);
    EXPECT_THROW(Square(10, 10, 0, 10, 1, 0, 0, 0, 0), vigra::PreconditionViolation);

    const OrvLevelImage none;
    EXPECT_TRUE(none.Empty());
    EXPECT_THROW(none.Row(0), vigra::PreconditionViolation);
    const OrvLevelImage zero = Square(10, 10, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(zero.Empty());
    EXPECT_TRUE(zero.XRuns().empty());
}

TEST(OrvLevelImage, CopiesAreDeepAndStatisticsDefaultToZero)
{
    OrvLevelImage level = Square(8, 8, 0, 8, 0, 0, 0, 0, 0);
    EXPECT_EQ(level.ZenithValue(), 0.0);
    EXPECT_EQ(level.NadirValue(), 0.0);
    EXPECT_EQ(level.MeanGradient(), 0.0);
    level.FillValue(1.5f);
    level.SetMeanGradient(0.25);

    std::vector<OrvLevelImage> pyramid{level};
    pyramid.insert(pyramid.begin(), level);
    pyramid[0].FillValue(-3.0f);
    EXPECT_EQ(level.Row(7)[7], 1.5f);
    EXPECT_EQ(pyramid[1].Row(0)[0], 1.5f);
    EXPECT_EQ(pyramid[0].Row(0)[0], -3.0f);
    EXPECT_EQ(pyramid[1].MeanGradient(), 0.25);
    EXPECT_EQ(XCoordinates(pyramid[0]), XCoordinates(level));
}
