#include "TObject.h"

#include "TVirtualPad.h"

TObject &TObject::operator=(const TObject &other)
{
   // Keep this object's ownership by a pad and its listing in pads; take the other bits.
   const UInt_t own = kCanDelete | kMustCleanup;
   if (this != &other) fBits = (other.fBits & ~own) | (fBits & own);
   return *this;
}

TObject::~TObject()
{
   // A primitive that goes away leaves the pads that list it.
   if (TestBit(kMustCleanup)) TVirtualPad::RemoveFromAllPads(this);
}

const char *TObject::GetName() const { return "TObject"; }

const char *TObject::GetTitle() const { return ""; }

void TObject::Clear(Option_t *) {}

void TObject::Draw(Option_t *option) { AppendPad(option); }

void TObject::Paint(Option_t *) {}

void TObject::AppendPad(Option_t *option)
{
   // There is no default canvas to create: without a current pad nothing is drawn.
   if (gPad) gPad->Add(this, option ? option : "");
}

void TObject::SetBit(UInt_t f, Bool_t set)
{
   if (set)
      SetBit(f);
   else
      ResetBit(f);
}
