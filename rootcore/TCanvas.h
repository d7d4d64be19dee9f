// The top pad: owns the window size in pixels that all its pads convert with. Only embedded
// canvases exist here: the pixels belong to a window the host application draws.
#ifndef ORV_ROOTCORE_TCANVAS_H
#define ORV_ROOTCORE_TCANVAS_H

#include <set>

#include "TPad.h"

class TCanvas : public TPad {
public:
   TCanvas();
   /// Embedded canvas of ww x wh pixels in the window winid; becomes the current pad.
   TCanvas(const char *name, Int_t ww, Int_t wh, Int_t winid);
   ~TCanvas() override;

   TVirtualPad *GetCanvas() const override { return const_cast<TCanvas *>(this); }
   UInt_t GetWw() const override { return fCw; }
   UInt_t GetWh() const override { return fCh; }
   Int_t GetCanvasID() const { return fCanvasID; }
   /// Sets the window size in pixels and recomputes the canvas's own conversions; each pad
   /// recomputes its own with ResizePad.
   void SetCanvasSize(UInt_t ww, UInt_t wh) override;
   /// The window is drawn by its owner; this only marks the canvas as up to date.
   void Update() override;

private:
   friend class TPad;
   UInt_t fCw = 0;
   UInt_t fCh = 0;
   Int_t fCanvasID = -1;
   // Pads that convert with this canvas; they are told when it goes away.
   std::set<TPad *> fPads;
};

#endif
