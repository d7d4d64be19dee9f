// Shows an operator panel after an overview of a two-lobed scene, for people
// to look at (not a test, not installed):
//   panel_demo [receptor|compressor] [--screenshot FILE.png]
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

#include <cmath>
#include <cstring>

#include "WindowScreenshot.h"
#include <memory>

#include "compressor/compressorMappingUI.h"
#include "mapping/receptorMappingUI.h"

int main(int argc, char** argv) {
  const bool compressor = argc > 1 && std::strcmp(argv[1], "compressor") == 0;
  const char* screenshot = nullptr;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
  Fl::scheme("gtk+");
  Fl_Double_Window window(416, 520, compressor ? "Compressor" : "Receptor");
  std::unique_ptr<OrvMappingBase> panel;
  if (compressor)
    panel = std::make_unique<compressorMappingUI>(0, 25, 416, 470);
  else
    panel = std::make_unique<receptorMappingUI>(0, 25, 416, 470);
  window.end();
  window.resizable(panel.get());

  // A dark interior and a bright window: two lobes twelve stops apart.
  const int w = 160, h = 120;
  OrvLevelImage level(w, h, 0, 0, w, h, w, h, -10, -10, 10, 10, 0, 0, 0, 0, 1, 1, 0);
  for (int j = 0; j < level.Height(); ++j)
    for (int i = 0; i < level.Width(); ++i) {
      const int x = level.XMap()(i, 0), y = level.YMap()(0, j);
      const bool bright = x > 100 && y < 60;
      level.Pixels()(i, j) = (bright ? 4.0f : -8.0f) + 1.5f * std::sin(0.3f * x) * std::cos(0.2f * y);
    }
  if (auto* receptor = dynamic_cast<receptorMappingUI*>(panel.get())) {
    receptor->SetLogAverage(std::exp2(-6.0));
    receptor->SetMaximum(std::exp2(5.5));
  }
  if (auto* gradient = dynamic_cast<compressorMappingUI*>(panel.get())) gradient->SetSourceRange(std::exp2(-9.5), std::exp2(5.5));
  vigra::BasicImage<float> output(w, h);
  panel->ApplyOperator(output, {level}, true);

  window.show();
  if (!screenshot) return Fl::run();
  for (int i = 0; i < 20; ++i) Fl::wait(0.05);
  window.redraw();
  Fl::flush();
  return WriteWindowScreenshot(window, screenshot) ? 0 : 1;
}
