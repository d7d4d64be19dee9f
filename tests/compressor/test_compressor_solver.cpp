#include "compressor/CompressorSolver.h"
#include "compressor/LevelGeometry.h"

#include "tests/compressor/RegionPyramid.h"

#include <gtest/gtest.h>
#include <vigra/error.hxx>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

using orv::PoleTable;
using orv::testing::PlainLevel;

namespace {

constexpr std::uint32_t kBothPoles = OrvLevelImage::ZenithFlag | OrvLevelImage::NadirFlag;

// A table whose every sweep of level 0 holds the same pole values.
PoleTable ConstantPoles(int sweeps, double zenith, double nadir)
{
    PoleTable poles;
    poles.Rebuild({sweeps});
    for (int s = 0; s < sweeps; ++s)
        poles.Store(0, std::size_t(s), zenith, nadir);
    return poles;
}

void Sweeps(OrvLevelImage& u, const OrvLevelImage& f, int count, PoleTable& poles)
{
    for (int s = 0; s < count; ++s)
        orv::RelaxSweep(u, f, 0, std::size_t(s), poles, false);
}

std::vector<float> Samples(const OrvLevelImage& level)
{
    std::vector<float> v;
    for (int y = 0; y < level.Height(); ++y)
        v.insert(v.end(), level.Row(y), level.Row(y) + level.Width());
    return v;
}

} // namespace

TEST(CompressorSolver, SweepWeightsAreTheSinglePrecisionValues)
{
    // Top middle of a 3 × 2 block has 3 neighbours: 5 · float(1/3) rounds
    // differently from 5 / 3.
    OrvLevelImage u = PlainLevel(3, 2);
    const OrvLevelImage f = PlainLevel(3, 2, {0, -5, 0, 0, 0, 0});
    PoleTable poles;
    Sweeps(u, f, 1, poles);
    EXPECT_EQ(u.Row(0)[0], 0.0f);
    EXPECT_EQ(u.Row(0)[1], 1.6666667461395264f);
    // Gauss-Seidel: the corner to its right already sees the new value (2 neighbours).
    EXPECT_EQ(u.Row(0)[2], float(1.6666667461395264 * 0.5));
}

TEST(CompressorSolver, SolutionStaysZero)
{
    struct Case {
        const char* what;
        std::vector<std::int32_t> sweeps;
        float divergence;
        int levels;
    };
    for (const Case& c : {Case{"one level, no sweeps", {0}, 3.0f, 1},
                          Case{"no sweep counts at all", {}, 3.0f, 2},
                          Case{"zero divergence", {5, 5}, 0.0f, 2}}) {
        SCOPED_TRACE(c.what);
        std::vector<OrvLevelImage> divergence;
        for (int k = 0; k < c.levels; ++k) {
            divergence.push_back(PlainLevel(4 << k, 3 << k));
            divergence.back().FillValue(c.divergence);
        }
        std::vector<OrvLevelImage> solution;
        PoleTable poles;
        orv::CascadeSolve(divergence, solution, c.sweeps, poles, false);
        ASSERT_EQ(solution.size(), divergence.size());
        // Every level here is whole, so the coarsest is the output level.
        vigra::BasicImage<float> output(4, 3);
        output = 1.0f;
        orv::ExtractSolution(solution, output);
        for (float v : std::vector<float>(output.begin(), output.end()))
            ASSERT_EQ(v, 0.0f);
    }
}

TEST(CompressorSolver, PoleRowsArePulledToThePoleValues)
{
    const OrvLevelImage f = PlainLevel(6, 5);
    struct Case {
        std::uint32_t flags;
        int row;
    };
    for (const Case& c : {Case{OrvLevelImage::ZenithFlag, 0}, Case{OrvLevelImage::NadirFlag, 4}}) {
        SCOPED_TRACE(c.flags);
        OrvLevelImage u = PlainLevel(6, 5, {}, c.flags);
        PoleTable poles = ConstantPoles(400, 4.0, 4.0);
        Sweeps(u, f, 1, poles);
        if (c.row == 0) {
            // Corner: right, below, pole.
            const float corner = float(4.0 * 0.3333333432674408);
            EXPECT_EQ(u.Row(0)[0], corner);
            EXPECT_EQ(u.Row(0)[1], float((double(corner) + 4.0) * 0.25));
        }
        EXPECT_GT(u.Row(c.row)[5], 0.0f);

        // Zero flux elsewhere: in the end the whole block settles at the pole value.
        Sweeps(u, f, 400, poles);
        for (float v : Samples(u))
            EXPECT_NEAR(v, 4.0f, 1e-3f);
    }
}

TEST(CompressorSolver, PoleValuesAreRecomputedOrReadFromTheTable)
{
    // Top row sums to 12, bottom row to −8, width 4; stored values 2 and 1.
    struct Case {
        bool recompute;
        double zenith, nadir; // used by the sweep and left in the table
    };
    for (const Case& c : {Case{true, (2 + 12) / 4.0, (1 - 8) / 4.0}, Case{false, 2, 1}}) {
        SCOPED_TRACE(c.recompute);
        OrvLevelImage u = PlainLevel(4, 3, {1, 2, 3, 6, 0, 0, 0, 0, 0, 0, 0, -8}, kBothPoles);
        const OrvLevelImage f = PlainLevel(4, 3);
        PoleTable poles = ConstantPoles(1, 2, 1);
        orv::RelaxSweep(u, f, 0, 0, poles, c.recompute);
        EXPECT_EQ(poles.Zenith(0, 0), c.zenith);
        EXPECT_EQ(poles.Nadir(0, 0), c.nadir);
        // Top left corner: right (2), below (0), zenith.
        EXPECT_EQ(u.Row(0)[0], float((2.0 + c.zenith) * 0.3333333432674408));
    }
}

TEST(CompressorSolver, BlocksNarrowerThanTwoSamplesKeepTheirValues)
{
    struct Case {
        const char* what;
        OrvLevelImage level;
    };
    Case cases[] = {
        {"1 x 5", PlainLevel(1, 5, {}, kBothPoles)},
        {"5 x 1", PlainLevel(5, 1, {}, kBothPoles)},
        {"1 x 1", PlainLevel(1, 1, {}, kBothPoles)},
        // Every fourth coordinate without a window: blocks of one column.
        {"single-column blocks", OrvLevelImage(5, 3, 0, 0, 5, 3, 17, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        OrvLevelImage& u = c.level;
        for (int y = 0; y < u.Height(); ++y)
            for (int x = 0; x < u.Width(); ++x)
                u.Row(y)[x] = float(10 * y + x + 1);
        const std::vector<float> before = Samples(u);
        OrvLevelImage f = u;
        f.FillValue(-7.0f);
        PoleTable poles = ConstantPoles(3, 50, -50);
        Sweeps(u, f, 3, poles);
        EXPECT_EQ(Samples(u), before);
    }
}

TEST(CompressorSolver, ExtractionCopiesTheCoreOfTheOutputResolutionLevel)
{
    // Region of 6 × 4 destination samples at (3, 2) of a 20 × 10 level with
    // margins; sample value 1000 · y + x of its level coordinates.
    OrvLevelImage level(20, 10, 3, 2, 6, 4, 20, 10, -2, -2, 2, 2, 0, 0, 0, 0, 1, 1, 0);
    for (int j = 0; j < level.Height(); ++j)
        for (int i = 0; i < level.Width(); ++i)
            level.Row(j)[i] = float(1000 * level.YMap()(0, j) + level.XMap()(i, 0));
    ASSERT_GT(level.Width(), 6);

    vigra::BasicImage<float> output(6, 4);
    orv::ExtractSolution({level}, output);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(output(x, y), float(1000 * (2 + y) + 3 + x));

    vigra::BasicImage<float> wrongSize(5, 4);
    EXPECT_THROW(orv::ExtractSolution({level}, wrongSize), vigra::PreconditionViolation);
}

TEST(CompressorSolver, ExtractionResamplesTheFinestSolutionForACoarserOutput)
{
    // A preview of the 8 × 6 level of a pyramid whose finest level is 16 × 12.
    std::vector<OrvLevelImage> solution = {
        OrvLevelImage(8, 6, 0, 0, 8, 6, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0),
        OrvLevelImage(8, 6, 0, 0, 8, 6, 8, 6, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0),
        OrvLevelImage(8, 6, 0, 0, 8, 6, 16, 12, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0)};
    EXPECT_EQ(orv::OutputLevelIndex(solution), 1);
    solution[0].FillValue(-1.0f);
    solution[1].FillValue(-1.0f);
    solution[2].FillValue(2.5f);
    vigra::BasicImage<float> output(8, 6);
    orv::ExtractSolution(solution, output);
    for (float v : std::vector<float>(output.begin(), output.end()))
        EXPECT_FLOAT_EQ(v, 2.5f);

    solution.erase(solution.begin() + 1);
    EXPECT_EQ(orv::OutputLevelIndex(solution), -1);
    EXPECT_THROW(orv::ExtractSolution(solution, output), vigra::PreconditionViolation);
}

TEST(LevelGeometry, SameGeometryMatchesTheLevelButNotItsSamples)
{
    // A quarter-sampled region at the top with margins and both pole bits asked for.
    OrvLevelImage level(30, 20, 4, 0, 12, 6, 117, 77, -3, -3, 3, 3, -2, 0, 2, 0, 1, 1, kBothPoles,
                        1.5, -2.5, 0.75);
    level.FillValue(7.0f);
    const OrvLevelImage same = orv::SameGeometry(level);
    EXPECT_EQ(same.Width(), level.Width());
    EXPECT_EQ(same.Height(), level.Height());
    EXPECT_EQ(same.Flags(), level.Flags());
    EXPECT_EQ(same.XRuns().size(), level.XRuns().size());
    EXPECT_EQ(same.YRuns().size(), level.YRuns().size());
    EXPECT_TRUE(std::equal(level.XMap().begin(), level.XMap().end(), same.XMap().begin()));
    EXPECT_TRUE(std::equal(level.YMap().begin(), level.YMap().end(), same.YMap().begin()));
    EXPECT_EQ(same.XBeginShift(), level.XBeginShift());
    EXPECT_EQ(same.YEndShift(), level.YEndShift());
    EXPECT_EQ(same.ZenithValue(), 1.5);
    EXPECT_EQ(same.NadirValue(), -2.5);
    EXPECT_EQ(same.MeanGradient(), 0.75);
}
