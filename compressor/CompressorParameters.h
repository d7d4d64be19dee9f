#pragma once

// The Compressor's user parameters: three slider values, the two collapse
// states and the three curves (contrast over frequency, contrast over log2
// luminance, smoothing over frequency). The panel owns one and fills it from
// its widgets; the numerics only read it.

#include <functional>
#include <vector>

namespace orv {

/// A response curve as the curve editor holds it: control points in the
/// curve's own units (increasing x) and the editor's range.
struct CompressorCurve {
    struct Point {
        double x;
        double y;
    };

    double xMin = 0.0;
    double xMax = 1.0;
    double yMin = 0.0;
    double yMax = 1.0;
    std::vector<Point> points;
    int linkage = 1; ///< 1: natural cubic spline, 0: straight segments

    /// A flat curve across the whole x range at height y, spline-linked
    /// (what the editor's default preset gives).
    static CompressorCurve Flat(double xMin, double xMax, double yMin, double yMax, double y);

    /// The curve as a function of x, built once: natural cubic spline through
    /// the points (linkage 1) or straight segments continued past the end
    /// points (linkage 0). One point gives a constant, none gives 0.
    std::function<double(double)> Evaluator() const;

    /// Moves the x range to [x1, x2]; the points keep their relative
    /// positions inside it. Ignored for an empty old range or non-finite limits.
    void SetXRange(double x1, double x2);

    /// Adds d to every point's y and clamps each to [low, high]: how a slider
    /// moves its curve without changing its shape (until points hit a limit).
    void ShiftY(double d, double low, double high);
};

enum class ContrastPage { Frequency, Luminance };

/// Parameter values of the Compressor with the panel's defaults.
struct CompressorParameters {
    // Slider limits; a slider moves its curve only inside them.
    static constexpr double kContrastMin = -5.0;
    static constexpr double kContrastMax = 10.0;
    static constexpr double kSmoothingMin = 1.0;
    static constexpr double kSmoothingMax = 10.0;

    double compression = 5.0; ///< 0 … 10: strength of gradient attenuation
    double contrast = 2.0;    ///< −5 … 10: contrast gain per level, (1 + v/10)^k
    double smoothing = 5.0;   ///< 1 … 10: relaxation sweeps per level
    bool contrastCollapsed = true;  ///< true: Contrast slider used, contrast curves ignored
    bool smoothingCollapsed = true; ///< true: Smoothing slider used, smoothing curve ignored
    ContrastPage contrastPage = ContrastPage::Frequency;

    /// Contrast over pyramid level (0 coarsest … 1 finest), y −5 … 10.
    CompressorCurve frequencyCurve = CompressorCurve::Flat(0.0, 1.0, -5.0, 10.0, 2.0);
    /// Contrast in stops over log2 luminance (x range set from the source), y −4 … 0.
    CompressorCurve intensityCurve = CompressorCurve::Flat(0.0, 1.0, -4.0, 0.0, 0.0);
    /// Sweeps over pyramid level, y 0 … 10.
    CompressorCurve smoothingCurve = CompressorCurve::Flat(0.0, 1.0, 0.0, 10.0, 5.0);

    // Hidden controls; the numerics do not read them.
    int vCycles = 1;
    int border = 10;
    int radius = 1;

    /// Sets Contrast and moves the frequency curve by the change, clamped to
    /// the slider's limits. The value itself is taken as it is.
    void SetContrast(double v);
    /// The same for Smoothing and the smoothing curve.
    void SetSmoothing(double v);
    /// Sets the luminance curve's x range to [log2 smallest, log2 largest];
    /// ignored unless 0 < smallest < largest (both finite).
    void SetLuminanceRange(double smallest, double largest);
};

} // namespace orv
