// A pad: a rectangle of its mother pad (in NDC of the mother) with its own user coordinates and
// list of primitives. Painting converts user coordinates to pixels of the canvas window and hands
// everything to the current drawing back end, gVirtualX.
//
// Pixel geometry: with the canvas ww x wh pixels, the pad occupies pw = absW * ww by
// ph = absH * wh pixels whose lower-left corner is (absXlow * ww, (1 - absYlow) * wh).
// x = X1 maps to the pad's left pixel column and x = X2 to pw columns further right; y = Y1 to
// the bottom row and y = Y2 to ph rows above it. PixeltoY counts rows from the pad's bottom,
// growing downwards (so rows above the bottom are negative).
#ifndef ORV_ROOTCORE_TPAD_H
#define ORV_ROOTCORE_TPAD_H

#include <string>

#include "TVirtualPad.h"

class TCanvas;
class TList;

class TPad : public TVirtualPad {
public:
   TPad();
   /// A pad covering (xlow, ylow)-(xup, yup) of the current pad (gPad, its mother), in NDC.
   /// color -1 takes the background colour 0, bordersize -1 takes 2 pixels, bordermode -2 takes 0
   /// (flat). Without a current pad an error is reported and the pad has no canvas.
   TPad(const char *name, const char *title, Double_t xlow, Double_t ylow, Double_t xup, Double_t yup,
        Color_t color = -1, Short_t bordersize = -1, Short_t bordermode = -2);
   ~TPad() override;
   TPad(const TPad &) = delete;
   TPad &operator=(const TPad &) = delete;

   const char *GetName() const override { return fName.c_str(); }
   const char *GetTitle() const override { return fTitle.c_str(); }
   virtual void SetName(const char *name) { fName = name ? name : ""; }
   virtual void SetTitle(const char *title = "") { fTitle = title ? title : ""; }

   TVirtualPad *cd(Int_t subpadnumber = 0) override;
   /// Removes every primitive; those with kCanDelete set are deleted.
   void Clear(Option_t *option = "") override;
   /// Appends obj with its option; obj leaves the list by itself when it is deleted.
   void Add(TObject *obj, Option_t *opt = "", Bool_t modified = kTRUE) override;
   void RecursiveRemove(TObject *obj) override;
   TVirtualPad *GetCanvas() const override;
   TVirtualPad *GetMother() const { return fMother; }
   TList *GetListOfPrimitives() const override { return fPrimitives; }
   void Modified(Bool_t flag = 1) override { fModified = flag; }
   Bool_t IsModified() const { return fModified; }
   /// Asks the canvas to bring its window up to date.
   void Update() override;
   /// Paints the background, then every primitive with its option; gPad is this pad meanwhile.
   void Paint(Option_t *option = "") override;

   UInt_t GetWw() const override;
   UInt_t GetWh() const override;
   Double_t GetAbsWNDC() const override { return fAbsWNDC; }
   Double_t GetAbsHNDC() const override { return fAbsHNDC; }
   Double_t GetAbsXlowNDC() const { return fAbsXlowNDC; }
   Double_t GetAbsYlowNDC() const { return fAbsYlowNDC; }
   /// Sets the canvas window size (shared by every pad of the canvas).
   virtual void SetCanvasSize(UInt_t ww, UInt_t wh);
   /// Recomputes the pad's place in the canvas and its pixel conversions.
   virtual void ResizePad(Option_t *option = "");

   /// The pad's user coordinates; the frame (U values) becomes the whole pad as well.
   void Range(Double_t x1, Double_t y1, Double_t x2, Double_t y2) override;
   /// The frame's limits in pad coordinates (log10 on logarithmic axes).
   void RangeAxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax) override;
   void GetRange(Double_t &x1, Double_t &y1, Double_t &x2, Double_t &y2);
   Double_t GetX1() const override { return fX1; }
   Double_t GetX2() const override { return fX2; }
   Double_t GetY1() const override { return fY1; }
   Double_t GetY2() const override { return fY2; }
   Double_t GetUxmin() const override { return fUxmin; }
   Double_t GetUxmax() const override { return fUxmax; }
   Double_t GetUymin() const override { return fUymin; }
   Double_t GetUymax() const override { return fUymax; }
   Int_t GetLogx() const override { return fLogx; }
   Int_t GetLogy() const override { return fLogy; }
   void SetLogx(Int_t value = 1) override;
   void SetLogy(Int_t value = 1) override;
   Short_t GetBorderMode() const { return fBorderMode; }
   Short_t GetBorderSize() const { return fBorderSize; }
   virtual void SetBorderMode(Short_t bordermode) { fBorderMode = bordermode; }
   virtual void SetBorderSize(Short_t bordersize) { fBorderSize = bordersize; }

   Int_t XtoAbsPixel(Double_t x) const override;
   Int_t YtoAbsPixel(Double_t y) const override;
   Int_t XtoPixel(Double_t x) const override;
   Int_t YtoPixel(Double_t y) const override;
   Int_t UtoPixel(Double_t u) const;
   Int_t VtoPixel(Double_t v) const;
   Double_t PixeltoX(Int_t px) override;
   Double_t PixeltoY(Int_t py) override;
   Double_t AbsPixeltoX(Int_t px) override;
   Double_t AbsPixeltoY(Int_t py) override;
   Double_t PadtoX(Double_t x) const override;
   Double_t PadtoY(Double_t y) const override;
   Double_t XtoPad(Double_t x) const override;
   Double_t YtoPad(Double_t y) const override;

   void PaintBox(Double_t x1, Double_t y1, Double_t x2, Double_t y2, Option_t *option = "") override;
   void PaintFillArea(Int_t n, Double_t *x, Double_t *y, Option_t *option = "") override;
   void PaintLine(Double_t x1, Double_t y1, Double_t x2, Double_t y2) override;
   void PaintPolyLine(Int_t n, Double_t *x, Double_t *y, Option_t *option = "") override;
   /// Markers at the points inside the pad's range; the others are left out.
   void PaintPolyMarker(Int_t n, Double_t *x, Double_t *y, Option_t *option = "") override;
   void PaintText(Double_t x, Double_t y, const char *text) override;

protected:
   friend class TCanvas;
   /// Fills the pad with its fill attributes (nothing for fill style 0).
   virtual void PaintBorder(Color_t color, Bool_t tops);

   std::string fName;
   std::string fTitle;
   Double_t fX1 = 0, fY1 = 0, fX2 = 1, fY2 = 1;
   Double_t fUxmin = 0, fUymin = 0, fUxmax = 1, fUymax = 1;
   Double_t fXlowNDC = 0, fYlowNDC = 0, fWNDC = 1, fHNDC = 1;
   Double_t fAbsXlowNDC = 0, fAbsYlowNDC = 0, fAbsWNDC = 1, fAbsHNDC = 1;
   // Pixel conversions: pixel = k + x * factor; absolute ones count from the canvas corner.
   Double_t fXtoAbsPixelk = 0, fXtoPixelk = 0, fXtoPixel = 1;
   Double_t fYtoAbsPixelk = 0, fYtoPixelk = 0, fYtoPixel = -1;
   Double_t fPixelLeft = 0, fPixelBottom = 0, fPixelW = 1, fPixelH = 1;
   Int_t fLogx = 0;
   Int_t fLogy = 0;
   Short_t fBorderSize = 2;
   Short_t fBorderMode = 0;
   Bool_t fModified = kTRUE;
   TCanvas *fCanvas = nullptr;
   TVirtualPad *fMother = nullptr;
   TList *fPrimitives = nullptr;
};

#endif
