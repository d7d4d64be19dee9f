// TrueType text for the FLTK drawing back end: a table of loaded fonts, ROOT font numbers
// mapped to font files, character size, string to glyph conversion, placement with kerning,
// rotation and the metrics of the placed string.
//
// Units follow FreeType: advances, bearings, kerning and ascent in 26.6 fixed point (1/64 pixel),
// the string box in whole pixels, the rotation matrix in 16.16 fixed point. Faces are opened
// once and kept: the table only grows while the instance lives.
#ifndef ORV_ROOTFLTK_TFREETYPE_H
#define ORV_ROOTFLTK_TFREETYPE_H

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include "Rtypes.h"

/// A glyph of the last converted string: its index, pen position and (placed) image.
struct TTGlyph {
   UInt_t fIndex = 0;
   FT_Vector fPos = {0, 0};
   FT_Glyph fImage = nullptr;
};

class TFreeType {
public:
   static const Int_t kTTMaxFont = 32;
   static const Int_t kMaxGlyphs = 1024;

   /// Starts FreeType and selects font number 62 ("arialbd.ttf").
   TFreeType();
   virtual ~TFreeType();
   TFreeType(const TFreeType &) = delete;
   TFreeType &operator=(const TFreeType &) = delete;

   /// Selects the file of a ROOT font number (10 * family + precision; only the family counts).
   void SetTextFontNumber(Int_t number);
   /// The file a ROOT font number stands for.
   static const char *FontFileName(Int_t number);
   /// Finds or loads a font by file name; 0 when a font is selected (this one or the default),
   /// 1 when no font at all is available.
   Int_t SetTextFont(const char *name);
   /// Character size of the current font, from a size in pixels.
   void SetTextSize(Float_t size);
   /// Rotation by angle degrees (counter-clockwise on the screen) for the next placement.
   void SetGlyphRotation(Float_t angle);
   /// Glyph index of a character code in the current font (0: none).
   UInt_t CharToUnicode(UInt_t code);
   /// The bytes of text as glyphs of the current font; blanks at the end are measured apart.
   void ConvertString(const char *text);
   /// Loads, kerns, rotates and places the converted glyphs; fills the box, ascent and advance.
   void PlaceGlyphs();
   /// Width and height in pixels of text, unrotated, in the current font and size.
   void MeasureString(UInt_t &w, UInt_t &h, const char *text);

   Int_t GetWidth() const { return fWidth; }
   Int_t GetAscent() const { return fAscent; }
   Int_t GetTrailingBlanksWidth() const { return fTBlankW; }
   Int_t GetNumGlyphs() const { return fNumGlyphs; }
   TTGlyph *GetGlyphs() const { return fGlyphs; }
   const FT_BBox &GetBox() const { return fCBox; }
   FT_Matrix *GetRotMatrix() const { return fRotMatrix; }
   Bool_t GetSmoothing() const { return fSmoothing; }
   void SetSmoothing(Bool_t state) { fSmoothing = state; }
   Bool_t GetHinting() const { return fHinting; }
   void SetHinting(Bool_t state) { fHinting = state; }
   Bool_t GetKerning() const { return fKerning; }
   void SetKerning(Bool_t state) { fKerning = state; }
   Int_t GetCurrentFont() const { return fCurFontIdx; }
   Int_t GetNumFonts() const { return fFontCount; }
   /// File name of loaded font i, or null.
   const char *GetFontName(Int_t i) const;
   /// The current font's face, or null when no font is loaded.
   FT_Face GetCurrentFace() const;

private:
   void Init();
   Int_t FallBackToDefault();
   FT_Int32 LoadFlags() const { return fHinting ? FT_LOAD_DEFAULT : FT_LOAD_NO_HINTING; }

   FT_Library fLibrary = nullptr;
   Bool_t fKerning = kTRUE;
   Bool_t fHinting = kFALSE;
   Bool_t fSmoothing = kTRUE;
   Int_t fWidth = 0;   // advance of the last placed string, 26.6
   Int_t fTBlankW = 0; // trailing blanks of the last converted string, pixels
   Int_t fAscent = 0;  // largest bearing above the baseline of the last placed string, 26.6
   Int_t fCurFontIdx = -1;
   Int_t fFontCount = 0;
   Int_t fNumGlyphs = 0;
   FT_Matrix *fRotMatrix = nullptr;
   TTGlyph *fGlyphs = nullptr;
   FT_BBox fCBox = {0, 0, 0, 0};
   FT_CharMap *fCharMap = nullptr;
   std::string *fFontName = nullptr;
   FT_Face *fFace = nullptr;
};

#endif
