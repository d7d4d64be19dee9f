#include "TGaxis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "TVirtualPad.h"
#include "TVirtualX.h"

namespace {
bool Has(const std::string &option, char c) { return option.find(c) != std::string::npos; }

// Smallest of 1, 2, 5, 10 times a power of ten that is at least x.
Double_t NiceStep(Double_t x)
{
   const Double_t magnitude = std::pow(10.0, std::floor(std::log10(x)));
   const Double_t fraction = x / magnitude;
   for (Double_t nice : {1.0, 2.0, 5.0})
      if (fraction <= nice * (1 + 1e-9)) return nice * magnitude;
   return 10 * magnitude;
}

Double_t Step(Double_t lo, Double_t hi, Int_t n, Bool_t optimize)
{
   const Double_t raw = (hi - lo) / std::max(n, 1);
   return optimize ? NiceStep(raw) : raw;
}

// Decimals needed to tell labels step apart.
int Decimals(Double_t step)
{
   const int d = int(-std::floor(std::log10(step) + 1e-9));
   return d > 0 ? d : 0;
}
} // namespace

TGaxis::TGaxis() = default;

TGaxis::TGaxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax, Double_t wmin, Double_t wmax, Int_t ndiv,
               Option_t *chopt, Double_t gridlength)
   : TLine(xmin, ymin, xmax, ymax), fWmin(wmin), fWmax(wmax), fGridLength(gridlength), fNdiv(ndiv),
     fChopt(chopt ? chopt : "")
{
}

TGaxis::~TGaxis() = default;

std::string TGaxis::FormatLabel(Double_t value, Double_t step)
{
   // Values within rounding noise of zero print as "0", never "-0".
   if (std::fabs(value) < 1e-9 * std::fabs(step)) value = 0;
   char text[64];
   std::snprintf(text, sizeof text, "%.*f", Decimals(std::fabs(step)), value);
   if (std::string(text).find_first_not_of("-0.") == std::string::npos) return "0";
   return text;
}

std::vector<TGaxis::Tick> TGaxis::ComputeTicks(Double_t wmin, Double_t wmax, Int_t ndiv, Bool_t optimize, Bool_t log)
{
   std::vector<Tick> ticks;
   const Double_t lo = std::min(wmin, wmax), hi = std::max(wmin, wmax);
   if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) return ticks;
   ndiv = std::abs(ndiv);
   const Int_t n1 = ndiv % 100, n2 = (ndiv / 100) % 100;
   if (log) {
      if (lo <= 0) return ticks;
      const int first = int(std::floor(std::log10(lo))), last = int(std::ceil(std::log10(hi)));
      for (int k = first; k <= last; ++k) {
         const Double_t decade = std::pow(10.0, k);
         for (int m = 1; m <= 9; ++m) {
            const Double_t v = m * decade;
            if (v >= lo * (1 - 1e-9) && v <= hi * (1 + 1e-9)) ticks.push_back({v, m == 1});
         }
      }
      return ticks;
   }
   if (n1 <= 0) return ticks;
   const Double_t step = Step(lo, hi, n1, optimize);
   const Double_t eps = 1e-9 * step;
   const Double_t sub = n2 > 0 ? step / n2 : step;
   // Walk secondary positions from the first primary one at or below lo.
   const Double_t start = std::floor((lo + eps) / step) * step;
   for (Int_t i = 0;; ++i) {
      const Double_t v = start + i * sub;
      if (v > hi + eps) break;
      if (v < lo - eps) continue;
      const bool primary = n2 <= 0 || i % n2 == 0;
      ticks.push_back({std::fabs(v) < eps ? 0.0 : v, primary});
      if (i > 10000) break; // a pathological division count
   }
   return ticks;
}

void TGaxis::Paint(Option_t *)
{
   Double_t wmin = fWmin, wmax = fWmax;
   Int_t ndiv = fNdiv;
   PaintAxis(fX1, fY1, fX2, fY2, wmin, wmax, ndiv, fChopt.c_str(), fGridLength);
}

void TGaxis::PaintAxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax, Double_t &wmin, Double_t &wmax,
                       Int_t &ndiv, Option_t *chopt, Double_t, Bool_t drawGridOnly)
{
   if (!gPad || drawGridOnly) return;
   const std::string option(chopt ? chopt : "");
   const Bool_t log = Has(option, 'G');

   const Double_t x0 = gPad->XtoAbsPixel(xmin), y0 = gPad->YtoAbsPixel(ymin);
   const Double_t x1 = gPad->XtoAbsPixel(xmax), y1 = gPad->YtoAbsPixel(ymax);
   const Double_t length = std::hypot(x1 - x0, y1 - y0);

   TAttLine::Modify();
   gVirtualX->DrawLine(Int_t(x0), Int_t(y0), Int_t(x1), Int_t(y1));
   if (length < 1) return;

   // Unit vector along the axis and the positive side's normal (y grows downwards).
   const Double_t ux = (x1 - x0) / length, uy = (y1 - y0) / length;
   const Double_t nx = uy, ny = -ux;
   const bool plus = Has(option, '+') || !Has(option, '-');
   const bool minus = Has(option, '-');
   const bool labelsPositive = Has(option, '=') || (minus && !plus);

   const Double_t padW = gPad->GetAbsWNDC() * gPad->GetWw();
   const Double_t padH = gPad->GetAbsHNDC() * gPad->GetWh();
   const Double_t tick = fTickSize * length;
   const bool horizontal = std::fabs(ux) >= std::fabs(uy);
   const Double_t offset = fLabelOffset * (horizontal ? padH : padW);

   const Double_t lw = log ? std::log10(wmin > 0 ? wmin : 1e-300) : wmin;
   const Double_t hw = log ? std::log10(wmax > 0 ? wmax : 1e-300) : wmax;
   const Double_t span = hw != lw ? hw - lw : 1;
   const std::vector<Tick> ticks = ComputeTicks(wmin, wmax, ndiv, !Has(option, 'N') && ndiv > 0, log);

   for (const Tick &t : ticks) {
      const Double_t f = ((log ? std::log10(t.value) : t.value) - lw) / span;
      const Double_t px = x0 + f * (x1 - x0), py = y0 + f * (y1 - y0);
      const Double_t size = t.primary ? tick : tick / 2;
      const Double_t a = minus ? -size : 0, b = plus ? size : 0;
      gVirtualX->DrawLine(Int_t(std::lround(px + a * nx)), Int_t(std::lround(py + a * ny)),
                          Int_t(std::lround(px + b * nx)), Int_t(std::lround(py + b * ny)));
   }

   if (Has(option, 'U')) return;
   const Double_t lo = std::min(wmin, wmax), hi = std::max(wmin, wmax);
   const Int_t n1 = std::abs(ndiv) % 100;
   const Double_t step = n1 > 0 && hi > lo ? Step(lo, hi, n1, !Has(option, 'N') && ndiv > 0) : 1;
   const Double_t side = labelsPositive ? 1 : -1;
   const Double_t lx = side * nx, ly = side * ny;

   // Labels are upright; their alignment puts the text on the label side of its anchor.
   Short_t align;
   if (Has(option, 'C'))
      align = 22;
   else if (horizontal)
      align = ly > 0 ? 23 : 21;
   else
      align = lx > 0 ? 12 : 32;
   gVirtualX->SetTextFont(Font_t(fLabelFont));
   gVirtualX->SetTextSize(Float_t(fLabelSize * std::min(padW, padH)));
   gVirtualX->SetTextAlign(align);
   gVirtualX->SetTextColor(Color_t(fLabelColor));
   gVirtualX->SetCharacterUp(0, 1);
   for (const Tick &t : ticks) {
      if (!t.primary) continue;
      const Double_t f = ((log ? std::log10(t.value) : t.value) - lw) / span;
      const Double_t px = x0 + f * (x1 - x0) + offset * lx, py = y0 + f * (y1 - y0) + offset * ly;
      std::string text;
      if (log) {
         char buffer[32];
         std::snprintf(buffer, sizeof buffer, "%g", t.value);
         text = buffer;
      } else {
         text = FormatLabel(t.value, step);
      }
      gVirtualX->DrawText(Int_t(std::lround(px)), Int_t(std::lround(py)), 0, 1, text.c_str(), TVirtualX::kClear);
   }
}
