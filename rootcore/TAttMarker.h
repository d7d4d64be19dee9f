// Marker attributes: colour index, style and size.
#ifndef ORV_ROOTCORE_TATTMARKER_H
#define ORV_ROOTCORE_TATTMARKER_H

#include "Rtypes.h"

class TAttMarker {
public:
   TAttMarker() = default;
   TAttMarker(Color_t color, Style_t style, Size_t msize) : fMarkerColor(color), fMarkerStyle(style), fMarkerSize(msize) {}
   virtual ~TAttMarker();

   virtual Color_t GetMarkerColor() const { return fMarkerColor; }
   virtual Style_t GetMarkerStyle() const { return fMarkerStyle; }
   virtual Size_t GetMarkerSize() const { return fMarkerSize; }
   virtual void SetMarkerColor(Color_t tcolor = 1) { fMarkerColor = tcolor; }
   virtual void SetMarkerStyle(Style_t mstyle = 1) { fMarkerStyle = mstyle; }
   virtual void SetMarkerSize(Size_t msize = 1) { fMarkerSize = msize; }
   /// Hands these attributes to the current drawing back end (gVirtualX).
   virtual void Modify();

protected:
   Color_t fMarkerColor = 1;
   Style_t fMarkerStyle = 1;
   Size_t fMarkerSize = 1;
};

#endif
