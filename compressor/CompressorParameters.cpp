#include "compressor/CompressorParameters.h"

#include "rootcore/TSpline.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace orv {

CompressorCurve CompressorCurve::Flat(double xMin, double xMax, double yMin, double yMax, double y)
{
    CompressorCurve curve;
    curve.xMin = xMin;
    curve.xMax = xMax;
    curve.yMin = yMin;
    curve.yMax = yMax;
    curve.points = {{xMin, y}, {xMax, y}};
    curve.linkage = 1;
    return curve;
}

std::function<double(double)> CompressorCurve::Evaluator() const
{
    const std::vector<Point> knots = points;
    const int n = int(knots.size());
    if (n == 0)
        return [](double) { return 0.0; };
    if (n == 1) {
        const double y = knots[0].y;
        return [y](double) { return y; };
    }
    if (linkage != 0) {
        std::vector<double> x, y;
        for (const Point& p : knots) {
            x.push_back(p.x);
            y.push_back(p.y);
        }
        auto spline = std::make_shared<TSpline3>("Spline", x.data(), y.data(), n, "b2e2", 0.0, 0.0);
        return [spline](double v) { return spline->Eval(v); };
    }
    // Straight segments; outside the knots the first or last segment continues.
    return [knots, n](double v) {
        auto above = std::upper_bound(knots.begin(), knots.end(), v,
                                      [](double value, const Point& p) { return value < p.x; });
        int k = int(above - knots.begin()) - 1;
        k = std::clamp(k, 0, n - 1);
        int j = (v > knots[std::size_t(k)].x && k < n - 1) ? k + 1 : (k == 0 ? 1 : k - 1);
        const Point& a = knots[std::size_t(k)];
        const Point& b = knots[std::size_t(j)];
        return a.y + (a.y - b.y) * (v - a.x) / (a.x - b.x);
    };
}

void CompressorCurve::SetXRange(double x1, double x2)
{
    if (!std::isfinite(x1) || !std::isfinite(x2) || !(xMax != xMin))
        return;
    const double scale = (x2 - x1) / (xMax - xMin);
    for (Point& p : points)
        p.x = x1 + scale * (p.x - xMin);
    xMin = x1;
    xMax = x2;
}

void CompressorCurve::ShiftY(double d, double low, double high)
{
    for (Point& p : points)
        p.y = std::clamp(p.y + d, low, high);
}

void CompressorParameters::SetContrast(double v)
{
    frequencyCurve.ShiftY(v - contrast, kContrastMin, kContrastMax);
    contrast = v;
}

void CompressorParameters::SetSmoothing(double v)
{
    smoothingCurve.ShiftY(v - smoothing, kSmoothingMin, kSmoothingMax);
    smoothing = v;
}

void CompressorParameters::SetLuminanceRange(double smallest, double largest)
{
    if (!(smallest > 0.0) || !(largest > smallest) || !std::isfinite(largest))
        return;
    // The divisor is ln 2 to the ten digits the luminance axis has always used.
    intensityCurve.SetXRange(std::log(smallest) / 0.6931471806, std::log(largest) / 0.6931471806);
}

} // namespace orv
