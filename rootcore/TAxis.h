// An axis of equal-width bins 1..N over [xmin, xmax); bin 0 is the underflow, N + 1 the overflow.
#ifndef ORV_ROOTCORE_TAXIS_H
#define ORV_ROOTCORE_TAXIS_H

#include "TAttAxis.h"
#include "TNamed.h"

class TAxis : public TNamed, public TAttAxis {
public:
   TAxis() = default;
   TAxis(Int_t nbins, Double_t xmin, Double_t xmax);

   virtual void Set(Int_t nbins, Double_t xmin, Double_t xmax);
   /// Moves the axis limits; the number of bins (and so any bin contents) stays.
   virtual void SetLimits(Double_t xmin, Double_t xmax);

   /// 0 below xmin (and for -inf), N + 1 at or above xmax (and for NaN), else the bin holding x.
   virtual Int_t FindBin(Double_t x) const;
   Int_t FindFixBin(Double_t x) const { return FindBin(x); }

   Int_t GetNbins() const { return fNbins; }
   Double_t GetXmin() const { return fXmin; }
   Double_t GetXmax() const { return fXmax; }
   virtual Double_t GetBinWidth(Int_t bin = 1) const;
   virtual Double_t GetBinLowEdge(Int_t bin) const;
   virtual Double_t GetBinUpEdge(Int_t bin) const;
   virtual Double_t GetBinCenter(Int_t bin) const;

protected:
   Int_t fNbins = 1;
   Double_t fXmin = 0;
   Double_t fXmax = 1;
};

#endif
