#include "compressor/CompressorSolver.h"

#include "compressor/LevelGeometry.h"

#include <vigra/error.hxx>

#include <algorithm>
#include <numeric>

namespace orv {

namespace {

// Weight by neighbour count; one third is the single-precision value.
constexpr double kWeight[5] = {0.0, 0.0, 0.5, 0.3333333432674408, 0.25};

// One row of a block, [x0, x1) with x1 − x0 ≥ 2, left to right in place.
// `pole` is the sum of the virtual pole neighbours, `poleCount` their number.
template <bool HasAbove, bool HasBelow>
void RelaxRow(float* u, const float* above, const float* below, const float* f, int x0, int x1,
              double pole, int poleCount)
{
    const int vertical = int(HasAbove) + int(HasBelow) + poleCount;
    const double edge = kWeight[1 + vertical];
    const double inner = kWeight[2 + vertical];
    auto verticalSum = [&](int x) {
        double sum = 0.0;
        if (HasAbove)
            sum += above[x];
        if (HasBelow)
            sum += below[x];
        return sum + pole;
    };

    u[x0] = float((double(u[x0 + 1]) + verticalSum(x0) - f[x0]) * edge);
    const int last = x1 - 1;
    // The left neighbour is added last: it is the only term that waits for the
    // previous sample, so the loop-carried chain is one add, one multiply.
    for (int x = x0 + 1; x < last; ++x) {
        const double rest = double(u[x + 1]) + verticalSum(x) - f[x];
        u[x] = float((rest + u[x - 1]) * inner);
    }
    u[last] = float((verticalSum(last) - f[last] + u[last - 1]) * edge);
}

double RowSum(const float* row, int width)
{
    return std::accumulate(row, row + width, 0.0);
}

} // namespace

void RelaxSweep(OrvLevelImage& solution, const OrvLevelImage& divergence, std::size_t k,
                std::size_t s, PoleTable& poles, bool recomputePoles)
{
    vigra_precondition(solution.Width() == divergence.Width() &&
                           solution.Height() == divergence.Height(),
                       "RelaxSweep(): solution and divergence differ in size.");
    if (solution.Empty())
        return;

    double zenith = poles.Zenith(k, s);
    double nadir = poles.Nadir(k, s);
    if (recomputePoles) {
        const int width = solution.Width();
        zenith = (zenith + RowSum(solution.Row(0), width)) / width;
        nadir = (nadir + RowSum(solution.Row(solution.Height() - 1), width)) / width;
        poles.Store(k, s, zenith, nadir);
    }

    const bool zenithPole = solution.Flags() & OrvLevelImage::ZenithFlag;
    const bool nadirPole = solution.Flags() & OrvLevelImage::NadirFlag;
    const auto& yRuns = solution.YRuns();
    for (std::size_t yi = 0; yi < yRuns.size(); ++yi) {
        const int y0 = yRuns[yi].start, y1 = yRuns[yi].end;
        if (y1 - y0 < 2)
            continue;
        const bool top = yi == 0 && zenithPole;
        const bool bottom = yi + 1 == yRuns.size() && nadirPole;
        for (const auto& run : solution.XRuns()) {
            const int x0 = run.start, x1 = run.end;
            if (x1 - x0 < 2)
                continue;
            RelaxRow<false, true>(solution.Row(y0), nullptr, solution.Row(y0 + 1),
                                  divergence.Row(y0), x0, x1, top ? zenith : 0.0, top ? 1 : 0);
            for (int y = y0 + 1; y < y1 - 1; ++y)
                RelaxRow<true, true>(solution.Row(y), solution.Row(y - 1), solution.Row(y + 1),
                                     divergence.Row(y), x0, x1, 0.0, 0);
            RelaxRow<true, false>(solution.Row(y1 - 1), solution.Row(y1 - 2), nullptr,
                                  divergence.Row(y1 - 1), x0, x1, bottom ? nadir : 0.0,
                                  bottom ? 1 : 0);
        }
    }
}

void CascadeSolve(const std::vector<OrvLevelImage>& divergence,
                  std::vector<OrvLevelImage>& solution,
                  const std::vector<std::int32_t>& sweepCounts, PoleTable& poles,
                  bool recomputePoles)
{
    solution.clear();
    if (divergence.empty())
        return;
    solution.reserve(divergence.size());
    for (const OrvLevelImage& level : divergence)
        AppendSameGeometry(solution, level);
    for (std::size_t k = 0; k < solution.size(); ++k) {
        if (k == 0)
            solution[k].FillValue(0.0f);
        else
            solution[k].Resample(solution[k - 1]);
        const std::int32_t sweeps =
            sweepCounts.empty() ? 0 : sweepCounts[std::min(k, sweepCounts.size() - 1)];
        for (std::int32_t s = 0; s < sweeps; ++s)
            RelaxSweep(solution[k], divergence[k], k, std::size_t(s), poles, recomputePoles);
    }
}

int OutputLevelIndex(const std::vector<OrvLevelImage>& pyramid)
{
    for (std::size_t k = 0; k < pyramid.size(); ++k) {
        const OrvLevelImage& level = pyramid[k];
        if (level.DestinationWidth() == level.SourceWidth() &&
            level.DestinationHeight() == level.SourceHeight())
            return int(k);
    }
    return -1;
}

void ExtractSolution(const std::vector<OrvLevelImage>& solution,
                     vigra::BasicImage<float>& output)
{
    const int k = OutputLevelIndex(solution);
    vigra_precondition(k >= 0, "ExtractSolution(): no level at output resolution.");

    // The output level itself when it is the finest, else resampled from the finest.
    std::vector<OrvLevelImage> resampled;
    const OrvLevelImage* level = &solution.back();
    if (std::size_t(k) + 1 < solution.size()) {
        level = &AppendSameGeometry(resampled, solution[std::size_t(k)]);
        resampled.back().Resample(solution.back());
    }

    const int x0 = -level->XBeginShift();
    const int y0 = -level->YBeginShift();
    const int width = level->Width() - level->XEndShift() - x0;
    const int height = level->Height() - level->YEndShift() - y0;
    vigra_precondition(output.width() == width && output.height() == height,
                       "ExtractSolution(): output must have the size of the destination region.");
    for (int y = 0; y < height; ++y) {
        const float* in = level->Row(y0 + y) + x0;
        std::copy(in, in + width, output[y]);
    }
}

} // namespace orv
