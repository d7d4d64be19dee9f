#include "widgets/Orv_Histogram_Display.h"

#include <cstring>

#include "TH1.h"
#include "TList.h"
#include "image/LogLuminanceHistogram.h"

namespace {
const char* const kHistogramName = "Orv_Histogram_Display";
}

TH1D* RebinForDisplay(const TH1& source, int nbins, double xmin, double xmax) {
  auto* shown = new TH1D(kHistogramName, "", nbins, xmin, xmax);
  shown->SetDirectory(nullptr);
  for (int i = 1; i <= source.GetNbinsX(); ++i)
    shown->AddBinContent(shown->FindBin(source.GetXaxis()->GetBinCenter(i)), source.GetBinContent(i));
  // An empty source has nothing to normalise; dividing by 0 would only paint NaNs.
  const double highest = shown->GetMaximum();
  if (highest > 0) shown->Scale(1 / highest);
  return shown;
}

Orv_Histogram_Display::Orv_Histogram_Display(int x, int y, int w, int h, const char* label)
    : Fl_TPad(x, y, w, h, label) {
  TPad::SetFillStyle(0);
  SetTopMargin(0);
  SetRightMargin(0);
  SetBottomMargin(0);
  SetLeftMargin(0);
}

Orv_Histogram_Display::~Orv_Histogram_Display() = default;

void Orv_Histogram_Display::SetHistogram(const LogLuminanceHistogram& source) { SetHistogram(source.Histogram()); }

void Orv_Histogram_Display::SetHistogram(const TH1* source) {
  fSource = source;
  SetLogy(fLogY ? 1 : 0);
  cd();
  TPad::Clear("");
  if (source) {
    TH1D* shown = RebinForDisplay(*source, w() / 2 > 0 ? w() / 2 : 1, fDisplayMin, fDisplayMax);
    shown->SetBit(kCanDelete);
    shown->SetLabelSize(0.05, "XY");
    shown->SetLabelOffset(0.025, "XY");
    shown->SetStats(kFALSE);
    shown->SetFillColor(18);
    shown->Draw("LF2");
  }
  GetCanvas()->cd();
  redraw();
}

TH1D* Orv_Histogram_Display::GetDisplayHistogram() const {
  TList* primitives = GetListOfPrimitives();
  for (int i = 0; primitives && i < primitives->GetSize(); ++i)
    if (auto* h = dynamic_cast<TH1D*>(primitives->At(i)); h && std::strcmp(h->GetName(), kHistogramName) == 0) return h;
  return nullptr;
}

void Orv_Histogram_Display::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    draw_box();
    draw_label();
  }
  Fl_TPad::draw();
}
