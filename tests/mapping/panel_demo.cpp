// Shows the Receptor panel after an overview of a two-lobed scene, for people
// to look at (not a test, not installed):
//   panel_demo [--screenshot FILE.png]
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

#include <cmath>
#include <cstring>

#include "WindowScreenshot.h"
#include "mapping/receptorMappingUI.h"

int main(int argc, char** argv) {
  const char* screenshot = argc == 3 && std::strcmp(argv[1], "--screenshot") == 0 ? argv[2] : nullptr;
  Fl::scheme("gtk+");
  Fl_Double_Window window(416, 520, "Receptor");
  receptorMappingUI panel(0, 25, 416, 470);
  window.end();
  window.resizable(panel);

  // A dark interior and a bright window: two lobes twelve stops apart.
  const int w = 160, h = 120;
  OrvLevelImage level(w, h, 0, 0, w, h, w, h, -10, -10, 10, 10, 0, 0, 0, 0, 1, 1, 0);
  for (int j = 0; j < level.Height(); ++j)
    for (int i = 0; i < level.Width(); ++i) {
      const int x = level.XMap()(i, 0), y = level.YMap()(0, j);
      const bool bright = x > 100 && y < 60;
      level.Pixels()(i, j) = (bright ? 4.0f : -8.0f) + 1.5f * std::sin(0.3f * x) * std::cos(0.2f * y);
    }
  panel.SetLogAverage(std::exp2(-6.0));
  panel.SetMaximum(std::exp2(5.5));
  vigra::BasicImage<float> output(w, h);
  panel.ApplyOperator(output, {level}, true);

  window.show();
  if (!screenshot) return Fl::run();
  for (int i = 0; i < 20; ++i) Fl::wait(0.05);
  window.redraw();
  Fl::flush();
  return WriteWindowScreenshot(window, screenshot) ? 0 : 1;
}
