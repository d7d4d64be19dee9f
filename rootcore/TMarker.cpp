#include "TMarker.h"

#include "TVirtualPad.h"

TMarker::~TMarker() = default;

void TMarker::Paint(Option_t *)
{
   if (!gPad) return;
   TAttMarker::Modify();
   Double_t x = gPad->XtoPad(fX);
   Double_t y = gPad->YtoPad(fY);
   gPad->PaintPolyMarker(1, &x, &y);
}
