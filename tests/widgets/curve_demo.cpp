// A curve editor over a histogram display as the post-processing panel lays them out: a plot
// area of 275 x 200, insets 10, 20, 20, 20, the editor's vertical range -8 .. 2, the display in
// colour 51 with selection colour 49, and the two option groups under the plot.
//
//   curve_demo                  interactive
//   curve_demo --screenshot F   draws once and writes the window to the PNG file F
#include "WindowScreenshot.h"
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>
#include <vigra/impex.hxx>
#include <vigra/rgbvalue.hxx>
#include <vigra/stdimage.hxx>

#include "TH1.h"
#include "widgets/OrvCurvePointLinkage.h"
#include "widgets/OrvCurves.h"
#include "widgets/OrvHistogramAxisScaling.h"
#include "widgets/Orv_Histogram_Display.h"

namespace {
// Log2 luminance of a made-up scene: a dim interior and a bright window.
void FillSceneHistogram(TH1D& h) {
  for (int i = 1; i <= h.GetNbinsX(); ++i) {
    const double x = h.GetBinCenter(i);
    h.SetBinContent(i, 900 * std::exp(-(x + 4.5) * (x + 4.5) / 2) + 350 * std::exp(-(x - 1) * (x - 1) / 0.5));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* screenshot = argc == 3 && std::strcmp(argv[1], "--screenshot") == 0 ? argv[2] : nullptr;
  Fl::scheme("gtk+");

  Fl_Double_Window window(415, 300, "Curve editor over a histogram");
  Fl_Group plot(70, 20, 275, 200);
  Orv_Histogram_Display display(70, 20, 275, 200);
  display.box(FL_DOWN_BOX);
  display.color(51);
  display.selection_color(49);
  display.SetInsets(10, 20, 20, 20);
  OrvCurves curves(70, 20, 275, 200);
  curves.box(FL_NO_BOX);
  curves.selection_color(49);
  curves.SetInsets(10, 20, 20, 20);
  curves.SetCurveYRange(-8, 2);
  plot.end();
  OrvHistogramAxisScaling scaling(70, 235, 275, 20);
  OrvCurvePointLinkage linkage(70, 265, 275, 20);
  window.end();

  TH1D scene("scene", "", 4095, -9, 3);
  scene.SetDirectory(nullptr);
  FillSceneHistogram(scene);

  // Framed like the panel after an overview run: the curve from black at the data minimum to
  // white at the maximum, one point lifted in the shadows.
  curves.SetPreset(2);
  curves.SetCurveRange(-9, -8, 3, 2);
  std::vector<TMarker> points;
  curves.GetPoints(points, false);
  points.back().SetY(0);
  points.insert(points.begin() + 1, TMarker(-4.5, -4, OrvCurves::kPointStyle));
  curves.SetPoints(points, false);
  curves.StretchRange(-7.5, -8, 2.5, 2);

  auto showEndPoints = [&] {
    std::vector<TMarker> now;
    curves.GetPoints(now, false);
    display.fDisplayMin = now.front().GetX();
    display.fDisplayMax = now.back().GetX();
    display.SetHistogram(&scene);
  };
  showEndPoints();
  for (auto* signal : {&curves.hoverChanged, &curves.pointPressed, &curves.pointDragged, &curves.pointReleased})
    signal->connect([&] { display.redraw(); });
  curves.rangeDragged.connect(showEndPoints);
  scaling.scalingChanged.connect([&] {
    display.fLogY = scaling.GetScaling();
    display.SetHistogram(&scene);
    window.redraw();
  });
  linkage.linkageChanged.connect([&] { curves.SetLinkage(linkage.GetLinkage()); });
  linkage.SetLinkage(curves.GetLinkage());

  window.show();
  if (!screenshot) return Fl::run();
  for (int i = 0; i < 20; ++i) Fl::wait(0.05);
  window.redraw();
  Fl::flush();
  return WriteWindowScreenshot(window, screenshot) ? 0 : 1;
}
