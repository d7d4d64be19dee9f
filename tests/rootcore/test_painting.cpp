// Painting of axes, histograms, splines and markers, seen through a recording back end.
#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TCanvas.h"
#include "TGaxis.h"
#include "TH1.h"
#include "TMarker.h"
#include "TSpline.h"
#include "recording_x.h"

namespace {
struct TickCase {
   double wmin, wmax;
   int ndiv;
   std::vector<double> primaries;
   size_t total;
};

TEST(TGaxis, TicksFallOnRoundedSteps)
{
   const TickCase cases[] = {
      {0, 1, 510, {0, .1, .2, .3, .4, .5, .6, .7, .8, .9, 1}, 51},
      {-8, 2, 510, {-8, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2}, 51},
      {0, 7, 505, {0, 2, 4, 6}, 18},   // 1.4 per division rounds up to 2
      {2, 1, 502, {1, 1.5, 2}, 11},    // reversed range
      {-0.13, 0.37, 505, {-0.1, 0, 0.1, 0.2, 0.3}, 25},
   };
   for (const TickCase &c : cases) {
      const auto ticks = TGaxis::ComputeTicks(c.wmin, c.wmax, c.ndiv, kTRUE, kFALSE);
      std::vector<double> primaries;
      for (const auto &t : ticks)
         if (t.primary) primaries.push_back(t.value);
      ASSERT_EQ(primaries.size(), c.primaries.size()) << c.wmin << ".." << c.wmax;
      for (size_t i = 0; i < primaries.size(); ++i) EXPECT_NEAR(primaries[i], c.primaries[i], 1e-12);
      EXPECT_EQ(ticks.size(), c.total) << c.wmin << ".." << c.wmax;
   }
   EXPECT_TRUE(TGaxis::ComputeTicks(1, 1, 510, kTRUE, kFALSE).empty()) << "empty range";
   EXPECT_TRUE(TGaxis::ComputeTicks(0, NAN, 510, kTRUE, kFALSE).empty());
}

TEST(TGaxis, LogarithmicTicksAreDecadesWithSubdivisions)
{
   const auto ticks = TGaxis::ComputeTicks(1, 1000, 510, kTRUE, kTRUE);
   std::vector<double> primaries;
   for (const auto &t : ticks)
      if (t.primary) primaries.push_back(t.value);
   EXPECT_EQ(primaries, (std::vector<double>{1, 10, 100, 1000}));
   EXPECT_EQ(ticks.size(), 28u);
   EXPECT_TRUE(TGaxis::ComputeTicks(0, 10, 510, kTRUE, kTRUE).empty()) << "no logarithm of 0";
}

TEST(TGaxis, LabelsAreRoundedToTheStep)
{
   const struct {
      double value, step;
      const char *text;
   } cases[] = {{0.30000000000000004, 0.1, "0.3"}, {-1e-17, 0.1, "0"}, {-8, 1, "-8"},
                {2500, 500, "2500"},              {0.05, 0.05, "0.05"}, {-0.0, 0.2, "0"}};
   for (const auto &c : cases) EXPECT_EQ(TGaxis::FormatLabel(c.value, c.step), c.text) << c.value;
}

class Painting : public testing::Test {
protected:
   void SetUp() override { fCanvas.cd(); }
   void TearDown() override { gPad = nullptr; }
   InstalledRecorder fX;
   TCanvas fCanvas{"c", 400, 300, 0};
};

TEST_F(Painting, VerticalAxisWithPlusTicksInwardAndCentredLabelsOutside)
{
   fCanvas.Range(0, -8, 1, 2);
   TGaxis axis(1, -8, 1, 2, -8, 2, 510, "+C");
   axis.SetLabelSize(0.05);
   axis.SetLabelOffset(0.035);
   axis.Paint();
   const int axisX = fCanvas.XtoAbsPixel(1);
   std::vector<std::string> labels;
   for (const auto *t : fX->Of("text")) {
      labels.push_back(t->text);
      EXPECT_EQ(t->points[0].fX, axisX + int(std::lround(0.035 * 400))) << "label offset across the axis";
      EXPECT_EQ(t->textAlign, 22);
      EXPECT_FLOAT_EQ(t->textSize, 0.05f * 300) << "label size from the pad's smaller side";
   }
   EXPECT_EQ(labels, (std::vector<std::string>{"-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1", "0", "1", "2"}));
   const auto lines = fX->Of("line");
   ASSERT_EQ(lines.size(), 52u) << "axis line and 51 ticks";
   for (size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i]->points[0].fY, lines[i]->points[1].fY) << "ticks are horizontal";
      EXPECT_LE(std::max(lines[i]->points[0].fX, lines[i]->points[1].fX), axisX) << "ticks point left";
   }
}

TEST_F(Painting, HorizontalAxisPutsTicksUpAndLabelsBelow)
{
   fCanvas.Range(-5, 0, 5, 1);
   TGaxis axis(-5, 0.5, 5, 0.5, -5, 5, 510, "");
   axis.Paint();
   const int axisY = fCanvas.YtoAbsPixel(0.5);
   for (const auto *t : fX->Of("text")) {
      EXPECT_GT(t->points[0].fY, axisY);
      EXPECT_EQ(t->textAlign, 23) << "centred, hanging from the top";
   }
   for (const auto *l : fX->Of("line")) EXPECT_LE(std::max(l->points[0].fY, l->points[1].fY), axisY);
}

TH1D *Gaussian(const char *name)
{
   auto *h = new TH1D(name, "", 40, -5, 5);
   for (int bin = 1; bin <= 40; ++bin) {
      const double x = h->GetBinCenter(bin);
      h->SetBinContent(bin, 100 * std::exp(-x * x / 2));
   }
   return h;
}

TEST_F(Painting, HistogramLF2IsAFilledOutlinedAreaInsideTheFrameWithAxes)
{
   TH1D *h = Gaussian("g");
   h->SetFillColor(18);
   h->SetLabelSize(0.05, "XY");
   h->Draw("LF2");
   fCanvas.Paint();

   // Frame inside the 10 % margins.
   EXPECT_DOUBLE_EQ(fCanvas.GetUxmin(), -5);
   EXPECT_DOUBLE_EQ(fCanvas.GetUxmax(), 5);
   EXPECT_DOUBLE_EQ(fCanvas.GetUymin(), 0);
   EXPECT_EQ(fCanvas.XtoAbsPixel(-5), 40);
   EXPECT_EQ(fCanvas.YtoAbsPixel(0), 270);

   const auto fills = fX->Of("fill");
   ASSERT_EQ(fills.size(), 1u);
   const auto &area = fills[0]->points;
   ASSERT_EQ(area.size(), 42u) << "the bin centres closed down to the frame bottom";
   EXPECT_EQ(fills[0]->fillStyle, 1001);
   EXPECT_EQ(area.front().fY, 270);
   EXPECT_EQ(area.back().fY, 270);
   int top = 300;
   for (const TPoint &p : area) {
      EXPECT_GE(p.fX, 40);
      EXPECT_LE(p.fX, 360);
      top = std::min<int>(top, p.fY);
   }
   // Highest bin (99.2) below the frame top: 5 % headroom above the maximum.
   EXPECT_GT(top, 30);
   EXPECT_LT(top, 30 + 0.06 * 240);

   ASSERT_GE(fX->Of("polyline").size(), 1u);
   EXPECT_EQ(fX->Of("polyline")[0]->points.size(), 40u) << "outline through the bin centres";
   bool frame = false;
   for (const auto *b : fX->Of("box"))
      frame |= b->mode == TVirtualX::kHollow && b->points[0].fX == 40 && b->points[1].fY == 30;
   EXPECT_TRUE(frame) << "hollow frame box";

   std::set<std::string> labels;
   for (const auto *t : fX->Of("text")) labels.insert(t->text);
   for (const char *expected : {"-4", "0", "4", "20", "100"}) EXPECT_TRUE(labels.count(expected)) << expected;
   fCanvas.Clear();
   delete h;
}

TEST_F(Painting, HistogramOnLogarithmicPadLabelsDecades)
{
   TH1D *h = Gaussian("g");
   h->SetBinContent(20, 1000);
   fCanvas.SetLogy(1);
   h->Draw("LF2");
   fCanvas.Paint();
   std::set<std::string> labels;
   for (const auto *t : fX->Of("text")) labels.insert(t->text);
   for (const char *expected : {"0.001", "1", "10", "100", "1000"}) EXPECT_TRUE(labels.count(expected)) << expected;
   EXPECT_NEAR(fCanvas.GetUymax(), std::log10(2000.0), 1e-12);
   fCanvas.Clear();
   delete h;
}

TEST_F(Painting, SplineIsAPolylineOfNpxPointsCutAtItsYLimits)
{
   fCanvas.Range(0, -2, 4, 2);
   double x[] = {0, 1, 2, 3, 4};
   double y[] = {0, 3, 0, -3, 0};
   TSpline3 s("s", x, y, 5, "b2e2", 0, 0);
   s.SetNpx(101);
   s.Paint();
   ASSERT_EQ(fX->Of("polyline").size(), 1u) << "no limits: one piece";
   EXPECT_EQ(fX->Of("polyline")[0]->points.size(), 101u);

   fX->calls.clear();
   s.SetYRange(-1, 1);
   s.Paint("p");
   const auto pieces = fX->Of("polyline");
   // Up through 1 (cut), down from 1 to -1 (cut), up from -1 to the end.
   EXPECT_EQ(pieces.size(), 3u) << "cut where the curve leaves the band";
   const int top = fCanvas.YtoAbsPixel(1), bottom = fCanvas.YtoAbsPixel(-1);
   for (const auto *piece : pieces)
      for (const TPoint &p : piece->points) {
         EXPECT_GE(p.fY, top);
         EXPECT_LE(p.fY, bottom);
      }
   ASSERT_EQ(fX->Of("marker").size(), 1u);
   EXPECT_EQ(fX->Of("marker")[0]->points.size(), 3u) << "knots at y = +-3 lie outside the pad";
}

TEST_F(Painting, MarkerPaintsAtItsPixelWithItsAttributes)
{
   fCanvas.Range(0, 0, 4, 3);
   TMarker m(1, 2, 25);
   m.SetMarkerSize(0.8f);
   m.Paint();
   ASSERT_EQ(fX->Of("marker").size(), 1u);
   EXPECT_EQ(fX->Of("marker")[0]->points[0].fX, 100);
   EXPECT_EQ(fX->Of("marker")[0]->points[0].fY, 100);
   EXPECT_EQ(fX->GetMarkerStyle(), 25);
   EXPECT_FLOAT_EQ(fX->GetMarkerSize(), 0.8f);
}

TEST_F(Painting, TextAttributesReachTheBackEnd)
{
   TAttText text(22, 90, 2, 42, 0.1f);
   text.Modify();
   EXPECT_FLOAT_EQ(fX->GetTextSize(), 30) << "precision 2: fraction of the smaller pad side";
   EXPECT_EQ(fX->GetTextFont(), 42);
   EXPECT_EQ(fX->GetTextAlign(), 22);
   EXPECT_EQ(fX->GetTextColor(), 2);
   EXPECT_EQ(fX->fUpX, -1);
   EXPECT_EQ(fX->fUpY, 0);
   TAttText pixels(11, 0, 1, 43, 14);
   pixels.Modify();
   EXPECT_FLOAT_EQ(fX->GetTextSize(), 14) << "precision 3: pixels";
   EXPECT_EQ(fX->fUpX, 0);
   EXPECT_EQ(fX->fUpY, 1);
}
} // namespace
