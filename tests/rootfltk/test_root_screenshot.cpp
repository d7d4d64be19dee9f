// A picture of ROOT painting through FLTK, written for people to look at: a Gaussian histogram
// drawn "LF2" with labelled axes, a spline with its knots as markers over it, and a curve-editor
// style axis on the right. The test checks the broad layout; the PNG is for the eye.
#include <cmath>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <vigra/impex.hxx>
#include <vigra/rgbvalue.hxx>
#include <vigra/stdimage.hxx>

#include "Fl_TPad.h"
#include "TGaxis.h"
#include "TH1.h"
#include "TMarker.h"
#include "TSpline.h"
#include "offscreen.h"

namespace {
void WritePng(const Image &image, const std::string &path)
{
   vigra::BRGBImage out(image.Width(), image.Height());
   for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) {
         const Rgb p = image.At(x, y);
         out(x, y) = vigra::RGBValue<unsigned char>(p.r, p.g, p.b);
      }
   vigra::exportImage(vigra::srcImageRange(out), vigra::ImageExportInfo(path.c_str()));
}

TEST(RootScreenshot, HistogramWithSplineAndMarkers)
{
   const int w = 640, h = 440;
   Fl_TPad pad(0, 0, w, h, "screenshot");
   pad.SetInsets(20, 70, 50, 70);
   pad.SetFillStyle(0);
   pad.SetMargin(0, 0, 0, 0);
   pad.cd();

   auto *hist = new TH1D("gauss", "", 80, -4, 4);
   for (int bin = 1; bin <= 80; ++bin) {
      const double x = hist->GetBinCenter(bin);
      hist->SetBinContent(bin, 1000 * std::exp(-x * x / 2));
   }
   hist->SetDirectory(nullptr);
   hist->SetBit(TObject::kCanDelete);
   hist->SetLabelSize(0.05, "XY");
   hist->SetLabelOffset(0.025, "XY");
   hist->SetStats(kFALSE);
   hist->SetFillColor(18);
   hist->Draw("LF2");

   double kx[] = {-4, -2.5, -1, 0, 1.5, 3, 4};
   double ky[] = {100, 150, 600, 900, 500, 250, 200};
   TSpline3 spline("curve", kx, ky, 7, "b2e2", 0, 0);
   spline.SetLineColor(4);
   spline.SetLineWidth(2);
   spline.SetYRange(0, 1050);
   spline.SetNpx(w);
   spline.Draw("same");
   TMarker markers[7];
   for (int i = 0; i < 7; ++i) {
      markers[i] = TMarker(kx[i], ky[i], i == 3 ? 21 : 25);
      markers[i].SetMarkerSize(0.8f);
      markers[i].SetMarkerColor(2);
      markers[i].Draw();
   }
   TGaxis axis(4, 0, 4, 1050, -8, 2, 510, "+C");
   axis.SetLabelSize(0.05f);
   axis.SetLabelOffset(0.035f);
   axis.Draw();

   Image image = PaintOffscreen(w, h, [&] { pad.draw(); });
   pad.Clear(); // deletes the histogram
   gPad = pad.GetMother();

   const std::filesystem::path dir = std::filesystem::path(ORV_BINARY_DIR) / "screenshots";
   std::filesystem::create_directories(dir);
   WritePng(image, (dir / "root_painting.png").string());

   // The frame spans the drawing area; labels fall into the insets on three sides.
   const InkBox ink = image.Box();
   EXPECT_LT(ink.x0, 70 - 5) << "y labels left of the frame";
   EXPECT_GT(ink.x1, w - 70 + 5) << "axis labels right of the frame";
   EXPECT_GT(ink.y1, h - 50 + 5) << "x labels below the frame";
   const Rgb grey{230, 230, 230}; // colour 18 (0.9 grey)
   EXPECT_EQ(image.At(w / 2, h - 50 - 20), grey) << "filled under the peak";
   EXPECT_FALSE(image.Box(Rgb{0, 0, 255}).Empty()) << "the spline";
   EXPECT_FALSE(image.Box(Rgb{255, 0, 0}).Empty()) << "the markers";
}
} // namespace
