#include "TAxis.h"

TAxis::TAxis(Int_t nbins, Double_t xmin, Double_t xmax) { Set(nbins, xmin, xmax); }

void TAxis::Set(Int_t nbins, Double_t xmin, Double_t xmax)
{
   fNbins = nbins;
   fXmin = xmin;
   fXmax = xmax;
}

void TAxis::SetLimits(Double_t xmin, Double_t xmax)
{
   fXmin = xmin;
   fXmax = xmax;
}

Int_t TAxis::FindBin(Double_t x) const
{
   // The comparisons come first so that NaN and infinities never reach the integer conversion.
   if (x < fXmin) return 0;
   if (!(x < fXmax)) return fNbins + 1;
   const Double_t pos = fNbins * (x - fXmin) / (fXmax - fXmin);
   // Rounding just below xmax (or an overflowing extreme range) must not give the overflow.
   if (!(pos < fNbins)) return fNbins;
   return 1 + Int_t(pos);
}

Double_t TAxis::GetBinWidth(Int_t) const { return fNbins > 0 ? (fXmax - fXmin) / fNbins : 0; }

Double_t TAxis::GetBinLowEdge(Int_t bin) const { return fXmin + (bin - 1) * GetBinWidth(); }

Double_t TAxis::GetBinUpEdge(Int_t bin) const { return fXmin + bin * GetBinWidth(); }

Double_t TAxis::GetBinCenter(Int_t bin) const { return fXmin + (bin - 0.5) * GetBinWidth(); }
