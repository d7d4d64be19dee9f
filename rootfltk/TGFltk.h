// The drawing back end that paints ROOT pads into FLTK windows.
//
// It draws only while an Fl_TPad is inside its draw(): the pad stores itself as the current pad
// before ROOT paints it and clears it afterwards; every drawing operation outside that window
// of time does nothing. Pixel coordinates from ROOT are relative to the pad's drawing area and
// are moved by the widget's position plus its left and top insets. No clipping is done here.
//
// The inherited attributes hold what FLTK needs: the line style as an FLTK style code (FL_SOLID,
// FL_DASH, FL_DOT, FL_DASHDOT), the line width as an FLTK width (0 for ROOT's width 1), the text
// alignment as a code 1..9 (1 2 3 top left/centre/right, 4 5 6 middle, 7 8 9 bottom) and the
// text angle as set through SetCharacterUp.
#ifndef ORV_ROOTFLTK_TGFLTK_H
#define ORV_ROOTFLTK_TGFLTK_H

#include <utility>

#include "TVirtualX.h"

class Fl_TPad;
class TFreeType;

class TGFltk : public TVirtualX {
public:
   /// Shape of a marker. kind 0 hollow circle, 1 filled circle (count = diameter in pixels),
   /// 2 open polyline, 3 filled polygon, 4 line segments from pairs of points (count = number of
   /// points). A count of 0 or less draws one pixel per marker. Offsets are pixels, y downwards.
   struct MarkerShape {
      static const int kMaxPoints = 100;
      int kind = 0;
      int count = 0;
      TPoint points[kMaxPoints];
   };

   TGFltk(const char *name, const char *title);
   /// Installs the batch back end (gGXBatch) and sets ROOT's batch mode.
   ~TGFltk() override;

   void DrawBox(Int_t x1, Int_t y1, Int_t x2, Int_t y2, EBoxMode mode) override;
   void DrawFillArea(Int_t n, TPoint *xy) override;
   void DrawLine(Int_t x1, Int_t y1, Int_t x2, Int_t y2) override;
   void DrawPolyLine(Int_t n, TPoint *xy) override;
   /// Moves the points of xy by the pad offset in place, then draws one marker per point.
   void DrawPolyMarker(Int_t n, TPoint *xy) override;
   /// Anti-aliased TrueType text blended into the window; mgn and mode are not used.
   void DrawText(Int_t x, Int_t y, Float_t angle, Float_t mgn, const char *text, ETextMode mode) override;
   void GetCharacterUp(Float_t &chupx, Float_t &chupy) override;
   /// Does nothing: the window belongs to FLTK.
   void GetGeometry(Int_t wid, Int_t &x, Int_t &y, UInt_t &w, UInt_t &h) override;
   void GetTextExtent(UInt_t &w, UInt_t &h, char *mess) override;
   Float_t GetTextMagnitude() override;
   void SetCharacterUp(Float_t chupx, Float_t chupy) override;
   Int_t SetTextFont(char *fontname, ETextSetMode mode) override;
   void SetTextMagnitude(Float_t mgn) override;

   void SetLineColor(Color_t cindex) override;
   void SetLineStyle(Style_t linestyle) override;
   void SetLineWidth(Width_t width) override;
   void SetFillColor(Color_t cindex) override;
   void SetFillStyle(Style_t style) override;
   void SetTextAlign(Short_t talign = 11) override;
   void SetTextColor(Color_t cindex) override;
   /// Stores the ROOT font number; the file is chosen at each DrawText.
   void SetTextFont(Font_t fontnumber) override;
   void SetTextSize(Float_t textsize) override;
   void SetMarkerColor(Color_t cindex) override;
   void SetMarkerStyle(Style_t markerstyle) override;
   void SetMarkerSize(Size_t markersize) override;

   void SetMarkerShape(int kind, int count, const TPoint *points);
   /// Offset in pixels of the last laid-out string from its anchor to its baseline origin.
   void ComputeTextOffset();

   Fl_TPad *GetCurrentPad() const { return fCurrentPad; }
   /// Set by Fl_TPad around its painting; null outside it.
   void SetCurrentPad(Fl_TPad *pad) { fCurrentPad = pad; }
   TFreeType *GetFreeType() const { return fFreeType; }
   Int_t GetFillHollow() const { return fFillHollow; }
   const MarkerShape &GetMarkerShape() const { return *fMarker; }
   const std::pair<int, int> &GetTextOffset() const { return *fTextOffset; }

private:
   void SetColor(Color_t cindex) const;
   void SetLineAttributes() const;
   void GetOffset(int &ox, int &oy) const;

   TFreeType *fFreeType = nullptr;
   Fl_TPad *fCurrentPad = nullptr;
   Int_t fFillHollow = 0;
   MarkerShape *fMarker = nullptr;
   std::pair<int, int> *fTextOffset = nullptr;
   Float_t fCharUpX = 1;
   Float_t fCharUpY = 1;
   Float_t fTextScale = 1;
};

#endif
