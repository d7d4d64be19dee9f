// The abstract pad: a drawing area with a list of primitives, its coordinate conversions and the
// painting primitives that objects use from their Paint(). TPad implements them; the defaults
// here describe an empty pad that paints nothing.
#ifndef ORV_ROOTCORE_TVIRTUALPAD_H
#define ORV_ROOTCORE_TVIRTUALPAD_H

#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttPad.h"
#include "TObject.h"
#include "TQObject.h"

class TList;

class TVirtualPad : public TObject, public TAttLine, public TAttFill, public TAttPad, public TQObject {
public:
   TVirtualPad();
   ~TVirtualPad() override;
   TVirtualPad(const TVirtualPad &) = delete;
   TVirtualPad &operator=(const TVirtualPad &) = delete;

   /// Drops obj from this pad's primitives (it is going away).
   virtual void RecursiveRemove(TObject *) {}
   /// Drops obj from every live pad; objects added to a pad (kMustCleanup) call it when deleted.
   static void RemoveFromAllPads(TObject *obj);

   /// Makes this pad (or its sub-pad number subpadnumber) the current pad, gPad, and returns it.
   virtual TVirtualPad *cd(Int_t subpadnumber = 0) = 0;
   /// Removes every primitive, deleting those with kCanDelete set.
   void Clear(Option_t *option = "") override = 0;
   /// Appends obj with its drawing option to the primitives (TObject::Draw lands here).
   virtual void Add(TObject *obj, Option_t *opt = "", Bool_t modified = kTRUE) = 0;
   virtual TVirtualPad *GetCanvas() const = 0;
   virtual void Modified(Bool_t flag = 1) = 0;
   virtual void Update() = 0;

   virtual TList *GetListOfPrimitives() const { return nullptr; }

   // Pixel size of the canvas window and the pad's share of it.
   virtual UInt_t GetWw() const { return 0; }
   virtual UInt_t GetWh() const { return 0; }
   virtual Double_t GetAbsWNDC() const { return 1; }
   virtual Double_t GetAbsHNDC() const { return 1; }

   // User coordinates: the pad spans (x1, y1)-(x2, y2); the frame (axis range) spans the U values.
   virtual void Range(Double_t, Double_t, Double_t, Double_t) {}
   virtual void RangeAxis(Double_t, Double_t, Double_t, Double_t) {}
   virtual Double_t GetX1() const { return 0; }
   virtual Double_t GetX2() const { return 1; }
   virtual Double_t GetY1() const { return 0; }
   virtual Double_t GetY2() const { return 1; }
   virtual Double_t GetUxmin() const { return 0; }
   virtual Double_t GetUxmax() const { return 1; }
   virtual Double_t GetUymin() const { return 0; }
   virtual Double_t GetUymax() const { return 1; }
   virtual Int_t GetLogx() const { return 0; }
   virtual Int_t GetLogy() const { return 0; }
   virtual void SetLogx(Int_t = 1) {}
   virtual void SetLogy(Int_t = 1) {}

   // Conversions between user (pad) coordinates and pixels.
   virtual Int_t XtoAbsPixel(Double_t) const { return 0; }
   virtual Int_t YtoAbsPixel(Double_t) const { return 0; }
   virtual Int_t XtoPixel(Double_t) const { return 0; }
   virtual Int_t YtoPixel(Double_t) const { return 0; }
   virtual Double_t PixeltoX(Int_t) { return 0; }
   virtual Double_t PixeltoY(Int_t) { return 0; }
   virtual Double_t AbsPixeltoX(Int_t) { return 0; }
   virtual Double_t AbsPixeltoY(Int_t) { return 0; }
   /// Pad coordinate to user value: 10^x on a logarithmic axis.
   virtual Double_t PadtoX(Double_t x) const { return x; }
   virtual Double_t PadtoY(Double_t y) const { return y; }
   /// User value to pad coordinate: log10(x) on a logarithmic axis.
   virtual Double_t XtoPad(Double_t x) const { return x; }
   virtual Double_t YtoPad(Double_t y) const { return y; }

   // Painting in pad coordinates, through the current drawing back end.
   virtual void PaintBox(Double_t, Double_t, Double_t, Double_t, Option_t * = "") {}
   virtual void PaintFillArea(Int_t, Double_t *, Double_t *, Option_t * = "") {}
   virtual void PaintLine(Double_t, Double_t, Double_t, Double_t) {}
   virtual void PaintPolyLine(Int_t, Double_t *, Double_t *, Option_t * = "") {}
   virtual void PaintPolyMarker(Int_t, Double_t *, Double_t *, Option_t * = "") {}
   virtual void PaintText(Double_t, Double_t, const char *) {}
};

/// The current pad; null until a pad is made current.
extern TVirtualPad *gPad;

#endif
