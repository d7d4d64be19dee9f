// A marker at (x, y) in user coordinates of the pad it is drawn in.
#ifndef ORV_ROOTCORE_TMARKER_H
#define ORV_ROOTCORE_TMARKER_H

#include "TAttMarker.h"
#include "TObject.h"

class TMarker : public TObject, public TAttMarker {
public:
   TMarker() = default;
   TMarker(Double_t x, Double_t y, Int_t marker) : TAttMarker(1, Style_t(marker), 1), fX(x), fY(y) {}
   ~TMarker() override;

   Double_t GetX() const { return fX; }
   Double_t GetY() const { return fY; }
   virtual void SetX(Double_t x) { fX = x; }
   virtual void SetY(Double_t y) { fY = y; }

   void Paint(Option_t *option = "") override;

protected:
   Double_t fX = 0;
   Double_t fY = 0;
};

#endif
