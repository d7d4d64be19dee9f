#include "TH1.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "TError.h"
#include "TGaxis.h"
#include "TVirtualPad.h"
#include "TVirtualX.h"

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

void TH1::Paint(Option_t *)
{
   // Every option paints the same picture: the area under the line through the bin centres,
   // filled with the fill attributes and outlined with the line attributes ("LF2"), inside the
   // pad's frame with both axes.
   TVirtualPad *pad = gPad;
   const Int_t n = fXaxis.GetNbins();
   if (!pad || n < 1) return;
   const Bool_t logy = pad->GetLogy() != 0;

   Double_t xmin = fXaxis.GetXmin(), xmax = fXaxis.GetXmax();
   Double_t cmin = GetBinContent(1), cmax = cmin, minPositive = 0;
   for (Int_t bin = 1; bin <= n; ++bin) {
      const Double_t c = GetBinContent(bin);
      cmin = std::min(cmin, c);
      cmax = std::max(cmax, c);
      if (c > 0 && (minPositive == 0 || c < minPositive)) minPositive = c;
   }
   Double_t ymin, ymax; // frame limits in pad coordinates
   if (logy) {
      if (minPositive <= 0) minPositive = cmax = 1;
      ymin = std::log10(0.5 * minPositive);
      ymax = std::log10(2 * cmax);
   } else {
      ymin = std::min(0.0, cmin);
      ymax = cmax > ymin ? cmax : ymin + 1;
      // Headroom above the highest bin, as for a plot that should not touch its frame.
      ymax += 0.05 * (ymax - ymin);
   }
   if (xmax <= xmin) xmax = xmin + 1;

   // The pad range puts the frame inside the margins.
   const Double_t wx = 1 - pad->GetLeftMargin() - pad->GetRightMargin();
   const Double_t wy = 1 - pad->GetBottomMargin() - pad->GetTopMargin();
   const Double_t dx = (xmax - xmin) / (wx > 0.01 ? wx : 0.01);
   const Double_t dy = (ymax - ymin) / (wy > 0.01 ? wy : 0.01);
   pad->Range(xmin - pad->GetLeftMargin() * dx, ymin - pad->GetBottomMargin() * dy, xmax + pad->GetRightMargin() * dx,
              ymax + pad->GetTopMargin() * dy);
   pad->RangeAxis(xmin, ymin, xmax, ymax);

   std::vector<Double_t> x(n + 2), y(n + 2);
   for (Int_t bin = 1; bin <= n; ++bin) {
      x[bin] = GetBinCenter(bin);
      y[bin] = std::clamp(pad->YtoPad(GetBinContent(bin)), ymin, ymax);
   }
   x[0] = x[1];
   x[n + 1] = x[n];
   y[0] = y[n + 1] = ymin;
   TAttLine::Modify();
   TAttFill::Modify();
   pad->PaintFillArea(n + 2, x.data(), y.data());
   pad->PaintPolyLine(n, x.data() + 1, y.data() + 1);

   // Frame: a plain outline, so whatever lies under a transparent pad stays visible.
   gVirtualX->SetLineColor(1);
   gVirtualX->SetLineStyle(1);
   gVirtualX->SetLineWidth(1);
   gVirtualX->SetFillStyle(0);
   pad->PaintBox(xmin, ymin, xmax, ymax);

   TGaxis xaxis(xmin, ymin, xmax, ymin, xmin, xmax, fXaxis.GetNdivisions(), "+");
   TGaxis yaxis(xmin, ymin, xmin, ymax, logy ? std::pow(10.0, ymin) : ymin, logy ? std::pow(10.0, ymax) : ymax,
                fYaxis.GetNdivisions(), logy ? "-G" : "-");
   const TAxis *axes[2] = {&fXaxis, &fYaxis};
   TGaxis *painted[2] = {&xaxis, &yaxis};
   for (int i = 0; i < 2; ++i) {
      painted[i]->SetLineColor(axes[i]->GetAxisColor());
      painted[i]->SetLabelColor(axes[i]->GetLabelColor());
      painted[i]->SetLabelFont(axes[i]->GetLabelFont());
      painted[i]->SetLabelOffset(axes[i]->GetLabelOffset());
      painted[i]->SetLabelSize(axes[i]->GetLabelSize());
      painted[i]->SetTickSize(axes[i]->GetTickLength());
      painted[i]->Paint();
   }
}

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
