#include "TSpline.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "TError.h"
#include "TVirtualPad.h"

TSpline::TSpline(const char *title, Double_t delta, Double_t xmin, Double_t xmax, Int_t np, Bool_t step)
   : TNamed("Spline", title), fDelta(delta), fXmin(xmin), fXmax(xmax), fNp(np), fKstep(step)
{
}

TSpline::~TSpline() = default;

void TSpline::Draw(Option_t *option)
{
   std::string lower(option ? option : "");
   for (char &c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
   if (gPad && lower.find("same") == std::string::npos) gPad->Clear();
   AppendPad(option);
}

void TSpline::Paint(Option_t *option)
{
   // The curve is a polyline of fNpx points from fXmin to fXmax. With y display limits set
   // (fYmin < fYmax), the parts outside them are cut away, not flattened onto the limit.
   TVirtualPad *pad = gPad;
   if (!pad || fNp < 1) return;
   const Int_t npx = std::max(fNpx, 2);
   const bool limited = fYmin < fYmax;
   TAttLine::Modify();

   std::vector<Double_t> px, py;
   auto flush = [&]() {
      if (px.size() >= 2) pad->PaintPolyLine(Int_t(px.size()), px.data(), py.data());
      px.clear();
      py.clear();
   };
   auto add = [&](Double_t x, Double_t y) {
      px.push_back(pad->XtoPad(x));
      py.push_back(pad->YtoPad(y));
   };
   const Double_t dx = (fXmax - fXmin) / (npx - 1);
   Double_t xp = fXmin, yp = Eval(fXmin);
   for (Int_t i = 1; i < npx; ++i) {
      const Double_t x = fXmin + i * dx, y = Eval(x);
      Double_t t0 = 0, t1 = 1; // visible part of the segment from (xp, yp) to (x, y)
      if (limited) {
         const Double_t dy = y - yp;
         for (Double_t bound : {fYmin, fYmax}) {
            if (dy == 0) continue;
            const Double_t t = (bound - yp) / dy;
            const bool entering = (bound == fYmin) == (dy > 0);
            if (entering)
               t0 = std::max(t0, t);
            else
               t1 = std::min(t1, t);
         }
         if (dy == 0 && (yp < fYmin || yp > fYmax)) t0 = 2;
      }
      if (t0 <= t1) {
         if (px.empty() || t0 > 0) {
            flush();
            add(xp + t0 * (x - xp), yp + t0 * (y - yp));
         }
         add(xp + t1 * (x - xp), yp + t1 * (y - yp));
         if (t1 < 1) flush();
      } else {
         flush();
      }
      xp = x;
      yp = y;
   }
   flush();

   // Option "p": the knots as markers as well.
   std::string lower(option ? option : "");
   for (char &c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
   if (lower.find('p') != std::string::npos) {
      std::vector<Double_t> kx(fNp), ky(fNp);
      for (Int_t i = 0; i < fNp; ++i) {
         GetKnot(i, kx[i], ky[i]);
         kx[i] = pad->XtoPad(kx[i]);
         ky[i] = pad->YtoPad(ky[i]);
      }
      TAttMarker::Modify();
      pad->PaintPolyMarker(fNp, kx.data(), ky.data());
   }
}

TSpline3::TSpline3(const char *title, Double_t x[], Double_t y[], Int_t n, const char *opt, Double_t valbeg,
                   Double_t valend)
   : TSpline(title, -1, n > 0 ? x[0] : 0, n > 0 ? x[n - 1] : 0, n > 0 ? n : 0, kFALSE), fValBeg(valbeg),
     fValEnd(valend)
{
   fName = "Spline3";
   if (n <= 0) {
      Error("TSpline3::TSpline3", "no knots given");
      return;
   }
   std::string option(opt ? opt : "");
   for (char &c : option) c = char(std::tolower(static_cast<unsigned char>(c)));
   if (option.find("b1") != std::string::npos)
      fBegCond = 1;
   else if (option.find("b2") != std::string::npos)
      fBegCond = 2;
   if (option.find("e1") != std::string::npos)
      fEndCond = 1;
   else if (option.find("e2") != std::string::npos)
      fEndCond = 2;

   fPoly.resize(n);
   for (Int_t i = 0; i < n; ++i) {
      fPoly[i].X() = x[i];
      fPoly[i].Y() = y[i];
   }
   BuildCoeff();
}

TSpline3::~TSpline3() = default;

void TSpline3::BuildCoeff()
{
   // Solve the tridiagonal system for the second derivatives M_i at the knots:
   //   h_(i-1) M_(i-1) + 2 (h_(i-1) + h_i) M_i + h_i M_(i+1) = 6 (s_i - s_(i-1))
   // with h_i the knot spacing and s_i the slope of the chord from knot i to i + 1; the first and
   // last rows carry the end conditions.
   const Int_t n = Int_t(fPoly.size());
   if (n == 0) return;
   if (n == 1) {
      fPoly[0].B() = fPoly[0].C() = fPoly[0].D() = 0;
      return;
   }
   std::vector<Double_t> h(n - 1), s(n - 1);
   for (Int_t i = 0; i < n - 1; ++i) {
      h[i] = fPoly[i + 1].X() - fPoly[i].X();
      s[i] = (fPoly[i + 1].Y() - fPoly[i].Y()) / h[i];
   }
   std::vector<Double_t> sub(n, 0), diag(n, 1), super(n, 0), rhs(n, 0);
   if (fBegCond == 1) {
      diag[0] = 2 * h[0];
      super[0] = h[0];
      rhs[0] = 6 * (s[0] - fValBeg);
   } else {
      rhs[0] = fBegCond == 2 ? fValBeg : 0;
   }
   for (Int_t i = 1; i < n - 1; ++i) {
      sub[i] = h[i - 1];
      diag[i] = 2 * (h[i - 1] + h[i]);
      super[i] = h[i];
      rhs[i] = 6 * (s[i] - s[i - 1]);
   }
   if (fEndCond == 1) {
      sub[n - 1] = h[n - 2];
      diag[n - 1] = 2 * h[n - 2];
      rhs[n - 1] = 6 * (fValEnd - s[n - 2]);
   } else {
      rhs[n - 1] = fEndCond == 2 ? fValEnd : 0;
   }

   // Thomas algorithm; the system is diagonally dominant for ascending knots.
   for (Int_t i = 1; i < n; ++i) {
      const Double_t m = sub[i] / diag[i - 1];
      diag[i] -= m * super[i - 1];
      rhs[i] -= m * rhs[i - 1];
   }
   std::vector<Double_t> M(n);
   M[n - 1] = rhs[n - 1] / diag[n - 1];
   for (Int_t i = n - 2; i >= 0; --i) M[i] = (rhs[i] - super[i] * M[i + 1]) / diag[i];

   for (Int_t i = 0; i < n - 1; ++i) {
      fPoly[i].B() = s[i] - h[i] * (2 * M[i] + M[i + 1]) / 6;
      fPoly[i].C() = M[i] / 2;
      fPoly[i].D() = (M[i + 1] - M[i]) / (6 * h[i]);
   }
   // The last knot carries the last piece re-anchored there, so evaluation beyond it continues that cubic.
   const Int_t l = n - 2;
   fPoly[n - 1].B() = s[l] + h[l] * (M[l] + 2 * M[n - 1]) / 6;
   fPoly[n - 1].C() = M[n - 1] / 2;
   fPoly[n - 1].D() = fPoly[l].D();
}

void TSpline3::GetKnot(Int_t i, Double_t &x, Double_t &y) const
{
   if (i < 0 || i >= Int_t(fPoly.size())) return;
   x = fPoly[i].X();
   y = fPoly[i].Y();
}

void TSpline3::GetCoeff(Int_t i, Double_t &x, Double_t &y, Double_t &b, Double_t &c, Double_t &d) const
{
   if (i < 0 || i >= Int_t(fPoly.size())) return;
   x = fPoly[i].X();
   y = fPoly[i].Y();
   b = fPoly[i].B();
   c = fPoly[i].C();
   d = fPoly[i].D();
}

Int_t TSpline3::FindX(Double_t x) const
{
   const Int_t n = Int_t(fPoly.size());
   if (n == 0 || !(x > fPoly.front().X())) return 0;
   if (x >= fPoly.back().X()) return n - 1;
   auto after = std::upper_bound(fPoly.begin(), fPoly.end(), x,
                                 [](Double_t v, const TSplinePoly3 &p) { return v < p.X(); });
   return Int_t(after - fPoly.begin()) - 1;
}

Double_t TSpline3::Eval(Double_t x) const
{
   if (fPoly.empty()) return 0;
   return fPoly[FindX(x)].Eval(x);
}
