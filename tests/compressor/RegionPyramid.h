#pragma once

// Region level lists built the way the mapping stage prepares them (panorama
// off: no side columns, window 1, margins of up to 10 samples), filled from a
// function of level coordinates. Shared by the tests and the benchmark.

#include "image/OrvLevelImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace orv {
namespace testing {

/// value(x, y, w, h): log2 luminance at coordinates (x, y) of a w × h level.
using LevelFunction = std::function<float(int x, int y, int w, int h)>;

/// Level sizes of a W × H source, coarsest first: halved with rounding up
/// until the smaller side is 4 or less.
inline std::vector<std::pair<int, int>> PyramidSizes(int W, int H)
{
    std::vector<std::pair<int, int>> sizes;
    int w = W, h = H, t = std::min(W, H);
    for (;;) {
        sizes.insert(sizes.begin(), {w, h});
        if (t <= 4)
            break;
        t = (t + 1) / 2;
        w = (w + 1) / 2;
        h = (h + 1) / 2;
    }
    return sizes;
}

/// Level statistics as the pyramid builder computes them over the whole level.
struct LevelStatistics {
    double zenith = 0, nadir = 0, meanGradient = 0;
};

inline LevelStatistics Statistics(int w, int h, const LevelFunction& value)
{
    std::vector<float> v(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            v[std::size_t(y) * std::size_t(w) + std::size_t(x)] = value(x, y, w, h);
    auto at = [&](int x, int y) { return double(v[std::size_t(y) * std::size_t(w) + std::size_t(x)]); };
    LevelStatistics s;
    for (int x = 0; x < w; ++x) {
        s.zenith += at(x, 0) / w;
        s.nadir += at(x, h - 1) / w;
    }
    if (w > 2 && h > 2) {
        double sum = 0;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                sum += std::hypot(at(x, y + 1) - at(x, y - 1), at(x + 1, y) - at(x - 1, y));
        s.meanGradient = sum / ((w - 2.0) * (h - 2.0));
    }
    return s;
}

/// The region level list for destination grid destW × destH, destination
/// samples [x0, x0 + columns) × [y0, y0 + rows), of a W × H source, filled
/// from `value`; `flags` are the pole bits of the border mode.
inline std::vector<OrvLevelImage> RegionList(int W, int H, int destW, int destH, int x0, int y0,
                                             int columns, int rows, std::uint32_t flags,
                                             const LevelFunction& value)
{
    std::vector<OrvLevelImage> list;
    for (const auto& [w, h] : PyramidSizes(W, H)) {
        const LevelStatistics s = Statistics(w, h, value);
        const int mx = std::min(w, 10), my = std::min(h, 10);
        list.emplace_back(destW, destH, x0, y0, columns, rows, w, h, -mx, -my, mx, my, 0, 0, 0, 0,
                          1, 1, flags, s.zenith, s.nadir, s.meanGradient);
        OrvLevelImage& level = list.back();
        const int* xmap = level.XMap().data();
        const int* ymap = level.YMap().data();
        for (int j = 0; j < level.Height(); ++j) {
            float* row = level.Row(j);
            for (int i = 0; i < level.Width(); ++i)
                row[i] = value(xmap[i], ymap[j], w, h);
        }
    }
    return list;
}

/// A whole w × h level, one block, rows filled from `rows`
/// (row-major, w · h values) or with 0.
inline OrvLevelImage PlainLevel(int w, int h, const std::vector<float>& rows = {},
                                std::uint32_t flags = 0, double zenith = 0, double nadir = 0,
                                double meanGradient = 0)
{
    // Margins as the stage gives them, clipped at the edges: the samples are
    // exactly the level, and the pole bits survive because the margin is cut short.
    const int mx = std::min(w, 10), my = std::min(h, 10);
    OrvLevelImage level(w, h, 0, 0, w, h, w, h, -mx, -my, mx, my, 0, 0, 0, 0, 1, 1, flags, zenith,
                        nadir, meanGradient);
    level.FillValue(0.0f);
    if (!rows.empty())
        for (int y = 0; y < h; ++y)
            std::copy(rows.begin() + std::ptrdiff_t(y) * w, rows.begin() + std::ptrdiff_t(y + 1) * w,
                      level.Row(y));
    return level;
}

/// The whole image at full resolution.
inline std::vector<OrvLevelImage> WholeImage(int W, int H, std::uint32_t flags,
                                             const LevelFunction& value)
{
    return RegionList(W, H, W, H, 0, 0, W, H, flags, value);
}

/// A dim room with a bright window, textured everywhere: about 12 stops.
inline float RoomScene(int x, int y, int w, int h)
{
    const double u = (x + 0.5) / w, v = (y + 0.5) / h;
    const double window = 1.0 / (1.0 + std::exp(-60.0 * (0.15 - std::max(std::abs(u - 0.65), std::abs(v - 0.35)))));
    const double texture = 0.4 * std::sin(90.0 * u) * std::sin(70.0 * v) + 0.2 * std::sin(400.0 * u + 300.0 * v);
    return float(-4.0 + 3.0 * u + 9.0 * window + texture);
}

} // namespace testing
} // namespace orv
