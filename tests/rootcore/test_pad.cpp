// Canvases and pads: pixel conversions, ranges, logarithmic axes, primitives and the current pad.
#include <gtest/gtest.h>

#include "TCanvas.h"
#include "TList.h"
#include "TNamed.h"
#include "TPad.h"
#include "TVirtualX.h"
#include "error_capture.h"
#include "recording_x.h"

namespace {
class PadTest : public testing::Test {
protected:
   void TearDown() override { gPad = nullptr; }
};

struct PixelCase {
   double x, y;
   int px, py; // relative to the pad, y from its top
};

TEST_F(PadTest, UserCoordinatesMapOntoThePadPixels)
{
   TCanvas canvas("c", 200, 100, 0);
   TPad pad("p", "p", 0, 0, 1, 1);
   pad.Range(0, 0, 10, 5);
   const PixelCase cases[] = {{0, 0, 0, 100}, {10, 5, 200, 0}, {5, 2.5, 100, 50}, {2.5, 1, 50, 80}};
   for (const PixelCase &c : cases) {
      EXPECT_EQ(pad.XtoPixel(c.x), c.px) << c.x;
      EXPECT_EQ(pad.YtoPixel(c.y), c.py) << c.y;
      EXPECT_EQ(pad.XtoAbsPixel(c.x), c.px) << c.x;
      EXPECT_EQ(pad.YtoAbsPixel(c.y), c.py) << c.y;
      EXPECT_DOUBLE_EQ(pad.PixeltoX(c.px), c.x);
      // PixeltoY counts rows from the pad's bottom, so a row from the top is shifted by the height.
      EXPECT_DOUBLE_EQ(pad.PixeltoY(c.py - int(pad.GetWh())), c.y);
      EXPECT_DOUBLE_EQ(pad.AbsPixeltoY(c.py), c.y);
   }
   EXPECT_EQ(pad.GetWw(), 200u);
   EXPECT_EQ(pad.GetWh(), 100u);
}

TEST_F(PadTest, RangeMakesTheWholePadTheFrameUntilAnAxisRangeIsSet)
{
   TCanvas canvas("c", 100, 100, 0);
   TPad pad("p", "p", 0, 0, 1, 1);
   EXPECT_DOUBLE_EQ(pad.GetUxmax(), 1) << "ROOT's default pad range";
   pad.Range(-8, -1, 2, 3);
   EXPECT_DOUBLE_EQ(pad.GetUxmin(), -8);
   EXPECT_DOUBLE_EQ(pad.GetUymin(), -1);
   EXPECT_DOUBLE_EQ(pad.GetUxmax(), 2);
   EXPECT_DOUBLE_EQ(pad.GetUymax(), 3);
   pad.RangeAxis(-7, 0, 1, 2);
   EXPECT_DOUBLE_EQ(pad.GetUxmin(), -7);
   EXPECT_DOUBLE_EQ(pad.GetX1(), -8) << "the pad range stays";
}

TEST_F(PadTest, SubPadSitsInItsShareOfTheCanvas)
{
   TCanvas canvas("c", 200, 100, 0);
   TPad pad("p", "p", 0.5, 0.5, 1, 1);
   EXPECT_EQ(pad.GetMother(), &canvas);
   EXPECT_EQ(pad.GetCanvas(), &canvas);
   EXPECT_EQ(pad.XtoAbsPixel(0), 100);
   EXPECT_EQ(pad.YtoAbsPixel(0), 50);
   EXPECT_EQ(pad.XtoAbsPixel(1), 200);
   EXPECT_EQ(pad.YtoAbsPixel(1), 0);
   EXPECT_EQ(pad.XtoPixel(0), 0) << "relative to the pad";
   EXPECT_EQ(pad.YtoPixel(0), 50);
}

TEST_F(PadTest, CanvasSizeIsSharedAndEachPadRecomputesItsOwnConversions)
{
   TCanvas canvas("c", 10, 10, 0);
   TPad a("a", "a", 0, 0, 1, 1), b("b", "b", 0, 0, 1, 1);
   a.SetCanvasSize(300, 200);
   a.ResizePad();
   EXPECT_EQ(a.XtoPixel(1), 300);
   EXPECT_EQ(b.GetWw(), 300u) << "the canvas is shared";
   EXPECT_EQ(b.XtoPixel(1), 10) << "b keeps its conversions until it is resized";
   b.ResizePad();
   EXPECT_EQ(b.XtoPixel(1), 300);
}

TEST_F(PadTest, LogarithmicAxesConvertBetweenValuesAndPadCoordinates)
{
   TCanvas canvas("c", 100, 100, 0);
   TPad pad("p", "p", 0, 0, 1, 1);
   EXPECT_DOUBLE_EQ(pad.YtoPad(1000), 1000);
   pad.SetLogy(1);
   EXPECT_EQ(pad.GetLogy(), 1);
   EXPECT_DOUBLE_EQ(pad.YtoPad(1000), 3);
   EXPECT_DOUBLE_EQ(pad.PadtoY(2), 100);
   EXPECT_LT(pad.YtoPad(0), -10) << "no logarithm: far below any range";
   EXPECT_DOUBLE_EQ(pad.PadtoX(2), 2) << "x stays linear";
}

TEST_F(PadTest, EmbeddedCanvasBecomesTheCurrentPadAndMotherOfNewPads)
{
   TCanvas canvas("myCanvas", 10, 10, 0);
   EXPECT_EQ(gPad, &canvas);
   EXPECT_STREQ(canvas.GetName(), "myCanvas");
   EXPECT_EQ(canvas.GetCanvasID(), 0);
   {
      TPad pad("p", "t", 0, 0, 1, 1);
      EXPECT_STREQ(pad.GetTitle(), "t");
      pad.cd();
      EXPECT_EQ(gPad, &pad);
   }
   EXPECT_EQ(gPad, &canvas) << "deleting the current pad makes its mother current";
}

TEST_F(PadTest, PadWithoutCanvasReportsAndStaysUsable)
{
   gPad = nullptr;
   ErrorCapture errors;
   TPad pad("p", "p", 0, 0, 1, 1);
   ASSERT_EQ(ErrorCapture::Reports().size(), 1u);
   EXPECT_EQ(ErrorCapture::Reports()[0].location, "TPad::TPad");
   EXPECT_EQ(pad.GetCanvas(), nullptr);
   EXPECT_EQ(pad.GetWw(), 0u);
   pad.Paint();
}

TEST_F(PadTest, PadsOutlivingTheirCanvasLoseItSafely)
{
   auto *canvas = new TCanvas("c", 50, 50, 0);
   TPad pad("p", "p", 0, 0, 1, 1);
   delete canvas;
   EXPECT_EQ(pad.GetCanvas(), nullptr);
   EXPECT_EQ(gPad, nullptr);
   pad.SetCanvasSize(10, 10);
   pad.Paint();
}

TEST_F(PadTest, ClearDeletesOnlyPrimitivesMarkedForDeletion)
{
   TCanvas canvas("c", 10, 10, 0);
   TNamed kept("kept", "");
   auto *owned = new TNamed("owned", "");
   owned->SetBit(TObject::kCanDelete);
   canvas.Add(&kept, "opt");
   canvas.Add(owned);
   ASSERT_EQ(canvas.GetListOfPrimitives()->GetSize(), 2);
   EXPECT_STREQ(canvas.GetListOfPrimitives()->FirstLink()->GetOption(), "opt");
   canvas.Clear();
   EXPECT_EQ(canvas.GetListOfPrimitives()->GetSize(), 0);
   EXPECT_STREQ(kept.GetName(), "kept"); // still alive; ASan reports a leak or double delete otherwise
}

TEST_F(PadTest, DeletedPrimitivesLeaveEveryPadThatListsThem)
{
   TCanvas canvas("c", 10, 10, 0);
   TPad pad("p", "p", 0, 0, 1, 1);
   auto *shared = new TNamed("shared", "");
   canvas.Add(shared);
   pad.Add(shared);
   pad.Add(shared, "twice");
   delete shared;
   EXPECT_EQ(canvas.GetListOfPrimitives()->GetSize(), 0);
   EXPECT_EQ(pad.GetListOfPrimitives()->GetSize(), 0);

   // An object assigned over keeps its place in the pad, and still leaves it when it goes.
   {
      TNamed listed("listed", "");
      pad.Add(&listed);
      listed = TNamed("other", "");
      EXPECT_EQ(pad.GetListOfPrimitives()->First(), &listed);
   }
   EXPECT_EQ(pad.GetListOfPrimitives()->GetSize(), 0);
   pad.Clear();
}

// Records which pad was current while it was painted.
class PadSpy : public TObject {
public:
   void Paint(Option_t *option) override
   {
      seenPad = gPad;
      seenOption = option;
   }
   TVirtualPad *seenPad = nullptr;
   std::string seenOption;
};

TEST_F(PadTest, PaintFillsTheBackgroundThenPaintsPrimitivesWithThePadCurrent)
{
   InstalledRecorder x;
   TCanvas canvas("c", 40, 30, 0);
   TPad pad("p", "p", 0, 0, 1, 1, 2);
   PadSpy spy;
   pad.Add(&spy, "same");
   canvas.cd();
   pad.Paint();
   EXPECT_EQ(spy.seenPad, &pad);
   EXPECT_EQ(spy.seenOption, "same");
   EXPECT_EQ(gPad, &canvas) << "the current pad is restored";
   ASSERT_EQ(x->Of("box").size(), 1u);
   const RecordingX::Call &box = *x->Of("box")[0];
   EXPECT_EQ(box.mode, TVirtualX::kFilled);
   EXPECT_EQ(box.points[0].fX, 0);
   EXPECT_EQ(box.points[0].fY, 30) << "lower-left corner first";
   EXPECT_EQ(box.points[1].fX, 40);
   EXPECT_EQ(box.points[1].fY, 0);

   x->calls.clear();
   pad.SetFillStyle(0);
   pad.Paint();
   EXPECT_TRUE(x->Of("box").empty()) << "a transparent pad paints no background";
}

TEST_F(PadTest, PolyMarkersOutsideThePadRangeAreLeftOut)
{
   InstalledRecorder x;
   TCanvas canvas("c", 100, 100, 0);
   double xs[] = {0, 0.5, 1.5, 1};
   double ys[] = {0, 0.5, 0.5, 1};
   canvas.PaintPolyMarker(4, xs, ys);
   ASSERT_EQ(x->Of("marker").size(), 1u);
   EXPECT_EQ(x->Of("marker")[0]->points.size(), 3u);
}
} // namespace
