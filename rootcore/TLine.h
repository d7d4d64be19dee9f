// A straight line from (x1, y1) to (x2, y2) in user coordinates of the pad it is drawn in.
#ifndef ORV_ROOTCORE_TLINE_H
#define ORV_ROOTCORE_TLINE_H

#include "TAttLine.h"
#include "TObject.h"

class TLine : public TObject, public TAttLine {
public:
   TLine() = default;
   TLine(Double_t x1, Double_t y1, Double_t x2, Double_t y2) : fX1(x1), fY1(y1), fX2(x2), fY2(y2) {}
   ~TLine() override;

   Double_t GetX1() const { return fX1; }
   Double_t GetX2() const { return fX2; }
   Double_t GetY1() const { return fY1; }
   Double_t GetY2() const { return fY2; }
   virtual void SetX1(Double_t x1) { fX1 = x1; }
   virtual void SetX2(Double_t x2) { fX2 = x2; }
   virtual void SetY1(Double_t y1) { fY1 = y1; }
   virtual void SetY2(Double_t y2) { fY2 = y2; }

   void Paint(Option_t *option = "") override;

protected:
   Double_t fX1 = 0, fY1 = 0, fX2 = 0, fY2 = 0;
};

#endif
