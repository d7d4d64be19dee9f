// Pad attributes: the four margins as fractions of the pad size.
#ifndef ORV_ROOTCORE_TATTPAD_H
#define ORV_ROOTCORE_TATTPAD_H

#include "Rtypes.h"

class TAttPad {
public:
   TAttPad() = default;
   virtual ~TAttPad();

   Float_t GetBottomMargin() const { return fBottomMargin; }
   Float_t GetLeftMargin() const { return fLeftMargin; }
   Float_t GetRightMargin() const { return fRightMargin; }
   Float_t GetTopMargin() const { return fTopMargin; }
   virtual void SetBottomMargin(Float_t margin) { fBottomMargin = margin; }
   virtual void SetLeftMargin(Float_t margin) { fLeftMargin = margin; }
   virtual void SetRightMargin(Float_t margin) { fRightMargin = margin; }
   virtual void SetTopMargin(Float_t margin) { fTopMargin = margin; }
   virtual void SetMargin(Float_t left, Float_t right, Float_t bottom, Float_t top)
   {
      SetLeftMargin(left);
      SetRightMargin(right);
      SetBottomMargin(bottom);
      SetTopMargin(top);
   }

protected:
   Float_t fLeftMargin = 0.1f;
   Float_t fRightMargin = 0.1f;
   Float_t fBottomMargin = 0.1f;
   Float_t fTopMargin = 0.1f;
};

#endif
