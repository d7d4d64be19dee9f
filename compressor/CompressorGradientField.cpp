#include "compressor/CompressorGradientField.h"

#include "compressor/LevelGeometry.h"

#include <vigra/error.hxx>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

bool HasZenith(const OrvLevelImage& level, std::size_t yRun)
{
    return yRun == 0 && (level.Flags() & OrvLevelImage::ZenithFlag);
}

bool HasNadir(const OrvLevelImage& level, std::size_t yRun)
{
    return yRun + 1 == level.YRuns().size() && (level.Flags() & OrvLevelImage::NadirFlag);
}

// Horizontal differences of one block row [x0, x1) into dx.
void HorizontalDifferences(const float* h, int x0, int x1, float* dx)
{
    if (x1 - x0 < 2) {
        std::fill(dx + x0, dx + x1, 0.0f);
        return;
    }
    dx[x0] = h[x0 + 1] - h[x0];
    for (int x = x0 + 1; x < x1 - 1; ++x)
        dx[x] = h[x + 1] - h[x - 1];
    dx[x1 - 1] = h[x1 - 1] - h[x1 - 2];
}

// g holds dx on entry and sqrt(dx² + dy²) on return.
template <class VerticalDifference>
void CombineWithVertical(float* g, int width, VerticalDifference dy)
{
    for (int x = 0; x < width; ++x) {
        const double dx = g[x];
        const double dyx = dy(x);
        g[x] = float(std::sqrt(dx * dx + dyx * dyx));
    }
}

// One block row of D = gx − gx(x − 1) + gy − gy(y − 1), in place over Φ;
// gyAbove holds gy of the row above on entry and this row's on return.
template <class VerticalGradient>
void DivergenceRow(const float* h, float* d, float* gyAbove, int x0, int x1,
                   VerticalGradient gyOf)
{
    float gxLeft = 0.0f;
    const int last = x1 - 1;
    for (int x = x0; x < last; ++x) {
        const float phi = d[x];
        const float gx = (h[x + 1] - h[x]) * phi;
        const float gy = gyOf(x, phi);
        d[x] = gx - gxLeft + gy - gyAbove[x];
        gxLeft = gx;
        gyAbove[x] = gy;
    }
    // No forward difference leaves the block: gx = 0 in its last column.
    const float gy = gyOf(last, d[last]);
    d[last] = 0.0f - gxLeft + gy - gyAbove[last];
    gyAbove[last] = gy;
}

} // namespace

void GradientMagnitude(const OrvLevelImage& level, vigra::BasicImage<float>& magnitude)
{
    if (magnitude.width() != level.Width() || magnitude.height() != level.Height())
        magnitude.resize(level.Width(), level.Height());
    if (level.Empty())
        return;

    const auto& yRuns = level.YRuns();
    const double zenith = level.ZenithValue();
    const double nadir = level.NadirValue();
    for (std::size_t yi = 0; yi < yRuns.size(); ++yi) {
        const int y0 = yRuns[yi].start, y1 = yRuns[yi].end;
        const bool zenithPole = HasZenith(level, yi);
        const bool nadirPole = HasNadir(level, yi);
        for (int y = y0; y < y1; ++y) {
            // The rows above and below that the vertical difference spans;
            // a pole stands in for the missing row beyond the block's edge.
            const float* above = y > y0 ? level.Row(y - 1) : level.Row(y);
            const float* below = y + 1 < y1 ? level.Row(y + 1) : level.Row(y);
            const bool flat = y1 - y0 < 2;
            const bool useZenith = !flat && y == y0 && zenithPole;
            const bool useNadir = !flat && y == y1 - 1 && nadirPole;

            const float* h = level.Row(y);
            float* g = magnitude[y];
            // dx first into the output row, then combined with dy in place.
            for (const auto& run : level.XRuns())
                HorizontalDifferences(h, run.start, run.end, g);
            const int width = level.Width();
            if (flat)
                CombineWithVertical(g, width, [](int) { return 0.0f; });
            else if (useZenith)
                CombineWithVertical(g, width, [&](int x) { return float(double(below[x]) - zenith); });
            else if (useNadir)
                CombineWithVertical(g, width, [&](int x) { return float(nadir - double(above[x])); });
            else
                CombineWithVertical(g, width, [&](int x) { return below[x] - above[x]; });
        }
    }
}

std::vector<OrvLevelImage> AttenuationMaps(const std::vector<OrvLevelImage>& pyramid,
                                           double compression)
{
    std::vector<OrvLevelImage> maps;
    const int n = int(pyramid.size());
    if (n == 0)
        return maps;
    maps.reserve(pyramid.size());
    AppendSameGeometry(maps, pyramid[0]).FillValue(1.0f);

    const float beta = float(1.0 - 0.01 * compression);
    const float exponent = beta - 1.0f;
    vigra::BasicImage<float> magnitude;
    for (int k = 0; k < n; ++k) {
        const OrvLevelImage& level = pyramid[std::size_t(k)];
        OrvLevelImage& map = maps[std::size_t(k)];
        GradientMagnitude(level, magnitude);

        const float alpha = float(0.1 * level.MeanGradient());
        const float p = float(std::pow(double(alpha), double(1.0f - beta)));
        // 1 / 2^(n − k): multiplying by it is exactly the division by 2^(n − k).
        const float inverseScale = std::ldexp(1.0f, -(n - k));
        for (int y = 0; y < map.Height(); ++y) {
            const float* g = magnitude[y];
            float* phi = map.Row(y);
            for (int x = 0; x < map.Width(); ++x) {
                if (!(g[x] > alpha))
                    continue;
                const float scaled = g[x] * inverseScale;
                const float power = float(std::pow(double(scaled), double(exponent)));
                phi[x] = float(double(phi[x]) * power * p);
            }
        }

        if (k + 1 < n) {
            AppendSameGeometry(maps, pyramid[std::size_t(k + 1)]).Resample(maps[std::size_t(k)]);
        }
    }
    return maps;
}

void ContrastScaledDivergence(const std::vector<OrvLevelImage>& pyramid,
                              std::vector<OrvLevelImage>& maps, const CompressorTables& tables)
{
    const IntensityLookup intensity(tables.intensityFactorTable.get());
    int widest = 0;
    for (const OrvLevelImage& level : pyramid)
        widest = std::max(widest, level.Width());
    // gy of the row above, per column; reused by every block and level.
    std::vector<float> gyAbove(static_cast<std::size_t>(widest));

    const std::size_t n = std::min(pyramid.size(), maps.size());
    for (std::size_t k = 0; k < n; ++k) {
        const OrvLevelImage& level = pyramid[k];
        OrvLevelImage& map = maps[k];
        vigra_precondition(map.Width() == level.Width() && map.Height() == level.Height(),
                           "ContrastScaledDivergence(): map and level differ in size.");
        if (level.Empty())
            continue;
        const double frequency = tables.FrequencyFactor(k);
        const auto& yRuns = level.YRuns();
        for (std::size_t yi = 0; yi < yRuns.size(); ++yi) {
            const int y0 = yRuns[yi].start, y1 = yRuns[yi].end;
            const bool zenithPole = HasZenith(level, yi);
            const bool nadirPole = HasNadir(level, yi);
            for (const auto& run : level.XRuns()) {
                const int x0 = run.start, x1 = run.end;
                // gy(x, −1): the jump from the zenith into the top row, else none.
                if (zenithPole) {
                    const float* h = level.Row(y0);
                    const double zenith = level.ZenithValue();
                    for (int x = x0; x < x1; ++x)
                        gyAbove[std::size_t(x)] = float(double(h[x]) - zenith);
                } else {
                    std::fill(gyAbove.begin() + x0, gyAbove.begin() + x1, 0.0f);
                }
                for (int y = y0; y < y1; ++y) {
                    const float* h = level.Row(y);
                    float* d = map.Row(y); // Φ in, D out
                    float* above = gyAbove.data();
                    if (y + 1 < y1) {
                        const float* hBelow = level.Row(y + 1);
                        DivergenceRow(h, d, above, x0, x1,
                                      [&](int x, float phi) { return (hBelow[x] - h[x]) * phi; });
                    } else if (nadirPole) {
                        // The jump into the nadir, not attenuated.
                        const double nadir = level.NadirValue();
                        DivergenceRow(h, d, above, x0, x1,
                                      [&](int x, float) { return float(nadir - double(h[x])); });
                    } else {
                        DivergenceRow(h, d, above, x0, x1, [](int, float) { return 0.0f; });
                    }
                    if (intensity.Uniform()) {
                        const double c = intensity.UniformFactor();
                        for (int x = x0; x < x1; ++x)
                            d[x] = float(double(d[x]) * c * frequency);
                    } else {
                        for (int x = x0; x < x1; ++x)
                            d[x] = float(double(d[x]) * intensity(h[x]) * frequency);
                    }
                }
            }
        }
    }
}

} // namespace orv
