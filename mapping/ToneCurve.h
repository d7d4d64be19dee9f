#pragma once
// The numerics behind the tone curve: statistics of an overview output, the
// luminance histogram that frames the curve editor, and the curve tabulated
// into a lookup table that the per-pixel post-processing reads.
#include <vigra/basicimage.hxx>

#include <functional>
#include <memory>

#include "TH1.h"

namespace orv {

/// Smallest and largest sample of an operator output (compared as float).
struct OutputRange {
  double dataMin = 0.0;
  double dataMax = 0.0;
};

/// Throws vigra::PreconditionViolation for an image without pixels.
OutputRange MeasureOutput(const vigra::BasicImage<float>& output);

/// Spreads the histogram's bins evenly over [dataMin, dataMax] and counts every
/// sample once; the largest sample lands in the overflow bin.
void FillLuminanceHistogram(TH1D& histogram, const vigra::BasicImage<float>& output, const OutputRange& range);

/// Every lookup table derived from a curve: bin i holds curve(centre of bin
/// i), the underflow and overflow entries repeat the first and last bin so
/// lookups outside the table clamp to the curve's ends.
void FillCurveTable(TH1& table, const std::function<double(double)>& curve);

/// The empty table "curve_histogram" over [a, b] with as many bins as the
/// luminance histogram has between a and b, detached from any directory and
/// owned by the caller; fill it with FillCurveTable.
std::unique_ptr<TH1D> MakeCurveTable(const TH1D& luminanceHistogram, double a, double b);

}  // namespace orv
