// Fill attributes: colour index and fill style (0 hollow, 1001 solid, 3xxx hatches).
#ifndef ORV_ROOTCORE_TATTFILL_H
#define ORV_ROOTCORE_TATTFILL_H

#include "Rtypes.h"

class TAttFill {
public:
   TAttFill() = default;
   TAttFill(Color_t fcolor, Style_t fstyle) : fFillColor(fcolor), fFillStyle(fstyle) {}
   virtual ~TAttFill();

   virtual Color_t GetFillColor() const { return fFillColor; }
   virtual Style_t GetFillStyle() const { return fFillStyle; }
   virtual void SetFillColor(Color_t fcolor) { fFillColor = fcolor; }
   virtual void SetFillStyle(Style_t fstyle) { fFillStyle = fstyle; }
   /// Hands these attributes to the current drawing back end (gVirtualX).
   virtual void Modify();

protected:
   Color_t fFillColor = 1;
   Style_t fFillStyle = 1001;
};

#endif
