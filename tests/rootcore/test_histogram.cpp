// Bin lookup, bin geometry and contents of TAxis and TH1D.
#include <cmath>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

#include "TH1.h"
#include "TSpline.h"
#include "error_capture.h"

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct LookupCase {
   double x;
   int bin;
};

void PrintTo(const LookupCase &c, std::ostream *os) { *os << "x = " << c.x << " -> bin " << c.bin; }

class FindBinOnFourBins : public testing::TestWithParam<LookupCase> {};

TEST_P(FindBinOnFourBins, GivesBinWithUnderAndOverflow)
{
   TAxis axis(4, 0, 1);
   EXPECT_EQ(axis.FindBin(GetParam().x), GetParam().bin) << "x = " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Edges, FindBinOnFourBins,
                         testing::Values(LookupCase{-0.1, 0}, LookupCase{-kInf, 0},
                                         LookupCase{std::nextafter(0.0, -1.0), 0}, LookupCase{0.0, 1},
                                         LookupCase{0.2499999, 1}, LookupCase{0.25, 2}, LookupCase{0.5, 3},
                                         LookupCase{0.75, 4}, LookupCase{std::nextafter(1.0, 0.0), 4},
                                         LookupCase{1.0, 5}, LookupCase{1.5, 5}, LookupCase{kInf, 5},
                                         LookupCase{kNaN, 5}));

TEST(TAxis, DegenerateRangeSendsEverythingOutside)
{
   TAxis axis(10, 2, 2);
   EXPECT_EQ(axis.FindBin(1.9), 0);
   EXPECT_EQ(axis.FindBin(2.0), 11);
   EXPECT_EQ(axis.FindBin(3.0), 11);
}

TEST(TAxis, BinGeometry)
{
   TAxis axis(4, -1, 1);
   EXPECT_DOUBLE_EQ(axis.GetBinWidth(), 0.5);
   EXPECT_DOUBLE_EQ(axis.GetBinLowEdge(1), -1);
   EXPECT_DOUBLE_EQ(axis.GetBinUpEdge(4), 1);
   EXPECT_DOUBLE_EQ(axis.GetBinCenter(1), -0.75);
   EXPECT_DOUBLE_EQ(axis.GetBinCenter(4), 0.75);
   // Under- and overflow continue the equal-width grid.
   EXPECT_DOUBLE_EQ(axis.GetBinCenter(0), -1.25);
   EXPECT_DOUBLE_EQ(axis.GetBinCenter(5), 1.25);
}

// The log-luminance histogram: 4095 bins over +-15.99609375, 128 bins per stop, centres at k/128.
TEST(TH1D, LogLuminanceGridFindsEveryCentreAndEdge)
{
   TH1D h("loglum", "", 4095, -15.99609375, 15.99609375);
   EXPECT_DOUBLE_EQ(h.GetXaxis()->GetBinWidth(1), 1.0 / 128);
   for (int k = -2047; k <= 2047; ++k) {
      const int bin = 2048 + k;
      ASSERT_EQ(h.GetBinCenter(bin), k / 128.0) << "bin " << bin;
      ASSERT_EQ(h.FindBin(k / 128.0), bin) << "k " << k;
      ASSERT_EQ(h.FindBin(h.GetXaxis()->GetBinLowEdge(bin)), bin) << "low edge of " << bin;
   }
   EXPECT_EQ(h.FindBin(15.99609375), 4096);
   EXPECT_EQ(h.FindBin(-15.99609375), 1);
}

TEST(TH1D, ContentArrayHoldsUnderflowBinsAndOverflow)
{
   TH1D h("h", "t", 4, 0, 1);
   EXPECT_STREQ(h.GetName(), "h");
   EXPECT_STREQ(h.GetTitle(), "t");
   EXPECT_EQ(h.GetNbinsX(), 4);
   ASSERT_EQ(h.GetSize(), 6);
   ASSERT_EQ(h.GetNcells(), 6);
   for (int i = 0; i < 6; ++i) h.SetBinContent(i, 10 + i);
   const double *array = h.GetArray();
   for (int i = 0; i < 6; ++i) EXPECT_EQ(array[i], 10 + i);
   // Writing outside 0 .. N + 1 changes nothing; reading clamps to the end entries.
   h.SetBinContent(-1, 99);
   h.SetBinContent(6, 99);
   h.AddBinContent(7, 99);
   EXPECT_EQ(h.GetBinContent(-3), 10);
   EXPECT_EQ(h.GetBinContent(42), 15);
}

TEST(TH1D, FillReportsBinOrMinusOneOutside)
{
   TH1D h("h", "", 4, 0, 1);
   struct Case {
      double x;
      int returned;
      int bin;
   } cases[] = {{0.3, 2, 2}, {0.0, 1, 1}, {-0.5, -1, 0}, {1.0, -1, 5}, {0.99, 4, 4}};
   for (const Case &c : cases) {
      const double before = h.GetBinContent(c.bin);
      EXPECT_EQ(h.Fill(c.x), c.returned) << "x = " << c.x;
      EXPECT_EQ(h.GetBinContent(c.bin), before + 1) << "x = " << c.x;
   }
   h.Fill(0.6, 2.5);
   EXPECT_EQ(h.GetBinContent(3), 2.5);
   EXPECT_EQ(h.GetEntries(), 6);
   h.AddBinContent(3);
   EXPECT_EQ(h.GetBinContent(3), 3.5);
}

TEST(TH1D, ScaleCoversAllEntriesAndMaximumOnlyInnerBins)
{
   TH1D h("h", "", 3, 0, 3);
   const double contents[] = {100, 1, 4, 2, 200};
   for (int i = 0; i < 5; ++i) h.SetBinContent(i, contents[i]);
   EXPECT_EQ(h.GetMaximum(), 4);
   EXPECT_EQ(h.GetMaximum(4), 2) << "maxval is an exclusive upper limit";
   h.Scale(1 / h.GetMaximum());
   for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(h.GetBinContent(i), contents[i] / 4) << "entry " << i;
   EXPECT_DOUBLE_EQ(h.GetMaximum(), 1);
}

TEST(TH1D, MaximumOfNegativeContents)
{
   TH1D h("h", "", 2, 0, 1);
   h.SetBinContent(1, -3);
   h.SetBinContent(2, -1);
   EXPECT_EQ(h.GetMaximum(), -1);
}

TEST(TH1D, ResetZeroesEverything)
{
   TH1D h("h", "", 3, 0, 1);
   h.Fill(-1);
   h.Fill(0.5);
   h.Fill(2);
   h.Reset();
   for (int i = 0; i < h.GetSize(); ++i) EXPECT_EQ(h.GetArray()[i], 0);
   EXPECT_EQ(h.GetEntries(), 0);
}

TEST(TH1D, SetLimitsMovesLookupAndKeepsContents)
{
   TH1D h("h", "", 4, 0, 1);
   h.SetBinContent(2, 7);
   h.GetXaxis()->SetLimits(-8, 0);
   EXPECT_EQ(h.GetNbinsX(), 4);
   EXPECT_EQ(h.FindBin(-5), 2);
   EXPECT_DOUBLE_EQ(h.GetBinCenter(2), -5);
   EXPECT_EQ(h.GetBinContent(h.FindBin(-5)), 7);
}

TEST(TH1D, NonPositiveBinCountBecomesOneWithWarning)
{
   ErrorCapture capture;
   TH1D h("h", "", 0, 0, 1);
   EXPECT_EQ(h.GetNbinsX(), 1);
   EXPECT_EQ(h.GetSize(), 3);
   ASSERT_EQ(ErrorCapture::Reports().size(), 1u);
   EXPECT_EQ(ErrorCapture::Reports()[0].level, kWarning);
}

TEST(TH1D, DisplaySettingsLandOnTheNamedAxes)
{
   TH1D h("h", "", 4, 0, 1);
   h.SetLabelSize(0.05, "XY");
   h.SetLabelOffset(0.025, "xy");
   EXPECT_FLOAT_EQ(h.GetXaxis()->GetLabelSize(), 0.05f);
   EXPECT_FLOAT_EQ(h.GetYaxis()->GetLabelSize(), 0.05f);
   EXPECT_FLOAT_EQ(h.GetXaxis()->GetLabelOffset(), 0.025f);
   EXPECT_FLOAT_EQ(h.GetYaxis()->GetLabelOffset(), 0.025f);
   h.SetLabelSize(0.07, "Y");
   EXPECT_FLOAT_EQ(h.GetXaxis()->GetLabelSize(), 0.05f);
   EXPECT_FLOAT_EQ(h.GetYaxis()->GetLabelSize(), 0.07f);

   h.SetStats(kFALSE);
   EXPECT_TRUE(h.TestBit(TH1::kNoStats));
   h.SetStats();
   EXPECT_FALSE(h.TestBit(TH1::kNoStats));
   h.SetDirectory(nullptr);
   EXPECT_EQ(h.GetDirectory(), nullptr);
   h.SetFillColor(18);
   EXPECT_EQ(h.GetFillColor(), 18);
   EXPECT_EQ(h.GetFillStyle(), 1001) << "histograms fill solidly by default";
}

// A lookup table as the tone curve builds it: bins filled at their centres from a curve, bin 1 copied
// into the underflow and bin N into the overflow, so lookups outside the range clamp to the ends.
TEST(TH1D, CurveTableClampsOutsideItsRange)
{
   double x[] = {0, 1};
   double y[] = {0, 2};
   TSpline3 line("Spline", x, y, 2, "b2e2", 0, 0);
   TH1D table("curve_histogram", "", 4, 0, 1);
   const int n = table.GetNbinsX();
   for (int i = 1; i <= n; ++i) table.SetBinContent(i, line.Eval(table.GetBinCenter(i)));
   table.SetBinContent(0, table.GetBinContent(1));
   table.SetBinContent(n + 1, table.GetBinContent(n));

   struct Case {
      double x;
      double value;
   } cases[] = {{-5, 0.25}, {0.1, 0.25}, {0.3, 0.75}, {0.6, 1.25}, {0.9, 1.75}, {1.0, 1.75}, {40, 1.75}};
   for (const Case &c : cases) EXPECT_DOUBLE_EQ(table.GetBinContent(table.FindBin(c.x)), c.value) << "x = " << c.x;
}

TEST(TH1D, CopyIsIndependent)
{
   TH1D a("a", "", 2, 0, 1);
   a.SetBinContent(1, 3);
   TH1D b(a);
   b.SetBinContent(1, 5);
   EXPECT_EQ(a.GetBinContent(1), 3);
   EXPECT_EQ(b.GetBinContent(1), 5);
   EXPECT_EQ(b.GetNbinsX(), 2);
}
} // namespace
