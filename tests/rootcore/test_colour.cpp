// The colour table behind gROOT->GetColor and the grey level used by the drawing back end.
#include <gtest/gtest.h>

#include "TColor.h"
#include "TROOT.h"

namespace {
struct ColourCase {
   int index;
   float r, g, b;
};

TEST(TColor, StandardTable)
{
   const ColourCase cases[] = {{0, 1, 1, 1},          {1, 0, 0, 0},          {2, 1, 0, 0},
                               {3, 0, 1, 0},          {4, 0, 0, 1},          {5, 1, 1, 0},
                               {6, 1, 0, 1},          {7, 0, 1, 1},          {10, .999f, .999f, .999f},
                               {12, .3f, .3f, .3f},   {18, .9f, .9f, .9f},   {19, .95f, .95f, .95f},
                               {50, .83f, .35f, .33f}, {920, .8f, .8f, .8f}, {921, .6f, .6f, .6f},
                               {922, .4f, .4f, .4f},  {923, .2f, .2f, .2f}};
   for (const ColourCase &c : cases) {
      TColor *colour = gROOT->GetColor(c.index);
      ASSERT_NE(colour, nullptr) << "index " << c.index;
      EXPECT_EQ(colour->GetNumber(), c.index);
      EXPECT_NEAR(colour->GetRed(), c.r, 1e-6) << "index " << c.index;
      EXPECT_NEAR(colour->GetGreen(), c.g, 1e-6) << "index " << c.index;
      EXPECT_NEAR(colour->GetBlue(), c.b, 1e-6) << "index " << c.index;
      float r, g, b;
      colour->GetRGB(r, g, b);
      EXPECT_EQ(r, colour->GetRed());
      EXPECT_EQ(g, colour->GetGreen());
      EXPECT_EQ(b, colour->GetBlue());
   }
   for (int i = 0; i <= 50; ++i) EXPECT_NE(gROOT->GetColor(i), nullptr) << "index " << i;
}

TEST(TColor, UndefinedIndicesHaveNoColour)
{
   for (int index : {-1, 51, 919, 924, 100000}) EXPECT_EQ(gROOT->GetColor(index), nullptr) << "index " << index;
}

TEST(TColor, GreyLevelWeightsTheChannels)
{
   EXPECT_NEAR(gROOT->GetColor(18)->GetGrayscale(), 0.9f, 1e-6);
   EXPECT_NEAR(gROOT->GetColor(2)->GetGrayscale(), 0.299f, 1e-6);
   EXPECT_NEAR(gROOT->GetColor(3)->GetGrayscale(), 0.587f, 1e-6);
   EXPECT_NEAR(gROOT->GetColor(4)->GetGrayscale(), 0.114f, 1e-6);
   EXPECT_NEAR(gROOT->GetColor(0)->GetGrayscale(), 1.0f, 1e-6);
}

TEST(TColor, GreyscaleModeIsOffUntilSet)
{
   EXPECT_FALSE(TColor::IsGrayscale());
   TColor::SetGrayscale();
   EXPECT_TRUE(TColor::IsGrayscale());
   TColor::SetGrayscale(kFALSE);
   EXPECT_FALSE(TColor::IsGrayscale());
}

TEST(TColor, NewColourEntersTheTableUntilDeleted)
{
   {
      TColor mine(1000, 0.1f, 0.2f, 0.3f, "mine");
      EXPECT_EQ(gROOT->GetColor(1000), &mine);
   }
   EXPECT_EQ(gROOT->GetColor(1000), nullptr);

   TColor *standard = gROOT->GetColor(5);
   {
      TColor replacement(5, 0.5f, 0.5f, 0.5f);
      EXPECT_EQ(gROOT->GetColor(5), &replacement);
   }
   EXPECT_EQ(gROOT->GetColor(5), standard) << "the standard colour comes back";
}

TEST(TROOT, BatchFlag)
{
   EXPECT_FALSE(gROOT->IsBatch());
   gROOT->SetBatch();
   EXPECT_TRUE(gROOT->IsBatch());
   gROOT->SetBatch(kFALSE);
   EXPECT_FALSE(gROOT->IsBatch());
}
} // namespace
