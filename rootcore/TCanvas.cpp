#include "TCanvas.h"

TCanvas::TCanvas() { fCanvas = this; }

TCanvas::TCanvas(const char *name, Int_t ww, Int_t wh, Int_t winid) : TCanvas()
{
   SetName(name);
   SetTitle(name);
   SetFillColor(0);
   fCanvasID = winid;
   fCw = ww > 0 ? UInt_t(ww) : 0;
   fCh = wh > 0 ? UInt_t(wh) : 0;
   ResizePad();
   cd();
}

TCanvas::~TCanvas()
{
   // Pads that outlive their canvas keep working as pads without a window.
   for (TPad *pad : fPads) {
      pad->fCanvas = nullptr;
      if (pad->fMother == this) pad->fMother = nullptr;
   }
   fPads.clear();
   Clear();
   // Without a mother, nothing stays current.
   if (gPad == this) gPad = nullptr;
   fCanvas = nullptr;
}

void TCanvas::SetCanvasSize(UInt_t ww, UInt_t wh)
{
   fCw = ww;
   fCh = wh;
   ResizePad();
}

void TCanvas::Update() { fModified = kFALSE; }
