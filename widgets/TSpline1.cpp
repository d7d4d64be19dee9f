#include "widgets/TSpline1.h"

#include "TError.h"
#include "TMath.h"

TSpline1::TSpline1(const char* title, const Double_t x[], const Double_t y[], Int_t n)
    : TSpline(title, -1, n > 0 ? x[0] : 0, n > 0 ? x[n - 1] : 0, n > 0 ? n : 0, kFALSE) {
  if (n <= 0) {
    Error("TSpline1::TSpline1", "no knots given");
    return;
  }
  fKnotX.assign(x, x + n);
  fKnotY.assign(y, y + n);
}

TSpline1::~TSpline1() = default;

void TSpline1::BuildCoeff() {}

void TSpline1::GetKnot(Int_t i, Double_t& x, Double_t& y) const {
  if (i < 0 || i >= Int_t(fKnotX.size())) return;
  x = fKnotX[i];
  y = fKnotY[i];
}

Double_t TSpline1::Eval(Double_t x) const {
  const Long64_t n = Long64_t(fKnotX.size());
  if (n == 0) return 0;
  if (n == 1) return fKnotY[0];  // a single knot has no slope: constant
  Long64_t k = TMath::BinarySearch(n, fKnotX.data(), x);
  if (k < 0) k = 0;
  if (k >= n) k = n - 1;
  Long64_t j;
  if (x > fKnotX[k] && k < n - 1)
    j = k + 1;
  else
    j = k == 0 ? 1 : k - 1;
  return fKnotY[k] + (fKnotY[k] - fKnotY[j]) * (x - fKnotX[k]) / (fKnotX[k] - fKnotX[j]);
}
