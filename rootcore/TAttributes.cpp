// Out-of-line members of the attribute classes (their vtables live here).
#include "TAttAxis.h"
#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TAttPad.h"
#include "TAttText.h"

#include <cmath>
#include <cstdlib>

#include "TVirtualPad.h"
#include "TVirtualX.h"

TAttLine::~TAttLine() = default;
TAttFill::~TAttFill() = default;
TAttText::~TAttText() = default;
TAttMarker::~TAttMarker() = default;
TAttPad::~TAttPad() = default;
TAttAxis::~TAttAxis() = default;

void TAttAxis::SetNdivisions(Int_t n, Bool_t optim)
{
   // A negative count means "do not optimise"; keep the sign as the flag.
   fNdivisions = optim ? n : -std::abs(n);
}

void TAttLine::Modify()
{
   gVirtualX->SetLineColor(fLineColor);
   gVirtualX->SetLineStyle(fLineStyle);
   gVirtualX->SetLineWidth(fLineWidth);
}

void TAttFill::Modify()
{
   gVirtualX->SetFillColor(fFillColor);
   gVirtualX->SetFillStyle(fFillStyle);
}

void TAttMarker::Modify()
{
   gVirtualX->SetMarkerColor(fMarkerColor);
   // Size before style: a back end may build its marker shape when the style changes.
   gVirtualX->SetMarkerSize(fMarkerSize);
   gVirtualX->SetMarkerStyle(fMarkerStyle);
}

void TAttText::Modify()
{
   Float_t size = fTextSize;
   if (fTextFont % 10 != 3 && gPad) {
      const Double_t w = gPad->GetAbsWNDC() * gPad->GetWw();
      const Double_t h = gPad->GetAbsHNDC() * gPad->GetWh();
      size = Float_t(fTextSize * (w < h ? w : h));
   }
   gVirtualX->SetTextFont(fTextFont);
   gVirtualX->SetTextSize(size);
   gVirtualX->SetTextAlign(fTextAlign);
   gVirtualX->SetTextColor(fTextColor);
   // Up vector of the text direction; the quarter turns are exact so back ends can compare them.
   Float_t chupx = 0, chupy = 1;
   const Double_t turns = fTextAngle / 90.0;
   if (turns == std::floor(turns)) {
      const int quarter = ((int(turns) % 4) + 4) % 4;
      const Float_t ups[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
      chupx = ups[quarter][0];
      chupy = ups[quarter][1];
   } else {
      const Double_t a = fTextAngle * M_PI / 180.0;
      chupx = Float_t(-std::sin(a));
      chupy = Float_t(std::cos(a));
   }
   gVirtualX->SetCharacterUp(chupx, chupy);
}
