// Status bits, drawing into the current pad, attribute overrides and the application object.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TApplication.h"
#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TAttText.h"
#include "TH1.h"
#include "TNamed.h"
#include "TSpline.h"
#include "TVirtualPad.h"

namespace {
// Records what reaches it; deletes primitives marked kCanDelete when cleared, as a pad does.
class RecordingPad : public TVirtualPad {
public:
   ~RecordingPad() override { Clear(); }
   TVirtualPad *cd(Int_t = 0) override { return gPad = this; }
   void Clear(Option_t * = "") override
   {
      ++fClears;
      for (auto &p : fPrimitives)
         if (p.first->TestBit(kCanDelete)) delete p.first;
      fPrimitives.clear();
   }
   void Add(TObject *obj, Option_t *opt, Bool_t) override { fPrimitives.push_back({obj, opt}); }
   TVirtualPad *GetCanvas() const override { return const_cast<RecordingPad *>(this); }
   void Modified(Bool_t) override {}
   void Update() override {}

   int fClears = 0;
   std::vector<std::pair<TObject *, std::string>> fPrimitives;
};

class CurrentPad : public testing::Test {
protected:
   void SetUp() override { fPad.cd(); }
   void TearDown() override { gPad = nullptr; }
   RecordingPad fPad;
};

TEST(TObject, StatusBits)
{
   TNamed object("n", "t");
   EXPECT_FALSE(object.TestBit(TObject::kCanDelete));
   object.SetBit(TObject::kCanDelete);
   EXPECT_TRUE(object.TestBit(TObject::kCanDelete));
   object.SetBit(BIT(14), kTRUE);
   EXPECT_EQ(object.TestBits(TObject::kCanDelete | BIT(14)), Int_t(TObject::kCanDelete | BIT(14)));
   object.SetBit(BIT(14), kFALSE);
   EXPECT_FALSE(object.TestBit(BIT(14)));

   TNamed copy(object);
   EXPECT_FALSE(copy.TestBit(TObject::kCanDelete)) << "a copy is not owned by the original's pad";
   EXPECT_STREQ(copy.GetName(), "n");
   object.ResetBit(TObject::kCanDelete);
   EXPECT_FALSE(object.TestBit(TObject::kCanDelete));
}

TEST(TObject, DrawWithoutPadDoesNothing)
{
   ASSERT_EQ(gPad, nullptr);
   TNamed object("n", "t");
   object.Draw("x");
   SUCCEED();
}

TEST_F(CurrentPad, DrawAppendsWithOption)
{
   TNamed a("a", ""), b("b", "");
   a.Draw();
   b.Draw("P");
   ASSERT_EQ(fPad.fPrimitives.size(), 2u);
   EXPECT_EQ(fPad.fPrimitives[0].first, &a);
   EXPECT_EQ(fPad.fPrimitives[1].second, "P");
   EXPECT_EQ(fPad.fClears, 0);
   fPad.Clear();
}

TEST_F(CurrentPad, HistogramAndSplineReplaceThePadUnlessSame)
{
   TNamed axis("axis", "");
   axis.Draw();
   double x[] = {0, 1};
   double y[] = {1, 1};
   TSpline3 spline("Spline", x, y, 2, "b2e2", 0, 0);
   spline.Draw("same");
   EXPECT_EQ(fPad.fClears, 0);
   EXPECT_EQ(fPad.fPrimitives.size(), 2u);

   auto *h = new TH1D("Orv_Histogram_Display", "", 4, 0, 1);
   h->SetBit(TObject::kCanDelete);
   h->Draw("LF2");
   EXPECT_EQ(fPad.fClears, 1);
   ASSERT_EQ(fPad.fPrimitives.size(), 1u);
   EXPECT_EQ(fPad.fPrimitives[0].first, h);
   EXPECT_EQ(fPad.fPrimitives[0].second, "LF2");

   spline.Draw("");
   EXPECT_EQ(fPad.fClears, 2) << "the histogram was deleted with the pad's primitives";
   EXPECT_EQ(fPad.fPrimitives.size(), 1u);
   fPad.Clear();
}

TEST(TVirtualPad, DeletingTheCurrentPadClearsIt)
{
   {
      RecordingPad pad;
      pad.cd();
      EXPECT_EQ(gPad, &pad);
   }
   EXPECT_EQ(gPad, nullptr);
}

// A drawing back end translates attribute values in its overrides of the attribute setters.
class Backend : public TNamed, public TAttLine, public TAttFill, public TAttText, public TAttMarker {
public:
   void SetLineColor(Color_t c) override { if (c >= 0) fLineColor = c; }
   void SetFillStyle(Style_t s) override { fFillStyle = s; fHollow = s / 1000 != 1 && s / 1000 != 3; }
   void SetTextAlign(Short_t a) override { fTextAlign = Short_t(a + 1000); }
   void SetMarkerStyle(Style_t s) override { fMarkerStyle = Style_t(s < 0 ? -s : s); }
   void SetFillColor(Color_t c) override { if (c >= 0) fFillColor = c; }
   bool fHollow = false;
};

TEST(TAttributes, DefaultsAndOverridesThroughTheBases)
{
   Backend backend;
   EXPECT_EQ(backend.GetLineColor(), 1);
   EXPECT_EQ(backend.GetLineStyle(), 1);
   EXPECT_EQ(backend.GetLineWidth(), 1);
   EXPECT_EQ(backend.GetTextAlign(), 11);
   EXPECT_EQ(backend.GetTextFont(), 62);
   EXPECT_EQ(backend.GetMarkerStyle(), 1);
   EXPECT_FLOAT_EQ(backend.GetMarkerSize(), 1);

   TAttLine &line = backend;
   TAttFill &fill = backend;
   TAttText &text = backend;
   TAttMarker &marker = backend;
   line.SetLineColor(-3);
   EXPECT_EQ(backend.GetLineColor(), 1);
   fill.SetFillStyle(0);
   EXPECT_TRUE(backend.fHollow);
   fill.SetFillColor(18);
   EXPECT_EQ(backend.GetFillColor(), 18);
   text.SetTextAlign(22);
   EXPECT_EQ(backend.GetTextAlign(), 1022);
   marker.SetMarkerStyle(-25);
   EXPECT_EQ(backend.GetMarkerStyle(), 25);
}

TEST(TApplication, BecomesTheGlobalApplicationForItsLifetime)
{
   ASSERT_EQ(gApplication, nullptr);
   {
      TApplication app("RootApp", nullptr, nullptr, nullptr, 0);
      EXPECT_EQ(gApplication, &app);
      EXPECT_STREQ(gApplication->ApplicationName(), "RootApp");
      EXPECT_STREQ(gApplication->GetName(), "RootApp");
   }
   EXPECT_EQ(gApplication, nullptr);
}
} // namespace
