// Painting into an offscreen pixmap and reading the pixels back, for tests under Xvfb.
#ifndef ORV_TESTS_ROOTFLTK_OFFSCREEN_H
#define ORV_TESTS_ROOTFLTK_OFFSCREEN_H

#include <algorithm>
#include <functional>
#include <vector>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "TObject.h"

struct Rgb {
   int r, g, b;
   bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

struct InkBox {
   int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1; // inclusive
   bool Empty() const { return x1 < x0; }
   int Width() const { return x1 - x0 + 1; }
   int Height() const { return y1 - y0 + 1; }
};

class Image {
public:
   Image(int w, int h, std::vector<unsigned char> rgb) : fW(w), fH(h), fRgb(std::move(rgb)) {}
   int Width() const { return fW; }
   int Height() const { return fH; }
   Rgb At(int x, int y) const
   {
      const unsigned char *p = &fRgb[3 * (size_t(y) * fW + x)];
      return {p[0], p[1], p[2]};
   }
   bool IsInk(int x, int y) const { return !(At(x, y) == Rgb{255, 255, 255}); }
   /// Bounding box of every pixel that is not white (or, with colour, of that colour only).
   InkBox Box() const { return BoxWhere([&](int x, int y) { return IsInk(x, y); }); }
   InkBox Box(Rgb colour) const { return BoxWhere([&](int x, int y) { return At(x, y) == colour; }); }
   int CountInk() const
   {
      int n = 0;
      for (int y = 0; y < fH; ++y)
         for (int x = 0; x < fW; ++x) n += IsInk(x, y);
      return n;
   }
   const std::vector<unsigned char> &Rgbs() const { return fRgb; }

private:
   template <typename Pred>
   InkBox BoxWhere(Pred pred) const
   {
      InkBox box;
      for (int y = 0; y < fH; ++y)
         for (int x = 0; x < fW; ++x)
            if (pred(x, y)) {
               box.x0 = std::min(box.x0, x);
               box.y0 = std::min(box.y0, y);
               box.x1 = std::max(box.x1, x);
               box.y1 = std::max(box.y1, y);
            }
      return box;
   }
   int fW, fH;
   std::vector<unsigned char> fRgb;
};

/// Runs draw with an offscreen pixmap of w x h white pixels as FLTK's drawing target.
inline Image PaintOffscreen(int w, int h, const std::function<void()> &draw)
{
   fl_open_display();
   Fl_Offscreen pixmap = fl_create_offscreen(w, h);
   std::vector<unsigned char> rgb(size_t(w) * h * 3);
   {
      fl_begin_offscreen(pixmap);
      fl_color(255, 255, 255);
      fl_rectf(0, 0, w, h);
      draw();
      fl_read_image(rgb.data(), 0, 0, w, h);
      fl_end_offscreen();
   }
   fl_delete_offscreen(pixmap);
   return Image(w, h, std::move(rgb));
}

/// A primitive that runs a function when its pad is painted.
class PaintProbe : public TObject {
public:
   explicit PaintProbe(std::function<void()> paint) : fPaint(std::move(paint)) {}
   void Paint(Option_t *) override
   {
      ++fCount;
      fPaint();
   }
   int Count() const { return fCount; }

private:
   std::function<void()> fPaint;
   int fCount = 0;
};

#endif
