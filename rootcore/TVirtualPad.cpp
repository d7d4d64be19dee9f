#include "TVirtualPad.h"

#include <set>

TVirtualPad *gPad = nullptr;

namespace {
// Every live pad, so that deleted primitives can leave them. Pads live on the GUI thread only.
std::set<TVirtualPad *> &LivePads()
{
   static std::set<TVirtualPad *> *pads = new std::set<TVirtualPad *>;
   return *pads;
}
} // namespace

TVirtualPad::TVirtualPad() { LivePads().insert(this); }

TVirtualPad::~TVirtualPad()
{
   LivePads().erase(this);
   if (gPad == this) gPad = nullptr;
}

void TVirtualPad::RemoveFromAllPads(TObject *obj)
{
   for (TVirtualPad *pad : LivePads()) pad->RecursiveRemove(obj);
}
