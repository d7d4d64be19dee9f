#include "TROOT.h"

#include "TColor.h"

namespace {
struct ColorEntry {
   Int_t index;
   Float_t r, g, b;
   const char *name;
};

// The standard colour table: indices 0..50 and the grey family of the colour wheel.
const ColorEntry kStandardColors[] = {
   {0, 1.f, 1.f, 1.f, "background"},   {1, 0.f, 0.f, 0.f, "black"},       {2, 1.f, 0.f, 0.f, "red"},
   {3, 0.f, 1.f, 0.f, "green"},        {4, 0.f, 0.f, 1.f, "blue"},        {5, 1.f, 1.f, 0.f, "yellow"},
   {6, 1.f, 0.f, 1.f, "magenta"},      {7, 0.f, 1.f, 1.f, "cyan"},        {8, .35f, .83f, .33f, "Color8"},
   {9, .35f, .33f, .85f, "Color9"},    {10, .999f, .999f, .999f, "white"}, {11, .754f, .715f, .676f, "editcol"},
   {12, .3f, .3f, .3f, "grey12"},      {13, .4f, .4f, .4f, "grey13"},     {14, .5f, .5f, .5f, "grey14"},
   {15, .6f, .6f, .6f, "grey15"},      {16, .7f, .7f, .7f, "grey16"},     {17, .8f, .8f, .8f, "grey17"},
   {18, .9f, .9f, .9f, "grey18"},      {19, .95f, .95f, .95f, "grey19"},  {20, .8f, .78f, .67f, "Color20"},
   {21, .8f, .78f, .67f, "Color21"},   {22, .76f, .75f, .66f, "Color22"}, {23, .73f, .71f, .64f, "Color23"},
   {24, .7f, .65f, .59f, "Color24"},   {25, .72f, .64f, .61f, "Color25"}, {26, .68f, .6f, .55f, "Color26"},
   {27, .61f, .56f, .51f, "Color27"},  {28, .53f, .4f, .34f, "Color28"},  {29, .69f, .81f, .78f, "Color29"},
   {30, .52f, .76f, .64f, "Color30"},  {31, .54f, .66f, .63f, "Color31"}, {32, .51f, .62f, .55f, "Color32"},
   {33, .68f, .74f, .78f, "Color33"},  {34, .48f, .56f, .6f, "Color34"},  {35, .46f, .54f, .57f, "Color35"},
   {36, .41f, .51f, .59f, "Color36"},  {37, .43f, .48f, .52f, "Color37"}, {38, .49f, .6f, .82f, "Color38"},
   {39, .5f, .5f, .61f, "Color39"},    {40, .67f, .65f, .75f, "Color40"}, {41, .83f, .81f, .53f, "Color41"},
   {42, .87f, .73f, .53f, "Color42"},  {43, .74f, .62f, .51f, "Color43"}, {44, .78f, .6f, .49f, "Color44"},
   {45, .75f, .51f, .47f, "Color45"},  {46, .81f, .37f, .38f, "Color46"}, {47, .67f, .56f, .58f, "Color47"},
   {48, .65f, .47f, .48f, "Color48"},  {49, .58f, .41f, .44f, "Color49"}, {50, .83f, .35f, .33f, "Color50"},
   {kGray, 204 / 255.f, 204 / 255.f, 204 / 255.f, "kGray"},
   {kGray + 1, 153 / 255.f, 153 / 255.f, 153 / 255.f, "kGray+1"},
   {kGray + 2, 102 / 255.f, 102 / 255.f, 102 / 255.f, "kGray+2"},
   {kGray + 3, 51 / 255.f, 51 / 255.f, 51 / 255.f, "kGray+3"},
};
} // namespace

TROOT::TROOT(const char *name, const char *title) : TNamed(name, title) { InitializeColors(); }

TROOT::~TROOT() = default;

void TROOT::InitializeColors()
{
   for (const ColorEntry &e : kStandardColors) {
      fBuiltinColors.emplace_back(new TColor(TColor::Builtin{}, e.index, e.r, e.g, e.b, e.name));
      fColors[e.index] = fBuiltinColors.back().get();
   }
}

TColor *TROOT::GetColor(Int_t color) const
{
   auto it = fColors.find(color);
   return it == fColors.end() ? nullptr : it->second;
}

void TROOT::AddColor(TColor *color) { fColors[color->GetNumber()] = color; }

void TROOT::RemoveColor(TColor *color)
{
   auto it = fColors.find(color->GetNumber());
   if (it == fColors.end() || it->second != color) return;
   fColors.erase(it);
   // A user colour that had replaced a standard one gives the index back to it.
   for (const auto &builtin : fBuiltinColors)
      if (builtin->GetNumber() == color->GetNumber()) fColors[builtin->GetNumber()] = builtin.get();
}

namespace ROOT {
TROOT *GetROOT()
{
   // Never destroyed: library unload code may still use it after other statics are gone.
   static TROOT *root = new TROOT("root", "The ROOT of everything");
   return root;
}
} // namespace ROOT
