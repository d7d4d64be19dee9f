// A contiguous array of doubles that knows its size (the storage of TH1D).
#ifndef ORV_ROOTCORE_TARRAYD_H
#define ORV_ROOTCORE_TARRAYD_H

#include <algorithm>

#include "Rtypes.h"

class TArrayD {
public:
   TArrayD() = default;
   explicit TArrayD(Int_t n) { Set(n); }
   TArrayD(const TArrayD &other) { Copy(other); }
   TArrayD &operator=(const TArrayD &other)
   {
      if (this != &other) Copy(other);
      return *this;
   }
   virtual ~TArrayD() { delete[] fArray; }

   Int_t GetSize() const { return fN; }
   Double_t *GetArray() { return fArray; }
   const Double_t *GetArray() const { return fArray; }
   Double_t At(Int_t i) const { return (i >= 0 && i < fN) ? fArray[i] : 0; }
   Double_t &operator[](Int_t i) { return fArray[i]; }
   Double_t operator[](Int_t i) const { return fArray[i]; }
   void Reset(Double_t val = 0) { std::fill(fArray, fArray + fN, val); }
   /// Resizes to n entries, keeping the first ones and zeroing the new ones.
   void Set(Int_t n)
   {
      if (n < 0) n = 0;
      Double_t *fresh = n > 0 ? new Double_t[n]() : nullptr;
      std::copy(fArray, fArray + std::min(n, fN), fresh);
      delete[] fArray;
      fArray = fresh;
      fN = n;
   }

   Int_t fN = 0;
   Double_t *fArray = nullptr;

private:
   void Copy(const TArrayD &other)
   {
      Double_t *fresh = other.fN > 0 ? new Double_t[other.fN] : nullptr;
      std::copy(other.fArray, other.fArray + other.fN, fresh);
      delete[] fArray;
      fArray = fresh;
      fN = other.fN;
   }
};

#endif
