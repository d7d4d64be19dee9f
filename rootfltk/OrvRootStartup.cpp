#include "OrvRootStartup.h"

#include "TApplication.h"
#include "TCanvas.h"
#include "TGFltk.h"

OrvRootStartup::OrvRootStartup()
{
   if (!gApplication) {
      new TApplication("RootApp", nullptr, nullptr, nullptr, 0); // becomes gApplication
      TVirtualX::Instance() = new TGFltk("Fltk", "ROOT interface to Fltk");
      gPtr2VirtualX = nullptr;
   }
   fCanvas = new TCanvas("myCanvas", 10, 10, 0);
}

OrvRootStartup::~OrvRootStartup()
{
   delete fCanvas;
   fCanvas = nullptr;
   if (gVirtualX != gGXBatch) delete gVirtualX;
   delete gApplication;
}

OrvRootStartup &OrvRootStartup::Instance()
{
   static OrvRootStartup startup;
   return startup;
}

namespace {
// Starts ROOT when the library is loaded.
[[maybe_unused]] const OrvRootStartup &gStartedAtLoad = OrvRootStartup::Instance();
} // namespace
