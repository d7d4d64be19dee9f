// Basic types, constants and the bit helper of the ROOT stand-in.
#ifndef ORV_ROOTCORE_RTYPES_H
#define ORV_ROOTCORE_RTYPES_H

typedef char Char_t;
typedef unsigned char UChar_t;
typedef short Short_t;
typedef unsigned short UShort_t;
typedef int Int_t;
typedef unsigned int UInt_t;
typedef long Long_t;
typedef unsigned long ULong_t;
typedef long long Long64_t;
typedef unsigned long long ULong64_t;
typedef float Float_t;
typedef double Double_t;
typedef bool Bool_t;
typedef char Text_t;
typedef const char Option_t;

// Attribute types: colour indices, styles and widths are shorts, sizes floats.
typedef short Color_t;
typedef short Style_t;
typedef short Width_t;
typedef short Font_t;
typedef float Size_t;
typedef double Stat_t;
typedef double Axis_t;

const Bool_t kTRUE = true;
const Bool_t kFALSE = false;

#ifndef BIT
#define BIT(n) (1ULL << (n))
#endif

// Colour indices with a fixed meaning in the colour table.
enum EColor { kWhite = 0, kBlack = 1, kGray = 920 };

#endif
