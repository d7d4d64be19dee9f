#pragma once
// Straight segments through a set of knots: the "Line" linkage of the curve editor.
//
// Between two knots the value is interpolated linearly; beyond the first or the last knot the
// first or last segment is continued, so sampled curve tables keep their slope at the ends.
#include <vector>

#include "TSpline.h"

class TSpline1 : public TSpline {
 public:
  /// A spline named "Spline" through the n knots (x ascending); the knots are copied.
  TSpline1(const char* title, const Double_t x[], const Double_t y[], Int_t n);
  ~TSpline1() override;

  /// Nothing to build: the knots are the whole description.
  void BuildCoeff() override;
  /// Knot i; the out-parameters are left alone for an index outside the knots.
  void GetKnot(Int_t i, Double_t& x, Double_t& y) const override;
  /// y_k + (y_k - y_j) (x - x_k) / (x_k - x_j), with k the last knot not above x (limited to the
  /// knots) and j its partner: the next knot inside, the previous one at or beyond the last.
  Double_t Eval(Double_t x) const override;

 protected:
  std::vector<Double_t> fKnotX;
  std::vector<Double_t> fKnotY;
};
