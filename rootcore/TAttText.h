// Text attributes: alignment (10 * horizontal + vertical), angle, colour, font (10 * family + precision), size.
#ifndef ORV_ROOTCORE_TATTTEXT_H
#define ORV_ROOTCORE_TATTTEXT_H

#include "Rtypes.h"

class TAttText {
public:
   TAttText() = default;
   TAttText(Int_t align, Float_t angle, Color_t color, Style_t font, Float_t tsize)
      : fTextAngle(angle), fTextSize(tsize), fTextAlign(Short_t(align)), fTextColor(color), fTextFont(font)
   {
   }
   virtual ~TAttText();

   virtual Short_t GetTextAlign() const { return fTextAlign; }
   virtual Float_t GetTextAngle() const { return fTextAngle; }
   virtual Color_t GetTextColor() const { return fTextColor; }
   virtual Font_t GetTextFont() const { return fTextFont; }
   virtual Float_t GetTextSize() const { return fTextSize; }
   virtual void SetTextAlign(Short_t align = 11) { fTextAlign = align; }
   virtual void SetTextAngle(Float_t tangle = 0) { fTextAngle = tangle; }
   virtual void SetTextColor(Color_t tcolor = 1) { fTextColor = tcolor; }
   virtual void SetTextFont(Font_t tfont = 62) { fTextFont = tfont; }
   virtual void SetTextSize(Float_t tsize = 1) { fTextSize = tsize; }
   /// Hands these attributes to the current drawing back end; the size of fonts of precision
   /// 0..2 is a fraction of the smaller side of the current pad, of precision 3 in pixels.
   virtual void Modify();

protected:
   Float_t fTextAngle = 0;
   Float_t fTextSize = 0.05f;
   Short_t fTextAlign = 11;
   Color_t fTextColor = 1;
   Font_t fTextFont = 62;
};

#endif
