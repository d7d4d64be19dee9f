#pragma once
// Writes what a shown window displays to a PNG file, for people to look at.
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <vector>
#include <vigra/impex.hxx>
#include <vigra/stdimage.hxx>

inline bool WriteWindowScreenshot(Fl_Window& window, const char* path) {
  std::vector<unsigned char> rgb(size_t(window.w()) * window.h() * 3);
  window.make_current();
  fl_read_image(rgb.data(), 0, 0, window.w(), window.h());
  vigra::BRGBImage out(window.w(), window.h());
  for (int y = 0; y < window.h(); ++y)
    for (int x = 0; x < window.w(); ++x) {
      const unsigned char* p = &rgb[3 * (size_t(y) * window.w() + x)];
      out(x, y) = vigra::RGBValue<unsigned char>(p[0], p[1], p[2]);
    }
  try {
    vigra::exportImage(vigra::srcImageRange(out), vigra::ImageExportInfo(path));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", path, e.what());
    return false;
  }
  return true;
}
