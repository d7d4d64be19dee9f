#include "TGFltk.h"

#include <algorithm>
#include <cmath>

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "Fl_TPad.h"
#include "TColor.h"
#include "TFreeType.h"
#include "TROOT.h"

TGFltk::TGFltk(const char *name, const char *title)
   : TVirtualX(name, title), fFreeType(new TFreeType), fMarker(new MarkerShape),
     fTextOffset(new std::pair<int, int>(0, 0))
{
}

TGFltk::~TGFltk()
{
   delete fFreeType;
   delete fMarker;
   delete fTextOffset;
   TVirtualX::Instance() = gGXBatch;
   gROOT->SetBatch(kTRUE);
}

void TGFltk::SetColor(Color_t cindex) const
{
   float r = 0, g = 0, b = 0; // an index the colour table does not know draws black
   if (const TColor *color = gROOT->GetColor(cindex)) {
      color->GetRGB(r, g, b);
      if (TColor::IsGrayscale()) r = g = b = color->GetGrayscale();
   }
   fl_color(uchar(r * 255 + 0.5f), uchar(g * 255 + 0.5f), uchar(b * 255 + 0.5f));
}

void TGFltk::SetLineAttributes() const { fl_line_style(fLineStyle, fLineWidth, nullptr); }

void TGFltk::GetOffset(int &ox, int &oy) const
{
   ox = fCurrentPad->x() + fCurrentPad->GetInsetLeft();
   oy = fCurrentPad->y() + fCurrentPad->GetInsetTop();
}

void TGFltk::DrawBox(Int_t x1, Int_t y1, Int_t x2, Int_t y2, EBoxMode mode)
{
   if (!fCurrentPad) return;
   int ox, oy;
   GetOffset(ox, oy);
   SetColor(mode ? fFillColor : fLineColor);
   SetLineAttributes();
   // ROOT gives the lower-left corner first; reversed corners give an empty rectangle.
   if (mode == kHollow)
      fl_rect(x1 + ox, y2 + oy, x2 - x1, y1 - y2);
   else
      fl_rectf(x1 + ox, y2 + oy, x2 - x1, y1 - y2);
}

void TGFltk::DrawFillArea(Int_t n, TPoint *xy)
{
   if (!fCurrentPad) return;
   int ox, oy;
   GetOffset(ox, oy);
   SetColor(fFillHollow ? fLineColor : fFillColor);
   SetLineAttributes();
   if (fFillHollow)
      fl_begin_line();
   else
      fl_begin_complex_polygon(); // ROOT fill areas need not be convex (histogram outlines)
   for (Int_t i = 0; i < n; ++i) fl_vertex(xy[i].fX + ox, xy[i].fY + oy);
   if (fFillHollow)
      fl_end_line();
   else
      fl_end_complex_polygon();
}

void TGFltk::DrawLine(Int_t x1, Int_t y1, Int_t x2, Int_t y2)
{
   if (!fCurrentPad) return;
   int ox, oy;
   GetOffset(ox, oy);
   SetColor(fLineColor);
   SetLineAttributes();
   fl_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy);
}

void TGFltk::DrawPolyLine(Int_t n, TPoint *xy)
{
   if (!fCurrentPad) return;
   int ox, oy;
   GetOffset(ox, oy);
   SetColor(fLineColor);
   SetLineAttributes();
   fl_begin_line();
   for (Int_t i = 0; i < n; ++i) fl_vertex(xy[i].fX + ox, xy[i].fY + oy);
   fl_end_line();
}

void TGFltk::DrawPolyMarker(Int_t n, TPoint *xy)
{
   if (!fCurrentPad) return;
   int ox, oy;
   GetOffset(ox, oy);
   SetColor(fMarkerColor);
   for (Int_t i = 0; i < n; ++i) {
      xy[i].fX = SCoord_t(xy[i].fX + ox);
      xy[i].fY = SCoord_t(xy[i].fY + oy);
   }
   const MarkerShape &shape = *fMarker;
   const int c = shape.count, h = c / 2;
   const TPoint *s = shape.points;
   for (Int_t i = 0; i < n; ++i) {
      const int x = xy[i].fX, y = xy[i].fY;
      if (c <= 0) {
         fl_point(x, y);
         continue;
      }
      switch (shape.kind) {
      case 0: fl_arc(x - h, y - h, c, c, 0, 360); break;
      case 1: fl_pie(x - h, y - h, c, c, 0, 360); break;
      case 2:
      case 3:
         if (shape.kind == 2)
            fl_begin_line();
         else
            fl_begin_polygon();
         for (int j = 0; j < c; ++j) fl_vertex(x + s[j].fX, y + s[j].fY);
         if (shape.kind == 2)
            fl_end_line();
         else
            fl_end_polygon();
         break;
      case 4:
         for (int j = 0; j + 1 < c; j += 2) fl_line(x + s[j].fX, y + s[j].fY, x + s[j + 1].fX, y + s[j + 1].fY);
         break;
      default: break;
      }
   }
}

void TGFltk::ComputeTextOffset()
{
   const int a = fTextAlign;
   const long ascent = fFreeType->GetAscent(), width = fFreeType->GetWidth();
   FT_Vector offset;
   offset.y = a >= 1 && a <= 3 ? ascent : a >= 4 && a <= 6 ? ascent / 2 : 0;
   offset.x = (a == 2 || a == 5 || a == 8) ? width / 2 : (a == 3 || a == 6 || a == 9) ? width : 0;
   if (fFreeType->GetRotMatrix()) FT_Vector_Transform(&offset, fFreeType->GetRotMatrix());
   fTextOffset->first = int(offset.x >> 6);
   fTextOffset->second = int(offset.y >> 6);
}

void TGFltk::DrawText(Int_t x, Int_t y, Float_t angle, Float_t, const char *text, ETextMode)
{
   if (!fCurrentPad || !text) return;
   fFreeType->SetTextFontNumber(fTextFont);
   if (fFreeType->GetCurrentFace() == nullptr) return; // no font at all
   // A face selected after the last size change still needs the current size (sizes below a
   // pixel only arise before any text attributes were set, and have no face size).
   if (fTextSize >= 1) fFreeType->SetTextSize(fTextSize);
   fFreeType->SetGlyphRotation(angle);
   fFreeType->ConvertString(text);
   fFreeType->PlaceGlyphs();
   ComputeTextOffset();

   int ox, oy;
   GetOffset(ox, oy);
   float cr = 0, cg = 0, cb = 0;
   if (const TColor *color = gROOT->GetColor(fTextColor)) {
      color->GetRGB(cr, cg, cb);
      if (TColor::IsGrayscale()) cr = cg = cb = color->GetGrayscale();
   }
   cr *= 255;
   cg *= 255;
   cb *= 255;

   // Only pixels of the drawable can be read back and blended; the rest of a glyph is dropped.
   int drawableW = 0, drawableH = 0;
   {
      Window root;
      int dx, dy;
      unsigned int w, h, border, depth;
      if (fl_display && fl_window && XGetGeometry(fl_display, fl_window, &root, &dx, &dy, &w, &h, &border, &depth)) {
         drawableW = int(w);
         drawableH = int(h);
      }
   }

   const bool smooth = fFreeType->GetSmoothing();
   TTGlyph *glyphs = fFreeType->GetGlyphs();
   for (Int_t n = 0; n < fFreeType->GetNumGlyphs(); ++n) {
      TTGlyph &glyph = glyphs[n];
      if (!glyph.fImage) continue;
      if (FT_Glyph_To_Bitmap(&glyph.fImage, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO, nullptr, 1))
         continue;
      const FT_BitmapGlyph bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(glyph.fImage);
      const FT_Bitmap &bitmap = bitmapGlyph->bitmap;
      const int gx = x + ox - fTextOffset->first + bitmapGlyph->left;
      const int gy = y + oy + fTextOffset->second - bitmapGlyph->top;
      const int w = int(bitmap.width), rows = int(bitmap.rows);
      const int k0 = std::max(0, -gx), j0 = std::max(0, -gy);
      const int k1 = std::min(w, drawableW - gx), j1 = std::min(rows, drawableH - gy);
      if (k1 <= k0 || j1 <= j0) continue;
      const int readW = k1 - k0;
      uchar *background = fl_read_image(nullptr, gx + k0, gy + j0, readW, j1 - j0);
      if (!background) continue;
      for (int j = j0; j < j1; ++j) {
         const unsigned char *row = bitmap.buffer + j * bitmap.pitch;
         for (int k = k0; k < k1; ++k) {
            // Monochrome bitmaps hold one bit per pixel, most significant first.
            const int v = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[k >> 3] >> (7 - (k & 7))) & 1) * 255 : row[k];
            const float alpha = v / 255.f;
            const uchar *bg = background + 3 * ((j - j0) * readW + (k - k0));
            fl_color(uchar(cr * alpha + (1 - alpha) * bg[0]), uchar(cg * alpha + (1 - alpha) * bg[1]),
                     uchar(cb * alpha + (1 - alpha) * bg[2]));
            fl_point(gx + k, gy + j);
         }
      }
      delete[] background;
   }
}

void TGFltk::GetCharacterUp(Float_t &chupx, Float_t &chupy)
{
   chupx = fCharUpX;
   chupy = fCharUpY;
}

void TGFltk::GetGeometry(Int_t, Int_t &, Int_t &, UInt_t &, UInt_t &) {}

void TGFltk::GetTextExtent(UInt_t &w, UInt_t &h, char *mess) { fFreeType->MeasureString(w, h, mess); }

Float_t TGFltk::GetTextMagnitude() { return fTextScale; }

void TGFltk::SetCharacterUp(Float_t chupx, Float_t chupy)
{
   if (chupx == fCharUpX && chupy == fCharUpY) return;
   Float_t angle;
   if (chupx == 0 && (chupy == 0 || chupy == 1))
      angle = 0;
   else if (chupx == -1 && chupy == 0)
      angle = 90;
   else if (chupx == 0 && chupy == -1)
      angle = 180;
   else if (chupx == 1 && chupy == 0)
      angle = 270;
   else {
      // 3.14159 rather than pi: the angles this yields are the ones the labels were laid out with.
      const double c = chupx / std::sqrt(double(chupx) * chupx + double(chupy) * chupy);
      const double radians = c < -1 ? M_PI : c > 1 ? 0 : std::acos(c);
      angle = Float_t(radians * 180 / 3.14159 - 90);
      if (chupy < 0) angle = 180 - angle;
      if (std::fabs(angle) < 0.01f) angle = 0;
   }
   fTextAngle = angle;
   fCharUpX = chupx;
   fCharUpY = chupy;
}

Int_t TGFltk::SetTextFont(char *fontname, ETextSetMode) { return fFreeType->SetTextFont(fontname); }

void TGFltk::SetTextMagnitude(Float_t mgn) { fTextScale = mgn; }

void TGFltk::SetLineColor(Color_t cindex)
{
   if (cindex >= 0) fLineColor = cindex;
}

void TGFltk::SetLineStyle(Style_t linestyle)
{
   switch (linestyle) {
   case 2: fLineStyle = FL_DASH; break;
   case 3: fLineStyle = FL_DOT; break;
   case 4: fLineStyle = FL_DASHDOT; break;
   default: fLineStyle = FL_SOLID; break;
   }
}

void TGFltk::SetLineWidth(Width_t width)
{
   if (width < 0) return;
   // ROOT's thinnest line is FLTK's width 0 (the fast one-pixel line).
   fLineWidth = width == 1 ? 0 : width;
}

void TGFltk::SetFillColor(Color_t cindex)
{
   if (cindex >= 0) fFillColor = cindex;
}

void TGFltk::SetFillStyle(Style_t style)
{
   fFillStyle = style;
   // Solid (1xxx) and pattern (3xxx) styles fill; hollow (0, 2xxx and the rest) only outline.
   const int kind = style / 1000;
   fFillHollow = (kind == 1 || kind == 3) ? 0 : 1;
}

void TGFltk::SetTextAlign(Short_t talign)
{
   const int h = talign / 10, v = talign % 10;
   if (unsigned(h) > 3) return;
   static const Short_t kCodes[4][3] = {{7, 4, 1}, {7, 4, 1}, {8, 5, 2}, {9, 6, 3}};
   if (v >= 1 && v <= 3) fTextAlign = kCodes[h][v - 1];
}

void TGFltk::SetTextColor(Color_t cindex) { fTextColor = cindex; }

void TGFltk::SetTextFont(Font_t fontnumber) { fTextFont = fontnumber; }

void TGFltk::SetTextSize(Float_t textsize)
{
   fTextSize = textsize;
   fFreeType->SetTextSize(textsize);
}

void TGFltk::SetMarkerColor(Color_t cindex)
{
   if (cindex >= 0) fMarkerColor = cindex;
}

void TGFltk::SetMarkerSize(Size_t markersize)
{
   // The shape follows the size only when the style changes next.
   if (markersize >= 0) fMarkerSize = markersize;
}

void TGFltk::SetMarkerShape(int kind, int count, const TPoint *points)
{
   fMarker->kind = kind;
   fMarker->count = count > MarkerShape::kMaxPoints ? MarkerShape::kMaxPoints : count;
   if (kind >= 2 && kind <= 4 && points)
      for (int i = 0; i < fMarker->count; ++i) fMarker->points[i] = points[i];
}

void TGFltk::SetMarkerStyle(Style_t markerstyle)
{
   if (markerstyle == fMarkerStyle || markerstyle >= 31) return;
   if (markerstyle < 0) markerstyle = Style_t(-markerstyle);
   fMarkerStyle = markerstyle;

   const float s = fMarkerSize;
   const int m = int(4 * s + 0.5f), a = int(0.707f * m + 0.5f), b = int(1.33f * s + 0.5f);
   const int c = int(2.66f * s + 0.5f), d = int(2 * s + 0.5f), e = int(0.66f * s + 0.5f);
   auto P = [](int x, int y) { return TPoint(SCoord_t(x), SCoord_t(y)); };
   const TPoint square[] = {P(-m, -m), P(m, -m), P(m, m), P(-m, m), P(-m, -m)};
   const TPoint triangleUp[] = {P(-m, m), P(m, m), P(0, -m), P(-m, m)};
   const TPoint star[] = {P(-m, b), P(-d, -e), P(-c, -m), P(0, -d), P(c, -m), P(d, -e),
                          P(m, b),  P(b, b),   P(0, m),   P(-b, b), P(-m, b)};
   switch (markerstyle) {
   case 2: {
      const TPoint plus[] = {P(-m, 0), P(m, 0), P(0, -m), P(0, m)};
      SetMarkerShape(4, 4, plus);
      break;
   }
   case 3: {
      const TPoint asterisk[] = {P(-m, 0), P(m, 0), P(0, -m), P(0, m), P(-a, -a), P(a, a), P(-a, a), P(a, -a)};
      SetMarkerShape(4, 8, asterisk);
      break;
   }
   case 4:
   case 24: SetMarkerShape(0, 2 * m, nullptr); break;
   case 5: {
      const TPoint cross[] = {P(-a, -a), P(a, a), P(-a, a), P(a, -a)};
      SetMarkerShape(4, 4, cross);
      break;
   }
   case 6: {
      const TPoint smallPlus[] = {P(-1, 0), P(1, 0), P(0, -1), P(0, 1)};
      SetMarkerShape(4, 4, smallPlus);
      break;
   }
   case 7: {
      const TPoint dot[] = {P(-1, 1), P(1, 1), P(-1, 0), P(1, 0), P(-1, -1), P(1, -1)};
      SetMarkerShape(4, 6, dot);
      break;
   }
   case 8:
   case 20: SetMarkerShape(1, 2 * m, nullptr); break;
   case 21: SetMarkerShape(3, 5, square); break;
   case 22: SetMarkerShape(3, 4, triangleUp); break;
   case 23: {
      const TPoint triangleDown[] = {P(0, m), P(m, -m), P(-m, -m), P(0, m)};
      SetMarkerShape(3, 4, triangleDown);
      break;
   }
   case 25: SetMarkerShape(2, 5, square); break;
   case 26: SetMarkerShape(2, 4, triangleUp); break;
   case 27: {
      const TPoint diamond[] = {P(-c, 0), P(0, -m), P(c, 0), P(0, m), P(-c, 0)};
      SetMarkerShape(2, 5, diamond);
      break;
   }
   case 28: {
      const TPoint cross[] = {P(-m, -b), P(-b, -b), P(-b, -m), P(b, -m), P(b, -b), P(m, -b), P(m, b),
                              P(b, b),   P(b, m),   P(-b, m),  P(-b, b), P(-m, b), P(-m, -b)};
      SetMarkerShape(2, 13, cross);
      break;
   }
   case 29: SetMarkerShape(3, 11, star); break;
   case 30: SetMarkerShape(2, 11, star); break;
   default: SetMarkerShape(0, 0, nullptr); break;
   }
}
