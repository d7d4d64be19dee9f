// Axis attributes: divisions, colours, label font, offset and size, tick length.
#ifndef ORV_ROOTCORE_TATTAXIS_H
#define ORV_ROOTCORE_TATTAXIS_H

#include "Rtypes.h"

class TAttAxis {
public:
   TAttAxis() = default;
   virtual ~TAttAxis();

   virtual Int_t GetNdivisions() const { return fNdivisions; }
   virtual Color_t GetAxisColor() const { return fAxisColor; }
   virtual Color_t GetLabelColor() const { return fLabelColor; }
   virtual Style_t GetLabelFont() const { return fLabelFont; }
   virtual Float_t GetLabelOffset() const { return fLabelOffset; }
   virtual Float_t GetLabelSize() const { return fLabelSize; }
   virtual Float_t GetTickLength() const { return fTickLength; }
   virtual void SetNdivisions(Int_t n = 510, Bool_t optim = kTRUE);
   virtual void SetAxisColor(Color_t color = 1) { fAxisColor = color; }
   virtual void SetLabelColor(Color_t color = 1) { fLabelColor = color; }
   virtual void SetLabelFont(Style_t font = 62) { fLabelFont = font; }
   virtual void SetLabelOffset(Float_t offset = 0.005) { fLabelOffset = offset; }
   virtual void SetLabelSize(Float_t size = 0.04) { fLabelSize = size; }
   virtual void SetTickLength(Float_t length = 0.03) { fTickLength = length; }

protected:
   Int_t fNdivisions = 510;
   Color_t fAxisColor = 1;
   Color_t fLabelColor = 1;
   Style_t fLabelFont = 62;
   Float_t fLabelOffset = 0.005f;
   Float_t fLabelSize = 0.035f;
   Float_t fTickLength = 0.03f;
};

#endif
