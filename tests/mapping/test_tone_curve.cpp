// Overview statistics, the luminance histogram and the tabulated tone curve.
#include <gtest/gtest.h>

#include "image/LogLuminanceHistogram.h"
#include "mapping/ToneCurve.h"

namespace {

vigra::BasicImage<float> Output(std::initializer_list<float> values) {
  vigra::BasicImage<float> image(static_cast<int>(values.size()), 1);
  std::copy(values.begin(), values.end(), image.begin());
  return image;
}

TEST(ToneCurve, HistogramSpansTheOutputAndCountsEverySampleOnce) {
  const auto output = Output({-6.0f, -2.0f, -2.0f, 1.5f, 4.0f});
  const orv::OutputRange range = orv::MeasureOutput(output);
  EXPECT_EQ(range.dataMin, -6.0);
  EXPECT_EQ(range.dataMax, 4.0);

  LogLuminanceHistogram record;
  TH1D& histogram = *record.Histogram();
  histogram.Fill(0.0);  // stale contents from an earlier overview go
  orv::FillLuminanceHistogram(histogram, output, range);
  EXPECT_EQ(histogram.GetXaxis()->GetXmin(), -6.0);
  EXPECT_EQ(histogram.GetXaxis()->GetXmax(), 4.0);
  EXPECT_EQ(histogram.GetBinContent(1), 1.0);
  EXPECT_EQ(histogram.GetBinContent(histogram.GetNbinsX() + 1), 1.0) << "the largest sample is overflow";
  double total = 0;
  for (int bin = 0; bin <= histogram.GetNbinsX() + 1; ++bin) total += histogram.GetBinContent(bin);
  EXPECT_EQ(total, 5.0);
  EXPECT_THROW(orv::MeasureOutput(vigra::BasicImage<float>()), vigra::PreconditionViolation);
}

TEST(ToneCurve, TableHasTheHistogramsResolutionAndClampsAtItsEnds) {
  LogLuminanceHistogram record;
  TH1D& histogram = *record.Histogram();
  histogram.GetXaxis()->SetLimits(-10.0, 10.0);  // 4095 bins over 20 stops
  const double a = -5.0, b = 5.0;
  const auto line = [&](double x) { return -8.0 + 8.0 * (x - a) / (b - a); };
  const auto table = orv::MakeCurveTable(histogram, a, b);
  orv::FillCurveTable(*table, line);

  EXPECT_STREQ(table->GetName(), "curve_histogram");
  const int n = table->GetNbinsX();
  EXPECT_EQ(n, histogram.FindBin(b) - histogram.FindBin(a) + 1);
  EXPECT_NEAR(n, 2048, 2);
  for (int i : {1, n / 2, n}) EXPECT_DOUBLE_EQ(table->GetBinContent(i), line(table->GetBinCenter(i)));
  EXPECT_EQ(table->GetBinContent(0), table->GetBinContent(1));
  EXPECT_EQ(table->GetBinContent(n + 1), table->GetBinContent(n));
  EXPECT_NEAR(table->GetBinContent(table->FindBin(-100.0)), -8.0, 0.01);
  EXPECT_NEAR(table->GetBinContent(table->FindBin(100.0)), 0.0, 0.01);
}

}  // namespace
