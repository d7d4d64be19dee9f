// A colour of the colour table: index, red, green and blue in 0..1.
#ifndef ORV_ROOTCORE_TCOLOR_H
#define ORV_ROOTCORE_TCOLOR_H

#include "TNamed.h"

class TROOT;

class TColor : public TNamed {
public:
   TColor() = default;
   /// Creates colour `color` and enters it in the table of gROOT, replacing an earlier one of that index.
   TColor(Int_t color, Float_t r, Float_t g, Float_t b, const char *name = "", Float_t a = 1);
   ~TColor() override;
   TColor(const TColor &) = delete;
   TColor &operator=(const TColor &) = delete;

   Int_t GetNumber() const { return fNumber; }
   Float_t GetRed() const { return fRed; }
   Float_t GetGreen() const { return fGreen; }
   Float_t GetBlue() const { return fBlue; }
   Float_t GetAlpha() const { return fAlpha; }
   void GetRGB(Float_t &r, Float_t &g, Float_t &b) const
   {
      r = fRed;
      g = fGreen;
      b = fBlue;
   }
   virtual void SetRGB(Float_t r, Float_t g, Float_t b);
   /// Grey level of this colour: 0.299 r + 0.587 g + 0.114 b.
   virtual Float_t GetGrayscale() const;

   /// Whether drawing is in greyscale mode (process-wide, off by default).
   static Bool_t IsGrayscale();
   static void SetGrayscale(Bool_t set = kTRUE);

private:
   friend class TROOT;
   struct Builtin {};
   // Used by TROOT while it builds its table, before gROOT may be used.
   TColor(Builtin, Int_t color, Float_t r, Float_t g, Float_t b, const char *name);

   Int_t fNumber = -1;
   Float_t fRed = 0;
   Float_t fGreen = 0;
   Float_t fBlue = 0;
   Float_t fAlpha = 1;
   bool fRegistered = false;
};

#endif
