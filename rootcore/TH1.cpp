#include "TH1.h"

#include <cctype>
#include <string>

#include "TError.h"
#include "TVirtualPad.h"

namespace {
bool Contains(Option_t *option, char c)
{
   for (const char *p = option; p && *p; ++p)
      if (std::tolower(static_cast<unsigned char>(*p)) == c) return true;
   return false;
}

bool ContainsWord(Option_t *option, const char *word)
{
   std::string lower(option ? option : "");
   for (char &c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
   return lower.find(word) != std::string::npos;
}
} // namespace

TH1::TH1() : fXaxis(1, 0, 1), fYaxis(1, 0, 1)
{
   fXaxis.SetName("xaxis");
   fYaxis.SetName("yaxis");
   // A histogram is drawn as a solid area in the background colour unless told otherwise.
   SetFillColor(0);
   SetFillStyle(1001);
}

TH1::TH1(const char *name, const char *title, Int_t nbinsx, Double_t xlow, Double_t xup) : TH1()
{
   SetNameTitle(name, title);
   if (nbinsx <= 0) {
      Warning("TH1::TH1", "nbins is <=0 - set to nbins = 1");
      nbinsx = 1;
   }
   fXaxis.Set(nbinsx, xlow, xup);
}

TH1::~TH1() = default;

Int_t TH1::FindBin(Double_t x, Double_t, Double_t) { return fXaxis.FindBin(x); }

Int_t TH1::Fill(Double_t x) { return Fill(x, 1); }

Int_t TH1::Fill(Double_t x, Double_t w)
{
   fEntries++;
   const Int_t bin = fXaxis.FindBin(x);
   AddBinContent(bin, w);
   if (bin == 0 || bin > fXaxis.GetNbins()) return -1;
   return bin;
}

void TH1::Reset(Option_t *) { fEntries = 0; }

void TH1::Scale(Double_t c1, Option_t *)
{
   for (Int_t bin = 0; bin < GetNcells(); ++bin) SetBinContent(bin, c1 * GetBinContent(bin));
}

Double_t TH1::GetMaximum(Double_t maxval) const
{
   Double_t maximum = -FLT_MAX;
   for (Int_t bin = 1; bin <= fXaxis.GetNbins(); ++bin) {
      const Double_t value = GetBinContent(bin);
      if (value > maximum && value < maxval) maximum = value;
   }
   return maximum;
}

void TH1::SetLabelSize(Float_t size, Option_t *axis)
{
   if (Contains(axis, 'x')) fXaxis.SetLabelSize(size);
   if (Contains(axis, 'y')) fYaxis.SetLabelSize(size);
}

void TH1::SetLabelOffset(Float_t offset, Option_t *axis)
{
   if (Contains(axis, 'x')) fXaxis.SetLabelOffset(offset);
   if (Contains(axis, 'y')) fYaxis.SetLabelOffset(offset);
}

void TH1::Draw(Option_t *option)
{
   if (gPad && !ContainsWord(option, "same")) gPad->Clear();
   AppendPad(option);
}

void TH1::Paint(Option_t *) {}

TH1D::TH1D() : TArrayD(3) {}

TH1D::TH1D(const char *name, const char *title, Int_t nbinsx, Double_t xlow, Double_t xup)
   : TH1(name, title, nbinsx, xlow, xup)
{
   TArrayD::Set(fXaxis.GetNbins() + 2);
}

TH1D::~TH1D() = default;

Double_t TH1D::GetBinContent(Int_t bin) const
{
   if (fN == 0) return 0;
   if (bin < 0) bin = 0;
   if (bin >= fN) bin = fN - 1;
   return fArray[bin];
}

void TH1D::SetBinContent(Int_t bin, Double_t content)
{
   if (bin >= 0 && bin < fN) fArray[bin] = content;
}

void TH1D::AddBinContent(Int_t bin) { AddBinContent(bin, 1); }

void TH1D::AddBinContent(Int_t bin, Double_t w)
{
   if (bin >= 0 && bin < fN) fArray[bin] += w;
}

void TH1D::Reset(Option_t *option)
{
   TH1::Reset(option);
   TArrayD::Reset();
}
