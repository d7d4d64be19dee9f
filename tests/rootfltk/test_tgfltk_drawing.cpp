// What the FLTK back end paints, read back from an offscreen pixmap: boxes, fill styles, lines,
// markers and text, all moved by the pad's position and insets, and nothing outside a pad's draw().
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Fl_TPad.h"
#include "TGFltk.h"
#include "offscreen.h"

namespace {
const Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};
const int kOx = 5, kOy = 7; // pad at (0, 0) with left inset 5 and top inset 7

class Drawing : public testing::Test {
protected:
   Drawing() : fX(dynamic_cast<TGFltk &>(*gVirtualX))
   {
      fPad.SetInsets(kOy, 0, 0, kOx);
      fPad.SetFillStyle(0);
      fX.SetLineColor(1);
      fX.SetLineStyle(1);
      fX.SetLineWidth(1);
      fX.SetFillColor(2);
      fX.SetFillStyle(1001);
      fX.SetMarkerColor(4);
      fX.SetTextColor(1);
      fX.SetTextFont(Font_t(42));
      fX.SetTextSize(24);
      fX.SetTextAlign(11);
      fX.SetCharacterUp(0, 1);
   }
   ~Drawing() override { fPad.Clear(); }

   // Paints the pad with one primitive that runs body through the back end.
   Image Paint(const std::function<void()> &body)
   {
      fPad.Clear();
      PaintProbe probe(body);
      fPad.Add(&probe);
      Image image = PaintOffscreen(120, 100, [&] { fPad.draw(); });
      fPad.Clear();
      EXPECT_EQ(probe.Count(), 1);
      return image;
   }

   TGFltk &fX;
   Fl_TPad fPad{0, 0, 120, 100, "drawing"};
};

TEST_F(Drawing, NothingIsPaintedOutsideAPadsDraw)
{
   ASSERT_EQ(fX.GetCurrentPad(), nullptr);
   Image image = PaintOffscreen(120, 100, [&] {
      fX.DrawLine(0, 0, 10, 10);
      fX.DrawBox(2, 20, 12, 5, TVirtualX::kFilled);
      TPoint points[] = {{10, 10}, {40, 10}, {40, 40}};
      fX.DrawFillArea(3, points);
      fX.DrawPolyLine(3, points);
      fX.DrawPolyMarker(3, points);
      fX.DrawText(20, 50, 0, 1, "H", TVirtualX::kClear);
   });
   EXPECT_EQ(image.CountInk(), 0);
}

TEST_F(Drawing, BoxCornersAreNotReordered)
{
   const struct {
      int x1, y1, x2, y2;
      TVirtualX::EBoxMode mode;
      bool painted;
   } cases[] = {{2, 20, 12, 5, TVirtualX::kFilled, true},
                {10, 20, 5, 2, TVirtualX::kFilled, false}, // x2 < x1
                {2, 5, 12, 20, TVirtualX::kFilled, false}, // y1 above y2
                {2, 20, 12, 5, TVirtualX::kHollow, true}};
   for (const auto &c : cases) {
      Image image = Paint([&] { fX.DrawBox(c.x1, c.y1, c.x2, c.y2, c.mode); });
      if (!c.painted) {
         EXPECT_EQ(image.CountInk(), 0) << c.x1 << "," << c.y1 << "," << c.x2 << "," << c.y2;
         continue;
      }
      const Rgb colour = c.mode == TVirtualX::kFilled ? kRed : kBlack;
      const InkBox box = image.Box();
      EXPECT_EQ(box.x0, 2 + kOx);
      EXPECT_EQ(box.y0, 5 + kOy);
      EXPECT_EQ(box.Width(), 10);
      EXPECT_EQ(box.Height(), 15);
      EXPECT_EQ(image.At(box.x0, box.y0), colour);
      EXPECT_EQ(image.At(box.x0 + 5, box.y0 + 7), c.mode == TVirtualX::kFilled ? kRed : kWhite) << "inside";
   }
}

TEST_F(Drawing, FillStylesFillOrOutline)
{
   const struct {
      Style_t style;
      Rgb inside, edge;
   } cases[] = {{1001, kRed, kRed}, {3004, kRed, kRed}, {0, kWhite, kBlack}};
   TPoint square[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
   for (const auto &c : cases) {
      fX.SetFillStyle(c.style);
      Image image = Paint([&] {
         TPoint points[4];
         std::copy(square, square + 4, points);
         fX.DrawFillArea(4, points);
      });
      EXPECT_EQ(image.At(25 + kOx, 25 + kOy), c.inside) << c.style;
      EXPECT_EQ(image.At(25 + kOx, 10 + kOy), c.edge) << c.style;
      if (c.style == 0) {
         EXPECT_EQ(image.At(10 + kOx, 25 + kOy), kWhite) << "the outline is not closed";
      }
   }
}

TEST_F(Drawing, LineWidthAndStyleReachTheWindow)
{
   auto inkInColumn = [](const Image &image, int x) {
      int n = 0;
      for (int y = 0; y < image.Height(); ++y) n += image.IsInk(x, y);
      return n;
   };
   auto inkInRow = [](const Image &image, int y) {
      int n = 0;
      for (int x = 0; x < image.Width(); ++x) n += image.IsInk(x, y);
      return n;
   };
   fX.SetLineWidth(3);
   Image wide = Paint([&] { fX.DrawLine(10, 50, 90, 50); });
   EXPECT_EQ(inkInColumn(wide, 50 + kOx), 3);

   fX.SetLineWidth(1);
   Image thin = Paint([&] { fX.DrawLine(10, 50, 90, 50); });
   EXPECT_EQ(inkInColumn(thin, 50 + kOx), 1);
   EXPECT_GE(inkInRow(thin, 50 + kOy), 80) << "solid";
   EXPECT_EQ(thin.At(50 + kOx, 50 + kOy), kBlack);

   fX.SetLineStyle(2);
   Image dashed = Paint([&] {
      TPoint points[] = {{10, 50}, {90, 50}};
      fX.DrawPolyLine(2, points);
   });
   const int dashes = inkInRow(dashed, 50 + kOy);
   EXPECT_GT(dashes, 20);
   EXPECT_LT(dashes, 70) << "gaps between dashes";
}

TEST_F(Drawing, OpenSquareMarkerIsSevenPixelsWide)
{
   fX.SetMarkerSize(0.8f);
   fX.SetMarkerStyle(1);
   fX.SetMarkerStyle(25);
   TPoint points[] = {{30, 30}, {70, 60}};
   Image image = Paint([&] { fX.DrawPolyMarker(2, points); });
   EXPECT_EQ(points[0].fX, 30 + kOx) << "the caller's points are moved in place";
   EXPECT_EQ(points[1].fY, 60 + kOy);
   for (const TPoint &p : points) {
      InkBox box;
      for (int y = p.fY - 6; y <= p.fY + 6; ++y)
         for (int x = p.fX - 6; x <= p.fX + 6; ++x)
            if (image.IsInk(x, y)) {
               box.x0 = std::min(box.x0, x);
               box.y0 = std::min(box.y0, y);
               box.x1 = std::max(box.x1, x);
               box.y1 = std::max(box.y1, y);
            }
      EXPECT_EQ(box.x0, p.fX - 3);
      EXPECT_EQ(box.y0, p.fY - 3);
      EXPECT_EQ(box.Width(), 7);
      EXPECT_EQ(box.Height(), 7);
      EXPECT_EQ(image.At(p.fX, p.fY), kWhite) << "open";
      EXPECT_EQ(image.At(p.fX - 3, p.fY), kBlue);
      EXPECT_EQ(image.At(p.fX + 3, p.fY + 3), kBlue);
   }
}

TEST_F(Drawing, DotMarkersArePixelsAndCirclesHaveTheirDiameter)
{
   fX.SetMarkerStyle(1);
   TPoint dots[] = {{10, 10}, {20, 30}, {50, 40}};
   Image image = Paint([&] { fX.DrawPolyMarker(3, dots); });
   EXPECT_EQ(image.CountInk(), 3);
   EXPECT_EQ(image.At(20 + kOx, 30 + kOy), kBlue);

   fX.SetMarkerSize(2);
   fX.SetMarkerStyle(20); // filled circle, diameter 2 * int(4 * 2 + 0.5) = 16
   TPoint centre[] = {{50, 50}};
   Image disc = Paint([&] { fX.DrawPolyMarker(1, centre); });
   EXPECT_NEAR(disc.Box().Width(), 16, 1);
   EXPECT_EQ(disc.At(50 + kOx, 50 + kOy), kBlue);
}

struct AlignCase {
   Short_t align;
   int left, right, top, bottom; // expected ink edges relative to the anchor; 99 = not checked
};

TEST_F(Drawing, TextAlignmentPlacesTheInkAroundTheAnchor)
{
   const int ax = 60, ay = 50;
   // "H" at 24 pixels: a capital about 16 pixels high, sitting on the baseline.
   const AlignCase cases[] = {
      {11, 0, 99, 99, 0},    // bottom left: baseline at the anchor
      {13, 0, 99, 0, 99},    // top left: the ascent hangs from the anchor
      {31, 99, 0, 99, 0},    // bottom right
      {22, 99, 99, 99, 99},  // centred: checked below
   };
   for (const AlignCase &c : cases) {
      fX.SetTextAlign(c.align);
      Image image = Paint([&] { fX.DrawText(ax, ay, 0, 1, "H", TVirtualX::kClear); });
      const InkBox box = image.Box();
      ASSERT_FALSE(box.Empty()) << c.align;
      EXPECT_GT(box.Height(), 12) << c.align;
      const int x = ax + kOx, y = ay + kOy;
      if (c.left != 99) {
         EXPECT_NEAR(box.x0, x, 3) << c.align;
      }
      if (c.right != 99) {
         EXPECT_NEAR(box.x1, x, 3) << c.align;
      }
      if (c.top != 99) {
         EXPECT_NEAR(box.y0, y, 2) << c.align;
      }
      if (c.bottom != 99) {
         EXPECT_NEAR(box.y1, y - 1, 1) << c.align;
      }
      if (c.align == 22) {
         EXPECT_NEAR((box.x0 + box.x1) / 2.0, x, 2);
         EXPECT_NEAR((box.y0 + box.y1) / 2.0, y, 2);
      }
   }
}

TEST_F(Drawing, TextIsBlendedIntoWhatIsUnderIt)
{
   fX.SetTextColor(2);
   Image image = Paint([&] {
      fX.SetFillColor(4); // red text on blue
      fX.DrawBox(0, 60, 110, 0, TVirtualX::kFilled);
      fX.DrawText(20, 40, 0, 1, "Hello", TVirtualX::kClear);
   });
   fX.SetFillColor(2);
   int pure = 0, blended = 0;
   for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) {
         const Rgb p = image.At(x, y);
         if (p == kRed) ++pure;
         if (p.g == 0 && p.r > 0 && p.r < 255 && p.b > 0 && p.b < 255) ++blended;
      }
   EXPECT_GT(pure, 20) << "full coverage takes the text colour";
   EXPECT_GT(blended, 20) << "edges mix text and background";
}

TEST_F(Drawing, TurnedTextRunsAlongItsAngle)
{
   const int ax = 60, ay = 80;
   fX.SetTextSize(16);
   Image upright = Paint([&] { fX.DrawText(ax, ay, 0, 1, "HHHH", TVirtualX::kClear); });
   EXPECT_GT(upright.Box().Width(), 2 * upright.Box().Height());

   fX.SetCharacterUp(-1, 0);
   ASSERT_FLOAT_EQ(fX.GetTextAngle(), 90);
   Image turned = Paint([&] { fX.DrawText(ax, ay, fX.GetTextAngle(), 1, "HHHH", TVirtualX::kClear); });
   const InkBox box = turned.Box();
   EXPECT_GT(box.Height(), 2 * box.Width()) << "reads upwards";
   EXPECT_LE(box.y1, ay + kOy + 1) << "starts at the anchor and rises";
   EXPECT_LE(box.x1, ax + kOx + 1) << "the letters stand left of their baseline";

   fX.SetCharacterUp(0.7071f, 0.7071f);
   Image slanted = Paint([&] { fX.DrawText(20, 20, fX.GetTextAngle(), 1, "HHHH", TVirtualX::kClear); });
   const InkBox s = slanted.Box();
   EXPECT_NEAR(s.Width(), s.Height(), 6) << "about 45 degrees";
   EXPECT_GT(s.y1, 20 + kOy + 20) << "runs down to the right";
}

TEST_F(Drawing, TextReachingPastTheWindowEdgeDrawsWhatIsInside)
{
   fX.SetTextAlign(22);
   Image image = Paint([&] { fX.DrawText(0, 0, 0, 1, "Hello", TVirtualX::kClear); });
   const InkBox box = image.Box();
   ASSERT_FALSE(box.Empty());
   EXPECT_EQ(box.x0, 0);
   EXPECT_EQ(box.y0, 0);
}

TEST_F(Drawing, EmptyOrMissingTextDrawsNothing)
{
   Image image = Paint([&] {
      fX.DrawText(20, 40, 0, 1, "", TVirtualX::kClear);
      fX.DrawText(20, 40, 0, 1, nullptr, TVirtualX::kClear);
   });
   EXPECT_EQ(image.CountInk(), 0);
}
} // namespace
