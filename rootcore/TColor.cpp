#include "TColor.h"

#include <atomic>

#include "TROOT.h"

namespace {
std::atomic<bool> gGrayscale{false};
}

TColor::TColor(Int_t color, Float_t r, Float_t g, Float_t b, const char *name, Float_t a)
   : TNamed(name, ""), fNumber(color), fRed(r), fGreen(g), fBlue(b), fAlpha(a)
{
   if (color >= 0) {
      gROOT->AddColor(this);
      fRegistered = true;
   }
}

TColor::TColor(Builtin, Int_t color, Float_t r, Float_t g, Float_t b, const char *name)
   : TNamed(name, ""), fNumber(color), fRed(r), fGreen(g), fBlue(b)
{
}

TColor::~TColor()
{
   if (fRegistered) gROOT->RemoveColor(this);
}

void TColor::SetRGB(Float_t r, Float_t g, Float_t b)
{
   fRed = r;
   fGreen = g;
   fBlue = b;
}

Float_t TColor::GetGrayscale() const { return 0.299f * fRed + 0.587f * fGreen + 0.114f * fBlue; }

Bool_t TColor::IsGrayscale() { return gGrayscale.load(); }

void TColor::SetGrayscale(Bool_t set) { gGrayscale.store(set); }
