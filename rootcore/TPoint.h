// A point in pixel coordinates of a window, as the drawing back ends receive it.
#ifndef ORV_ROOTCORE_TPOINT_H
#define ORV_ROOTCORE_TPOINT_H

#include "Rtypes.h"

// Screen coordinates are 16-bit, as on the window systems the interface was made for.
typedef Short_t SCoord_t;

class TPoint {
public:
   SCoord_t fX = 0;
   SCoord_t fY = 0;

   TPoint() = default;
   TPoint(SCoord_t x, SCoord_t y) : fX(x), fY(y) {}
   SCoord_t GetX() const { return fX; }
   SCoord_t GetY() const { return fY; }
   void SetX(SCoord_t x) { fX = x; }
   void SetY(SCoord_t y) { fY = y; }
};

#endif
