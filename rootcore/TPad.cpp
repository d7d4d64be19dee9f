#include "TPad.h"

#include <cmath>
#include <vector>

#include "TCanvas.h"
#include "TError.h"
#include "TList.h"
#include "TVirtualX.h"

namespace {
// Pixel values stay inside the 16-bit range the back ends draw with.
const Double_t kMaxPixel = 32000;

Int_t ToPixel(Double_t value)
{
   if (!(value > -kMaxPixel)) return Int_t(-kMaxPixel); // also NaN
   if (value > kMaxPixel) return Int_t(kMaxPixel);
   return Int_t(std::floor(value + 0.5));
}

// Range width used for divisions: a degenerate range maps as if it were 1 wide.
Double_t Span(Double_t a, Double_t b) { return b != a ? b - a : 1; }
} // namespace

TPad::TPad() : fPrimitives(new TList) {}

TPad::TPad(const char *name, const char *title, Double_t xlow, Double_t ylow, Double_t xup, Double_t yup,
           Color_t color, Short_t bordersize, Short_t bordermode)
   : TPad()
{
   SetName(name);
   SetTitle(title);
   if (!gPad) {
      Error("TPad::TPad", "You must create a TCanvas before creating a TPad");
      return;
   }
   fMother = gPad;
   fCanvas = dynamic_cast<TCanvas *>(gPad->GetCanvas());
   if (fCanvas) fCanvas->fPads.insert(this);
   fXlowNDC = xlow;
   fYlowNDC = ylow;
   fWNDC = xup - xlow;
   fHNDC = yup - ylow;
   SetFillColor(color < 0 ? 0 : color);
   fBorderSize = bordersize < 0 ? 2 : bordersize;
   fBorderMode = bordermode == -2 ? 0 : bordermode;
   ResizePad();
}

TPad::~TPad()
{
   Clear();
   delete fPrimitives;
   fPrimitives = nullptr;
   if (fCanvas) fCanvas->fPads.erase(this);
   // The mother becomes current again rather than leaving no pad at all.
   if (gPad == this) gPad = fMother;
}

TVirtualPad *TPad::cd(Int_t)
{
   gPad = this;
   return this;
}

void TPad::Clear(Option_t *)
{
   if (!fPrimitives) return;
   // Detach first: an object deleted here may look at the list from its destructor.
   std::vector<TObject *> owned;
   for (TObjLink *link = fPrimitives->FirstLink(); link; link = link->Next())
      if (link->GetObject() && link->GetObject()->TestBit(kCanDelete)) owned.push_back(link->GetObject());
   fPrimitives->Clear();
   for (TObject *obj : owned) delete obj;
   fModified = kTRUE;
}

void TPad::Add(TObject *obj, Option_t *opt, Bool_t modified)
{
   if (!obj || !fPrimitives) return;
   obj->SetBit(kMustCleanup);
   fPrimitives->Add(obj, opt);
   if (modified) fModified = kTRUE;
}

void TPad::RecursiveRemove(TObject *obj)
{
   if (!fPrimitives) return;
   while (fPrimitives->Remove(obj)) {
   }
}

TVirtualPad *TPad::GetCanvas() const { return fCanvas; }

void TPad::Update()
{
   if (fCanvas && fCanvas != this) fCanvas->Update();
}

void TPad::Paint(Option_t *)
{
   TVirtualPad *saved = gPad;
   gPad = this;
   PaintBorder(GetFillColor(), kTRUE);
   for (TObjLink *link = fPrimitives->FirstLink(); link; link = link->Next())
      if (link->GetObject()) link->GetObject()->Paint(link->GetOption());
   fModified = kFALSE;
   gPad = saved;
}

void TPad::PaintBorder(Color_t color, Bool_t)
{
   if (GetFillStyle() == 0) return;
   gVirtualX->SetFillColor(color);
   gVirtualX->SetFillStyle(GetFillStyle());
   gVirtualX->DrawBox(XtoAbsPixel(fX1), YtoAbsPixel(fY1), XtoAbsPixel(fX2), YtoAbsPixel(fY2), TVirtualX::kFilled);
}

UInt_t TPad::GetWw() const { return fCanvas ? fCanvas->GetWw() : 0; }

UInt_t TPad::GetWh() const { return fCanvas ? fCanvas->GetWh() : 0; }

void TPad::SetCanvasSize(UInt_t ww, UInt_t wh)
{
   if (fCanvas) fCanvas->SetCanvasSize(ww, wh);
}

void TPad::ResizePad(Option_t *)
{
   const TPad *mother = dynamic_cast<const TPad *>(fMother);
   if (mother) {
      fAbsXlowNDC = mother->fAbsXlowNDC + fXlowNDC * mother->fAbsWNDC;
      fAbsYlowNDC = mother->fAbsYlowNDC + fYlowNDC * mother->fAbsHNDC;
      fAbsWNDC = fWNDC * mother->fAbsWNDC;
      fAbsHNDC = fHNDC * mother->fAbsHNDC;
   } else {
      fAbsXlowNDC = fXlowNDC;
      fAbsYlowNDC = fYlowNDC;
      fAbsWNDC = fWNDC;
      fAbsHNDC = fHNDC;
   }
   const Double_t ww = GetWw();
   const Double_t wh = GetWh();
   fPixelLeft = fAbsXlowNDC * ww;
   fPixelBottom = (1 - fAbsYlowNDC) * wh;
   fPixelW = fAbsWNDC * ww;
   fPixelH = fAbsHNDC * wh;

   fXtoPixel = fPixelW / Span(fX1, fX2);
   fXtoPixelk = -fXtoPixel * fX1;
   fXtoAbsPixelk = fPixelLeft + fXtoPixelk;
   fYtoPixel = -fPixelH / Span(fY1, fY2);
   fYtoPixelk = fPixelH - fYtoPixel * fY1;
   fYtoAbsPixelk = fPixelBottom - fYtoPixel * fY1;
}

void TPad::Range(Double_t x1, Double_t y1, Double_t x2, Double_t y2)
{
   fX1 = x1;
   fY1 = y1;
   fX2 = x2;
   fY2 = y2;
   fUxmin = x1;
   fUymin = y1;
   fUxmax = x2;
   fUymax = y2;
   ResizePad();
   fModified = kTRUE;
}

void TPad::RangeAxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax)
{
   fUxmin = xmin;
   fUymin = ymin;
   fUxmax = xmax;
   fUymax = ymax;
   fModified = kTRUE;
}

void TPad::GetRange(Double_t &x1, Double_t &y1, Double_t &x2, Double_t &y2)
{
   x1 = fX1;
   y1 = fY1;
   x2 = fX2;
   y2 = fY2;
}

void TPad::SetLogx(Int_t value)
{
   fLogx = value;
   fModified = kTRUE;
}

void TPad::SetLogy(Int_t value)
{
   fLogy = value;
   fModified = kTRUE;
}

Int_t TPad::XtoAbsPixel(Double_t x) const { return ToPixel(fXtoAbsPixelk + x * fXtoPixel); }
Int_t TPad::YtoAbsPixel(Double_t y) const { return ToPixel(fYtoAbsPixelk + y * fYtoPixel); }
Int_t TPad::XtoPixel(Double_t x) const { return ToPixel(fXtoPixelk + x * fXtoPixel); }
Int_t TPad::YtoPixel(Double_t y) const { return ToPixel(fYtoPixelk + y * fYtoPixel); }
Int_t TPad::UtoPixel(Double_t u) const { return ToPixel(u * fPixelW); }
Int_t TPad::VtoPixel(Double_t v) const { return ToPixel((1 - v) * fPixelH); }

Double_t TPad::PixeltoX(Int_t px)
{
   return fX1 + px * Span(fX1, fX2) / (fPixelW > 0 ? fPixelW : 1);
}

Double_t TPad::PixeltoY(Int_t py)
{
   return fY1 - py * Span(fY1, fY2) / (fPixelH > 0 ? fPixelH : 1);
}

Double_t TPad::AbsPixeltoX(Int_t px) { return PixeltoX(Int_t(px - fPixelLeft)); }

Double_t TPad::AbsPixeltoY(Int_t py) { return PixeltoY(Int_t(py - fPixelBottom)); }

Double_t TPad::PadtoX(Double_t x) const { return fLogx && x < 50 ? std::pow(10.0, x) : x; }

Double_t TPad::PadtoY(Double_t y) const { return fLogy && y < 50 ? std::pow(10.0, y) : y; }

// Values that have no logarithm land far below any visible range.
Double_t TPad::XtoPad(Double_t x) const
{
   if (!fLogx) return x;
   return x > 0 ? std::log10(x) : -50;
}

Double_t TPad::YtoPad(Double_t y) const
{
   if (!fLogy) return y;
   return y > 0 ? std::log10(y) : -50;
}

void TPad::PaintBox(Double_t x1, Double_t y1, Double_t x2, Double_t y2, Option_t *)
{
   const TVirtualX::EBoxMode mode = gVirtualX->GetFillStyle() == 0 ? TVirtualX::kHollow : TVirtualX::kFilled;
   gVirtualX->DrawBox(XtoAbsPixel(x1), YtoAbsPixel(y1), XtoAbsPixel(x2), YtoAbsPixel(y2), mode);
}

void TPad::PaintFillArea(Int_t n, Double_t *x, Double_t *y, Option_t *)
{
   if (n < 3) return;
   std::vector<TPoint> points(n);
   for (Int_t i = 0; i < n; ++i) points[i] = TPoint(SCoord_t(XtoAbsPixel(x[i])), SCoord_t(YtoAbsPixel(y[i])));
   gVirtualX->DrawFillArea(n, points.data());
}

void TPad::PaintLine(Double_t x1, Double_t y1, Double_t x2, Double_t y2)
{
   gVirtualX->DrawLine(XtoAbsPixel(x1), YtoAbsPixel(y1), XtoAbsPixel(x2), YtoAbsPixel(y2));
}

void TPad::PaintPolyLine(Int_t n, Double_t *x, Double_t *y, Option_t *)
{
   if (n < 2) return;
   std::vector<TPoint> points(n);
   for (Int_t i = 0; i < n; ++i) points[i] = TPoint(SCoord_t(XtoAbsPixel(x[i])), SCoord_t(YtoAbsPixel(y[i])));
   gVirtualX->DrawPolyLine(n, points.data());
}

void TPad::PaintPolyMarker(Int_t n, Double_t *x, Double_t *y, Option_t *)
{
   const Double_t xlow = std::min(fX1, fX2), xup = std::max(fX1, fX2);
   const Double_t ylow = std::min(fY1, fY2), yup = std::max(fY1, fY2);
   std::vector<TPoint> points;
   for (Int_t i = 0; i < n; ++i) {
      if (x[i] < xlow || x[i] > xup || y[i] < ylow || y[i] > yup) continue;
      points.emplace_back(SCoord_t(XtoAbsPixel(x[i])), SCoord_t(YtoAbsPixel(y[i])));
   }
   if (!points.empty()) gVirtualX->DrawPolyMarker(Int_t(points.size()), points.data());
}

void TPad::PaintText(Double_t x, Double_t y, const char *text)
{
   if (!text) return;
   gVirtualX->DrawText(XtoAbsPixel(x), YtoAbsPixel(y), gVirtualX->GetTextAngle(), gVirtualX->GetTextMagnitude(),
                       text, TVirtualX::kClear);
}
