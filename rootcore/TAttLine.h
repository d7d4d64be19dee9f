// Line attributes: colour index, style and width.
#ifndef ORV_ROOTCORE_TATTLINE_H
#define ORV_ROOTCORE_TATTLINE_H

#include "Rtypes.h"

class TAttLine {
public:
   TAttLine() = default;
   TAttLine(Color_t lcolor, Style_t lstyle, Width_t lwidth) : fLineColor(lcolor), fLineStyle(lstyle), fLineWidth(lwidth) {}
   virtual ~TAttLine();

   virtual Color_t GetLineColor() const { return fLineColor; }
   virtual Style_t GetLineStyle() const { return fLineStyle; }
   virtual Width_t GetLineWidth() const { return fLineWidth; }
   // Virtual so that a drawing back end can translate the values it receives.
   virtual void SetLineColor(Color_t lcolor) { fLineColor = lcolor; }
   virtual void SetLineStyle(Style_t lstyle) { fLineStyle = lstyle; }
   virtual void SetLineWidth(Width_t lwidth) { fLineWidth = lwidth; }
   /// Hands these attributes to the current drawing back end (gVirtualX).
   virtual void Modify();

protected:
   Color_t fLineColor = 1;
   Style_t fLineStyle = 1;
   Width_t fLineWidth = 1;
};

#endif
