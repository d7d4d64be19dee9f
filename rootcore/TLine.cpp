#include "TLine.h"

#include "TVirtualPad.h"

TLine::~TLine() = default;

void TLine::Paint(Option_t *)
{
   if (!gPad) return;
   TAttLine::Modify();
   gPad->PaintLine(gPad->XtoPad(fX1), gPad->YtoPad(fY1), gPad->XtoPad(fX2), gPad->YtoPad(fY2));
}
