#include "mapping/ToneCurve.h"

#include <algorithm>

namespace orv {

OutputRange MeasureOutput(const vigra::BasicImage<float>& output) {
  vigra_precondition(output.width() > 0 && output.height() > 0,
                     "BasicImage::upperLeft(): image must have non-zero size.");
  const auto [low, high] = std::minmax_element(output.begin(), output.end());
  return {*low, *high};
}

void FillLuminanceHistogram(TH1D& histogram, const vigra::BasicImage<float>& output, const OutputRange& range) {
  histogram.GetXaxis()->SetLimits(range.dataMin, range.dataMax);
  histogram.Reset();
  double* contents = histogram.GetArray();
  const TAxis& axis = *histogram.GetXaxis();
  for (float sample : output) contents[axis.FindBin(sample)] += 1.0;
}

void FillCurveTable(TH1& table, const std::function<double(double)>& curve) {
  const int n = table.GetNbinsX();
  for (int i = 1; i <= n; ++i) table.SetBinContent(i, curve(table.GetBinCenter(i)));
  table.SetBinContent(0, table.GetBinContent(1));
  table.SetBinContent(n + 1, table.GetBinContent(n));
}

std::unique_ptr<TH1D> MakeCurveTable(const TH1D& luminanceHistogram, double a, double b) {
  const TAxis& axis = *luminanceHistogram.GetXaxis();
  const int bins = std::max(1, axis.FindBin(b) - axis.FindBin(a) + 1);
  auto table = std::make_unique<TH1D>("curve_histogram", "", bins, a, b);
  table->SetDirectory(nullptr);
  return table;
}

}  // namespace orv
