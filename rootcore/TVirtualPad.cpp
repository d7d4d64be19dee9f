#include "TVirtualPad.h"

TVirtualPad *gPad = nullptr;

TVirtualPad::~TVirtualPad()
{
   if (gPad == this) gPad = nullptr;
}
