// TrueType text: the font-number table, font loading and its messages, size, conversion,
// placement and rotation.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TEnv.h"
#include "TFreeType.h"
#include "rootcore/error_capture.h"

namespace fs = std::filesystem;

namespace {
TEST(TFreeType, FontNumbersNameFontFiles)
{
   const struct {
      int number;
      const char *file;
   } cases[] = {{12, "timesi.ttf"},  {22, "timesbd.ttf"},  {32, "timesbi.ttf"},  {42, "arial.ttf"},
                {52, "ariali.ttf"},  {62, "arialbd.ttf"},  {72, "arialbi.ttf"},  {82, "cour.ttf"},
                {92, "couri.ttf"},   {102, "courbd.ttf"},  {112, "courbi.ttf"},  {122, "symbol.ttf"},
                {132, "times.ttf"},  {142, "wingding.ttf"}, {5, "arialbd.ttf"},  {-20, "arialbd.ttf"},
                {150, "arialbd.ttf"}, {43, "arial.ttf"}};
   for (const auto &c : cases) EXPECT_STREQ(TFreeType::FontFileName(c.number), c.file) << c.number;
}

class FreeTypeFonts : public testing::Test {
protected:
   TFreeType fText; // starts with "arialbd.ttf" from the build's font folder
};

TEST_F(FreeTypeFonts, StartsWithTheDefaultFontAndLoadsEachFileOnce)
{
   ASSERT_EQ(fText.GetNumFonts(), 1) << "fonts folder: " << gEnv->GetValue("Root.TTFontPath", "");
   EXPECT_STREQ(fText.GetFontName(0), "arialbd.ttf");
   fText.SetTextFontNumber(42);
   EXPECT_STREQ(fText.GetFontName(fText.GetCurrentFont()), "arial.ttf");
   EXPECT_EQ(fText.GetNumFonts(), 2);
   fText.SetTextFontNumber(62);
   EXPECT_EQ(fText.GetCurrentFont(), 0);
   fText.SetTextFontNumber(42);
   EXPECT_EQ(fText.GetCurrentFont(), 1);
   EXPECT_EQ(fText.GetNumFonts(), 2) << "found again by name";
   EXPECT_EQ(fText.SetTextFont("/some/where/arial.ttf"), 0) << "only the base name counts";
   EXPECT_EQ(fText.GetNumFonts(), 2);
}

TEST_F(FreeTypeFonts, MissingFontFallsBackToTheDefaultWithMessages)
{
   fText.SetTextFontNumber(42);
   ErrorCapture errors;
   EXPECT_EQ(fText.SetTextFont("nosuch.ttf"), 0);
   EXPECT_EQ(fText.GetCurrentFont(), 0);
   const auto &r = ErrorCapture::Reports();
   ASSERT_EQ(r.size(), 2u);
   EXPECT_EQ(r[0].level, kError);
   EXPECT_EQ(r[0].location, "TFreeType::SetTextFont");
   EXPECT_EQ(r[0].message,
             std::string("font file nosuch.ttf not found in path ") + gEnv->GetValue("Root.TTFontPath", ""));
   EXPECT_EQ(r[1].level, kWarning);
   EXPECT_EQ(r[1].message, "using default font arialbd.ttf");
}

TEST_F(FreeTypeFonts, SymbolAndWingdingsFallBackWithAWarning)
{
   ErrorCapture errors;
   fText.SetTextFontNumber(122);
   fText.SetTextFontNumber(142);
   EXPECT_EQ(fText.GetCurrentFont(), 0);
   ASSERT_EQ(ErrorCapture::Reports().size(), 4u);
   EXPECT_EQ(ErrorCapture::Reports()[3].message, "using default font arialbd.ttf");
}

TEST_F(FreeTypeFonts, EmptyNameSelectsTheDefault)
{
   fText.SetTextFontNumber(42);
   ErrorCapture errors;
   EXPECT_EQ(fText.SetTextFont(""), 0);
   EXPECT_EQ(fText.SetTextFont(nullptr), 0);
   EXPECT_EQ(fText.GetCurrentFont(), 0);
   ASSERT_EQ(ErrorCapture::Reports().size(), 2u);
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "no font name specified, using default font arialbd.ttf");
}

TEST_F(FreeTypeFonts, TextSizeIsPixelsScaledToPointsAt72Dpi)
{
   fText.SetTextSize(12); // int(12 * 0.93376 + 0.5) = 11 points, 704 in 26.6
   FT_Face face = fText.GetCurrentFace();
   EXPECT_EQ(face->size->metrics.x_ppem, 11);
   EXPECT_EQ(face->size->metrics.y_ppem, 11);
   fText.SetTextSize(-3);
   EXPECT_EQ(face->size->metrics.x_ppem, 11) << "negative sizes are ignored";
}

TEST_F(FreeTypeFonts, ConvertingMeasuresTrailingBlanks)
{
   fText.SetTextSize(20);
   fText.ConvertString("ab  ");
   EXPECT_EQ(fText.GetNumGlyphs(), 4);
   FT_Face face = fText.GetCurrentFace();
   ASSERT_EQ(FT_Load_Glyph(face, 3, FT_LOAD_NO_HINTING), 0);
   const int blank = int(face->glyph->advance.x >> 6);
   EXPECT_GT(blank, 0);
   EXPECT_EQ(fText.GetTrailingBlanksWidth(), 2 * blank);

   fText.ConvertString("a b");
   EXPECT_EQ(fText.GetNumGlyphs(), 3);
   EXPECT_EQ(fText.GetTrailingBlanksWidth(), 0);

   fText.ConvertString(std::string(2000, 'x').c_str());
   EXPECT_EQ(fText.GetNumGlyphs(), 1024);
   fText.PlaceGlyphs();
}

TEST_F(FreeTypeFonts, RotationMatrixIsSixteenDotSixteen)
{
   fText.SetGlyphRotation(90);
   const FT_Matrix *m = fText.GetRotMatrix();
   EXPECT_EQ(m->xx, 0);
   EXPECT_EQ(m->xy, -65536);
   EXPECT_EQ(m->yx, 65536);
   EXPECT_EQ(m->yy, 0);
   fText.SetGlyphRotation(0);
   EXPECT_EQ(m, fText.GetRotMatrix()) << "the matrix is made once and reused";
   EXPECT_EQ(m->xx, 65536);
   EXPECT_EQ(m->xy, 0);
}

TEST_F(FreeTypeFonts, PlacementGivesAscentAdvanceAndBox)
{
   fText.SetTextSize(20);
   UInt_t w1, h1, w4, h4;
   fText.MeasureString(w1, h1, "H");
   const int ascent = fText.GetAscent(), advance = fText.GetWidth();
   fText.MeasureString(w4, h4, "HHHH");
   EXPECT_GT(ascent, 10 * 64);
   EXPECT_EQ(fText.GetAscent(), ascent);
   EXPECT_EQ(fText.GetWidth(), 4 * advance) << "no kerning between equal letters";
   EXPECT_EQ(h1, h4);
   EXPECT_EQ(int(h1), fText.GetBox().yMax) << "capitals sit on the baseline";
   EXPECT_NEAR(int(w4), 4 * (advance >> 6), 3);

   UInt_t wb, hb;
   fText.MeasureString(wb, hb, "H  ");
   EXPECT_GT(wb, w1) << "trailing blanks count in the width";
   EXPECT_EQ(hb, h1);
}

TEST_F(FreeTypeFonts, RotatedPlacementTurnsTheBox)
{
   fText.SetTextSize(20);
   fText.SetGlyphRotation(90);
   fText.ConvertString("HHHH");
   fText.PlaceGlyphs();
   const FT_BBox &box = fText.GetBox();
   EXPECT_GT(box.yMax - box.yMin, 2 * (box.xMax - box.xMin)) << "text reads upwards";
   EXPECT_GT(box.yMax, 40);
}

// A font folder of the test's own.
class FontFolder : public testing::Test {
protected:
   void SetUp() override
   {
      fSaved = gEnv->GetValue("Root.TTFontPath", "");
      char pattern[] = "/tmp/orv-fonts-XXXXXX";
      ASSERT_NE(mkdtemp(pattern), nullptr);
      fDir = pattern;
      gEnv->SetValue("Root.TTFontPath", fDir.c_str());
   }
   void TearDown() override
   {
      gEnv->SetValue("Root.TTFontPath", fSaved.c_str());
      fs::remove_all(fDir);
   }
   void Link(const std::string &name)
   {
      fs::create_symlink(fs::path(fSaved) / "arial.ttf", fs::path(fDir) / name);
   }
   std::string fSaved;
   std::string fDir;
};

TEST_F(FontFolder, WithoutAnyFontOnlyTheMissingFileIsReported)
{
   ErrorCapture errors;
   TFreeType text;
   ASSERT_EQ(ErrorCapture::Reports().size(), 1u);
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "font file arialbd.ttf not found in path " + fDir);
   EXPECT_EQ(text.GetCurrentFont(), -1);
   EXPECT_EQ(text.SetTextFont("other.ttf"), 1);

   // Text operations without a font stay harmless.
   ErrorCapture::Reports().clear();
   text.SetTextSize(12);
   ASSERT_EQ(ErrorCapture::Reports().size(), 1u);
   EXPECT_EQ(ErrorCapture::Reports()[0].location, "TFreeType::SetTextSize");
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "current font index out of bounds");
   UInt_t w = 1, h = 1;
   text.MeasureString(w, h, "abc");
   EXPECT_EQ(text.GetNumGlyphs(), 0);
   EXPECT_EQ(h, 0u);
}

TEST_F(FontFolder, AFileThatIsNoFontIsReportedAsALoadError)
{
   Link("arialbd.ttf");
   std::FILE *f = std::fopen((fDir + "/broken.ttf").c_str(), "w");
   ASSERT_NE(f, nullptr);
   std::fputs("not a font", f);
   std::fclose(f);
   TFreeType text;
   ErrorCapture errors;
   EXPECT_EQ(text.SetTextFont("broken.ttf"), 0);
   ASSERT_EQ(ErrorCapture::Reports().size(), 2u);
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "error loading font " + fDir + "/broken.ttf");
   EXPECT_EQ(ErrorCapture::Reports()[1].message, "using default font arialbd.ttf");
   EXPECT_EQ(text.GetNumFonts(), 1);
}

TEST_F(FontFolder, TheThirtyThirdFontFallsBackToTheDefault)
{
   Link("arialbd.ttf");
   for (int i = 0; i < 32; ++i) Link("f" + std::to_string(i) + ".ttf");
   TFreeType text;
   for (int i = 0; i < 31; ++i) ASSERT_EQ(text.SetTextFont(("f" + std::to_string(i) + ".ttf").c_str()), 0);
   ASSERT_EQ(text.GetNumFonts(), 32);
   EXPECT_EQ(text.GetCurrentFont(), 31);
   ErrorCapture errors;
   EXPECT_EQ(text.SetTextFont("f31.ttf"), 0);
   EXPECT_EQ(text.GetCurrentFont(), 0);
   EXPECT_EQ(text.GetNumFonts(), 32);
   ASSERT_EQ(ErrorCapture::Reports().size(), 2u);
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "too many fonts opened (increase kTTMaxFont = 32)");
   EXPECT_EQ(ErrorCapture::Reports()[1].message, "using default font arialbd.ttf");
}
} // namespace
