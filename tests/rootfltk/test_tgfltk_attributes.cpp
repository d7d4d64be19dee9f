// How the FLTK back end translates ROOT's attributes: line, fill, text and marker settings,
// the text direction, and what it leaves behind when it goes away.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <FL/fl_draw.H>

#include "TGFltk.h"
#include "TROOT.h"

namespace {
class Attributes : public testing::Test {
protected:
   ~Attributes() override
   {
      // The back end's destructor installs the batch back end; keep the one that was current.
      TVirtualX *saved = gVirtualX;
      const bool batch = gROOT->IsBatch();
      fOwned.reset();
      gVirtualX = saved;
      gROOT->SetBatch(batch);
   }
   std::unique_ptr<TGFltk> fOwned = std::make_unique<TGFltk>("Fltk", "ROOT interface to Fltk");
   TGFltk &fX = *fOwned;
};

// The angle of an up vector that is not a quarter turn, with 3.14159 for pi.
float SlantedAngle(double x, double y)
{
   double angle = std::acos(x / std::sqrt(x * x + y * y)) * 180 / 3.14159 - 90;
   if (y < 0) angle = 180 - angle;
   return float(angle);
}

TEST_F(Attributes, LineStyleAndWidthBecomeFltkValues)
{
   const struct {
      Style_t root;
      int fltk;
   } styles[] = {{1, FL_SOLID}, {2, FL_DASH}, {3, FL_DOT}, {4, FL_DASHDOT}, {7, FL_SOLID}, {0, FL_SOLID}};
   for (const auto &s : styles) {
      fX.SetLineStyle(s.root);
      EXPECT_EQ(fX.GetLineStyle(), s.fltk) << s.root;
   }
   const struct {
      Width_t set, stored;
   } widths[] = {{1, 0}, {3, 3}, {0, 0}, {-1, 0}, {2, 2}, {-5, 2}};
   for (const auto &w : widths) {
      fX.SetLineWidth(w.set);
      EXPECT_EQ(fX.GetLineWidth(), w.stored) << w.set;
   }
}

TEST_F(Attributes, FillStyleDecidesBetweenFillingAndOutlining)
{
   const struct {
      Style_t style;
      int hollow;
   } cases[] = {{1001, 0}, {0, 1}, {3004, 0}, {2001, 1}, {4000, 1}, {1000, 0}};
   EXPECT_EQ(fX.GetFillHollow(), 0) << "solid at construction";
   for (const auto &c : cases) {
      fX.SetFillStyle(c.style);
      EXPECT_EQ(fX.GetFillHollow(), c.hollow) << c.style;
      EXPECT_EQ(fX.GetFillStyle(), c.style);
   }
}

TEST_F(Attributes, NegativeColourIndicesAreIgnoredExceptForText)
{
   fX.SetLineColor(2);
   fX.SetFillColor(3);
   fX.SetMarkerColor(4);
   fX.SetLineColor(-1);
   fX.SetFillColor(-1);
   fX.SetMarkerColor(-1);
   EXPECT_EQ(fX.GetLineColor(), 2);
   EXPECT_EQ(fX.GetFillColor(), 3);
   EXPECT_EQ(fX.GetMarkerColor(), 4);
   fX.SetTextColor(-1);
   EXPECT_EQ(fX.GetTextColor(), -1);
}

TEST_F(Attributes, TextAlignmentBecomesACodeOneToNine)
{
   const struct {
      Short_t align, code;
   } cases[] = {{11, 7}, {12, 4}, {13, 1}, {21, 8}, {22, 5}, {23, 2}, {31, 9}, {32, 6}, {33, 3}, {1, 7}, {3, 1},
                {42, 1},   // horizontal part above 3: unchanged
                {20, 1},   // no vertical part: unchanged
                {-5, 1}};  // unchanged
   for (const auto &c : cases) {
      fX.SetTextAlign(c.align);
      EXPECT_EQ(fX.GetTextAlign(), c.code) << c.align;
   }
}

TEST_F(Attributes, CharacterUpVectorSetsTheTextAngle)
{
   const struct {
      Float_t x, y, angle;
   } cases[] = {{-1, 0, 90},
                {0, -1, 180},
                {1, 0, 270},
                {0, 1, 0},
                {0.7071f, 0.7071f, SlantedAngle(0.7071, 0.7071)}, // about -45
                {-0.5f, 0.8660254f, SlantedAngle(-0.5, 0.8660254)}, // about 30
                {-0.5f, -0.8660254f, SlantedAngle(-0.5, -0.8660254)}, // about 150
                {0, 0, 0}};
   EXPECT_NEAR(SlantedAngle(0.7071, 0.7071), -45, 0.01);
   EXPECT_FLOAT_EQ(fX.GetTextAngle(), 0);
   for (const auto &c : cases) {
      fX.SetCharacterUp(c.x, c.y);
      EXPECT_NEAR(fX.GetTextAngle(), c.angle, 1e-3) << c.x << ", " << c.y;
      Float_t x, y;
      fX.GetCharacterUp(x, y);
      EXPECT_EQ(x, c.x);
      EXPECT_EQ(y, c.y);
   }
   EXPECT_NEAR(fX.GetTextAngle(), 0, 0) << "(0, 0) is upright";

   // The same vector again leaves an angle changed elsewhere alone.
   fX.SetTextAngle(33);
   fX.SetCharacterUp(0, 0);
   EXPECT_FLOAT_EQ(fX.GetTextAngle(), 33);
}

TEST_F(Attributes, MarkerStylesBuildShapesFromTheSize)
{
   fX.SetMarkerSize(0.8f); // m = 3, a = 2, b = 1, c = 2, d = 2, e = 1
   const struct {
      Style_t style;
      int kind, count;
      TPoint first;
   } cases[] = {{25, 2, 5, {-3, -3}}, {21, 3, 5, {-3, -3}}, {2, 4, 4, {-3, 0}}, {3, 4, 8, {-3, 0}},
                {4, 0, 6, {0, 0}},    {24, 0, 6, {0, 0}},   {5, 4, 4, {-2, -2}}, {6, 4, 4, {-1, 0}},
                {7, 4, 6, {-1, 1}},   {8, 1, 6, {0, 0}},    {20, 1, 6, {0, 0}},  {22, 3, 4, {-3, 3}},
                {23, 3, 4, {0, 3}},   {26, 2, 4, {-3, 3}},  {27, 2, 5, {-2, 0}}, {28, 2, 13, {-3, -1}},
                {29, 3, 11, {-3, 1}}, {30, 2, 11, {-3, 1}}, {1, 0, 0, {0, 0}},   {15, 0, 0, {0, 0}}};
   for (const auto &c : cases) {
      fX.SetMarkerStyle(c.style);
      const TGFltk::MarkerShape &shape = fX.GetMarkerShape();
      EXPECT_EQ(shape.kind, c.kind) << c.style;
      EXPECT_EQ(shape.count, c.count) << c.style;
      if (c.kind >= 2) {
         EXPECT_EQ(shape.points[0].fX, c.first.fX) << c.style;
         EXPECT_EQ(shape.points[0].fY, c.first.fY) << c.style;
      }
   }
   fX.SetMarkerStyle(25);
   const TGFltk::MarkerShape &square = fX.GetMarkerShape();
   const int corners[5][2] = {{-3, -3}, {3, -3}, {3, 3}, {-3, 3}, {-3, -3}};
   for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(square.points[i].fX, corners[i][0]);
      EXPECT_EQ(square.points[i].fY, corners[i][1]);
   }
}

TEST_F(Attributes, MarkerStyleChangesOnlyWhenItDiffersAndIsBelow31)
{
   fX.SetMarkerSize(0.8f);
   fX.SetMarkerStyle(-25);
   EXPECT_EQ(fX.GetMarkerStyle(), 25) << "negative styles are mirrored";
   EXPECT_EQ(fX.GetMarkerShape().kind, 2);

   fX.SetMarkerSize(2);
   fX.SetMarkerStyle(25);
   EXPECT_EQ(fX.GetMarkerShape().points[0].fX, -3) << "same style: the shape keeps the old size";
   fX.SetMarkerStyle(31);
   EXPECT_EQ(fX.GetMarkerStyle(), 25) << "31 and above are not stored";
   fX.SetMarkerStyle(21);
   EXPECT_EQ(fX.GetMarkerShape().points[0].fX, -8) << "a new style takes the new size";
   fX.SetMarkerSize(-1);
   EXPECT_FLOAT_EQ(fX.GetMarkerSize(), 2);
}

TEST_F(Attributes, MarkerShapeKeepsAtMostAHundredPoints)
{
   TPoint points[120];
   for (int i = 0; i < 120; ++i) points[i] = TPoint(SCoord_t(i), SCoord_t(-i));
   fX.SetMarkerShape(2, 120, points);
   EXPECT_EQ(fX.GetMarkerShape().count, 100);
   EXPECT_EQ(fX.GetMarkerShape().points[99].fY, -99);
   fX.SetMarkerShape(0, 12, points);
   EXPECT_EQ(fX.GetMarkerShape().points[5].fX, 5) << "circles copy no points";
   EXPECT_EQ(fX.GetMarkerShape().count, 12);
}

TEST_F(Attributes, TextSettingsAndMeasuring)
{
   fX.SetTextMagnitude(2.5f);
   EXPECT_FLOAT_EQ(fX.GetTextMagnitude(), 2.5f);
   char arial[] = "arial.ttf";
   EXPECT_EQ(fX.SetTextFont(arial, TVirtualX::kLoad), 0);
   fX.SetTextFont(Font_t(132));
   EXPECT_EQ(fX.GetTextFont(), 132) << "the number is only stored";
   fX.SetTextSize(20);
   EXPECT_FLOAT_EQ(fX.GetTextSize(), 20);
   UInt_t w = 0, h = 0;
   char text[] = "Hello";
   fX.GetTextExtent(w, h, text);
   EXPECT_GT(w, 30u);
   EXPECT_GT(h, 10u);
   EXPECT_LT(h, 25u);

   Int_t x = 7, y = 8;
   UInt_t gw = 9, gh = 10;
   fX.GetGeometry(0, x, y, gw, gh);
   EXPECT_EQ(x + y + int(gw) + int(gh), 34) << "out-parameters untouched";
}

TEST(TGFltkLifetime, DestructionInstallsTheBatchBackEnd)
{
   TVirtualX *saved = gVirtualX;
   auto *x = new TGFltk("Fltk", "ROOT interface to Fltk");
   gVirtualX = x;
   const bool batch = gROOT->IsBatch();
   delete x;
   EXPECT_EQ(gVirtualX, gGXBatch);
   EXPECT_TRUE(gROOT->IsBatch());
   gROOT->SetBatch(batch);
   gVirtualX = saved;
}
} // namespace
