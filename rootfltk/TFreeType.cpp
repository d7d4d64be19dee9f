#include "TFreeType.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "TEnv.h"
#include "TError.h"
#include "TSystem.h"

namespace {
// Points per pixel of the character size: text sizes arrive in pixels, faces want points.
const double kPointsPerPixel = 0.9337607026100159;
} // namespace

TFreeType::TFreeType() { Init(); }

void TFreeType::Init()
{
   if (FT_Init_FreeType(&fLibrary)) {
      fLibrary = nullptr;
      Error("TFreeType::Init", "error initializing FreeType");
      return;
   }
   fGlyphs = new TTGlyph[kMaxGlyphs];
   fCharMap = new FT_CharMap[kTTMaxFont]();
   fFontName = new std::string[kTTMaxFont];
   fFace = new FT_Face[kTTMaxFont]();
   SetTextFontNumber(62);
}

TFreeType::~TFreeType()
{
   if (fGlyphs)
      for (Int_t i = 0; i < kMaxGlyphs; ++i)
         if (fGlyphs[i].fImage) FT_Done_Glyph(fGlyphs[i].fImage);
   delete[] fGlyphs;
   delete[] fCharMap;
   delete[] fFontName;
   delete[] fFace;
   delete fRotMatrix;
   // Ending the library releases the faces as well.
   if (fLibrary) FT_Done_FreeType(fLibrary);
}

const char *TFreeType::FontFileName(Int_t number)
{
   static const char *const kFiles[] = {nullptr,         "timesi.ttf", "timesbd.ttf", "timesbi.ttf", "arial.ttf",
                                        "ariali.ttf",    nullptr,      "arialbi.ttf", "cour.ttf",    "couri.ttf",
                                        "courbd.ttf",    "courbi.ttf", "symbol.ttf",  "times.ttf",   "wingding.ttf"};
   const Int_t family = number / 10;
   if (family < 1 || family > 14 || !kFiles[family]) return "arialbd.ttf";
   return kFiles[family];
}

void TFreeType::SetTextFontNumber(Int_t number) { SetTextFont(FontFileName(number)); }

const char *TFreeType::GetFontName(Int_t i) const
{
   return i >= 0 && i < fFontCount ? fFontName[i].c_str() : nullptr;
}

FT_Face TFreeType::GetCurrentFace() const
{
   return fCurFontIdx >= 0 && fCurFontIdx < fFontCount ? fFace[fCurFontIdx] : nullptr;
}

Int_t TFreeType::FallBackToDefault()
{
   Warning("TFreeType::SetTextFont", "using default font %s", fFontName[0].c_str());
   fCurFontIdx = 0;
   return 0;
}

Int_t TFreeType::SetTextFont(const char *name)
{
   if (!fLibrary) return 1;
   if (!name || !*name) {
      // With nothing loaded there is no font 0 to name or select.
      if (fFontCount == 0) return 1;
      Warning("TFreeType::SetTextFont", "no font name specified, using default font %s", fFontName[0].c_str());
      fCurFontIdx = 0;
      return 0;
   }
   const char *base = gSystem->BaseName(name);
   for (Int_t i = 0; i < fFontCount; ++i) {
      if (fFontName[i] == base) {
         fCurFontIdx = i;
         return 0;
      }
   }
   if (fFontCount >= kTTMaxFont) {
      Error("TFreeType::SetTextFont", "too many fonts opened (increase kTTMaxFont = %d)", kTTMaxFont);
      return FallBackToDefault();
   }

   const char *folder = gEnv->GetValue("Root.TTFontPath", "$(ROOTSYS)/fonts");
   char *path = gSystem->Which(folder, name, kReadPermission);
   if (!path) {
      Error("TFreeType::SetTextFont", "font file %s not found in path %s", name, folder);
      return fFontCount == 0 ? 1 : FallBackToDefault();
   }

   FT_Face face = nullptr;
   if (FT_New_Face(fLibrary, path, 0, &face)) {
      Error("TFreeType::SetTextFont", "error loading font %s", path);
      delete[] path;
      if (face) FT_Done_Face(face);
      return fFontCount == 0 ? 1 : FallBackToDefault();
   }
   delete[] path;
   fFontName[fFontCount] = base;
   fFace[fFontCount] = face;
   fCharMap[fFontCount] = nullptr;
   fCurFontIdx = fFontCount++;
   return 0;
}

void TFreeType::SetTextSize(Float_t size)
{
   if (size < 0) return;
   if (fCurFontIdx < 0 || fCurFontIdx >= fFontCount) {
      Error("TFreeType::SetTextSize", "current font index out of bounds");
      // Index 0 is only valid once a font exists; otherwise text stays without a font.
      fCurFontIdx = fFontCount > 0 ? 0 : -1;
      return;
   }
   const FT_F26Dot6 t = FT_F26Dot6(int(size * kPointsPerPixel + 0.5)) << 6;
   if (FT_Set_Char_Size(fFace[fCurFontIdx], t, t, 72, 72)) Error("TFreeType::SetTextSize", "error in FT_Set_Char_Size");
}

void TFreeType::SetGlyphRotation(Float_t angle)
{
   if (!fRotMatrix) fRotMatrix = new FT_Matrix;
   const float a = -(angle * float(M_PI) / 180.f);
   const float s = std::sin(a), c = std::cos(a);
   fRotMatrix->xx = FT_Fixed(c * 65536);
   fRotMatrix->xy = FT_Fixed(s * 65536);
   fRotMatrix->yx = -fRotMatrix->xy;
   fRotMatrix->yy = fRotMatrix->xx;
}

UInt_t TFreeType::CharToUnicode(UInt_t code)
{
   FT_Face face = GetCurrentFace();
   if (!face) return 0;
   if (fCharMap[fCurFontIdx]) return FT_Get_Char_Index(face, code);

   const bool symbol = fFontName[fCurFontIdx] == "symbol.ttf";
   FT_CharMap chosen = nullptr;
   for (FT_Int i = 0; i < face->num_charmaps && !chosen; ++i) {
      FT_CharMap map = face->charmaps[i];
      const FT_UShort platform = map->platform_id, encoding = map->encoding_id;
      if ((platform == 3 && encoding == 1) || (platform == 0 && encoding == 0) ||
          (symbol && platform == 1 && encoding == 0))
         chosen = map;
   }
   if (chosen) {
      fCharMap[fCurFontIdx] = chosen;
      if (FT_Set_Charmap(face, chosen)) Error("TFreeType::CharToUnicode", "error in FT_Set_CharMap");
   }
   return FT_Get_Char_Index(face, code);
}

void TFreeType::ConvertString(const char *text)
{
   fNumGlyphs = 0;
   fTBlankW = 0;
   FT_Face face = GetCurrentFace();
   if (!text || !face) return;
   Int_t blanks = 0;
   for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p && fNumGlyphs < kMaxGlyphs; ++p) {
      const UInt_t index = CharToUnicode(*p);
      if (index) fGlyphs[fNumGlyphs++].fIndex = index;
      // Glyph 3 is the blank of TrueType fonts.
      blanks = index == 3 ? blanks + 1 : 0;
   }
   if (blanks > 0 && FT_Load_Glyph(face, 3, LoadFlags()) == 0)
      fTBlankW = blanks * Int_t(face->glyph->advance.x >> 6);
}

void TFreeType::PlaceGlyphs()
{
   fWidth = 0;
   fAscent = 0;
   fCBox.xMin = fCBox.yMin = 32000;
   fCBox.xMax = fCBox.yMax = -32000;
   FT_Face face = GetCurrentFace();
   if (!face) return;
   if (!fRotMatrix) SetGlyphRotation(0);

   const FT_Int32 flags = LoadFlags();
   const FT_UInt kerningMode = fHinting ? FT_KERNING_DEFAULT : FT_KERNING_UNFITTED;
   UInt_t previous = 0;
   for (Int_t n = 0; n < fNumGlyphs; ++n) {
      TTGlyph &glyph = fGlyphs[n];
      if (fKerning) {
         if (previous) {
            FT_Vector kern;
            if (FT_Get_Kerning(face, previous, glyph.fIndex, kerningMode, &kern) == 0) fWidth += Int_t(kern.x);
         }
         previous = glyph.fIndex;
      }
      FT_Vector origin = {fWidth, 0};
      if (FT_Load_Glyph(face, glyph.fIndex, flags)) continue;
      FT_Glyph image = nullptr;
      if (FT_Get_Glyph(face->glyph, &image)) continue;
      // The image of the string placed before is not needed any more.
      if (glyph.fImage) FT_Done_Glyph(glyph.fImage);
      glyph.fImage = image;
      glyph.fPos = origin;
      fWidth += Int_t(face->glyph->advance.x);
      fAscent = std::max(fAscent, Int_t(face->glyph->metrics.horiBearingY));

      FT_Vector_Transform(&glyph.fPos, fRotMatrix);
      if (FT_Glyph_Transform(glyph.fImage, fRotMatrix, &glyph.fPos)) continue;
      FT_BBox box;
      FT_Glyph_Get_CBox(glyph.fImage, FT_GLYPH_BBOX_PIXELS, &box);
      fCBox.xMin = std::min(fCBox.xMin, box.xMin);
      fCBox.yMin = std::min(fCBox.yMin, box.yMin);
      fCBox.xMax = std::max(fCBox.xMax, box.xMax);
      fCBox.yMax = std::max(fCBox.yMax, box.yMax);
   }
}

void TFreeType::MeasureString(UInt_t &w, UInt_t &h, const char *text)
{
   SetGlyphRotation(0);
   ConvertString(text);
   PlaceGlyphs();
   if (fNumGlyphs == 0 || fCBox.xMax < fCBox.xMin) {
      // An empty (or all-blank) string is as wide as its blanks and has no height.
      w = UInt_t(std::max(fTBlankW, 0));
      h = 0;
      return;
   }
   w = UInt_t(fCBox.xMax + fTBlankW + (fCBox.xMin < 0 ? -fCBox.xMin : 0));
   h = UInt_t(fCBox.yMax + (fCBox.yMin < 0 ? -fCBox.yMin : 0));
}
