// Splines through a set of knots.
//
// TSpline is the base: title, knot spacing (delta, -1 when not equidistant), x range of the knots,
// y display limits, number of knots and number of points used to draw the curve.
// TSpline3 is a cubic spline: on [x_i, x_i+1], S(x) = y_i + b_i dx + c_i dx^2 + d_i dx^3 with
// dx = x - x_i, continuous up to the second derivative; end conditions fix the first ("b1", "e1")
// or second ("b2", "e2") derivative at the first and last knot.
#ifndef ORV_ROOTCORE_TSPLINE_H
#define ORV_ROOTCORE_TSPLINE_H

#include <vector>

#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TNamed.h"

class TSpline : public TNamed, public TAttLine, public TAttFill, public TAttMarker {
public:
   TSpline() = default;
   TSpline(const char *title, Double_t delta, Double_t xmin, Double_t xmax, Int_t np, Bool_t step);
   ~TSpline() override;

   virtual void BuildCoeff() = 0;
   virtual void GetKnot(Int_t i, Double_t &x, Double_t &y) const = 0;
   virtual Double_t Eval(Double_t x) const = 0;

   /// Clears the current pad unless option contains "same", then adds the spline to it.
   void Draw(Option_t *option = "") override;
   void Paint(Option_t *option = "") override;

   Double_t GetDelta() const { return fDelta; }
   Int_t GetNp() const { return fNp; }
   Int_t GetNpx() const { return fNpx; }
   Double_t GetXmin() const { return fXmin; }
   Double_t GetXmax() const { return fXmax; }
   /// The y display limits; equal limits mean "none set".
   Double_t GetYmin() const { return fYmin; }
   Double_t GetYmax() const { return fYmax; }
   virtual void SetNpx(Int_t n) { fNpx = n; }
   virtual void SetYRange(Double_t ymin, Double_t ymax)
   {
      fYmin = ymin;
      fYmax = ymax;
   }

protected:
   Double_t fDelta = -1;   // knot spacing when equidistant, else -1
   Double_t fXmin = 0;     // first knot
   Double_t fXmax = 0;     // last knot
   Double_t fYmin = 0;     // y display limits (follow the x range)
   Double_t fYmax = 0;
   Int_t fNp = 0;          // number of knots
   Bool_t fKstep = kFALSE; // equidistant knots
   Int_t fNpx = 100;       // points used to draw the curve
};

/// One piece of a cubic spline, anchored at its knot.
class TSplinePoly3 {
public:
   TSplinePoly3() = default;
   TSplinePoly3(Double_t x, Double_t y, Double_t b, Double_t c, Double_t d) : fX(x), fY(y), fB(b), fC(c), fD(d) {}

   Double_t &X() { return fX; }
   Double_t &Y() { return fY; }
   Double_t &B() { return fB; }
   Double_t &C() { return fC; }
   Double_t &D() { return fD; }
   Double_t X() const { return fX; }
   Double_t Y() const { return fY; }
   Double_t B() const { return fB; }
   Double_t C() const { return fC; }
   Double_t D() const { return fD; }
   Double_t Eval(Double_t x) const
   {
      const Double_t dx = x - fX;
      return fY + dx * (fB + dx * (fC + dx * fD));
   }

private:
   Double_t fX = 0, fY = 0, fB = 0, fC = 0, fD = 0;
};

class TSpline3 : public TSpline {
public:
   TSpline3() = default;
   /// Spline through the n knots (x ascending). opt holds the end conditions: "b1"/"b2" fixes the
   /// first/second derivative at the first knot to valbeg, "e1"/"e2" at the last knot to valend.
   /// An end without a condition gets second derivative 0, so "b2e2" with 0, 0 is the natural spline.
   TSpline3(const char *title, Double_t x[], Double_t y[], Int_t n, const char *opt = nullptr, Double_t valbeg = 0,
            Double_t valend = 0);
   ~TSpline3() override;

   void BuildCoeff() override;
   void GetKnot(Int_t i, Double_t &x, Double_t &y) const override;
   /// Inside the knots the piece that holds x; outside, the first or last piece continued.
   Double_t Eval(Double_t x) const override;

   void GetCoeff(Int_t i, Double_t &x, Double_t &y, Double_t &b, Double_t &c, Double_t &d) const;
   /// Index of the piece used for x: the last knot not above x, limited to 0 .. n - 1.
   Int_t FindX(Double_t x) const;

protected:
   std::vector<TSplinePoly3> fPoly;
   Double_t fValBeg = 0;
   Double_t fValEnd = 0;
   Int_t fBegCond = -1; // 1 first derivative, 2 second derivative, -1 none given
   Int_t fEndCond = -1;
};

#endif
