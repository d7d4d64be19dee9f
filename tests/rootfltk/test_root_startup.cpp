// ROOT's start-up in a process without a display: the application, the FLTK back end and the
// shared canvas exist once the library is loaded, and no X connection is opened for them.
#include <gtest/gtest.h>

#include <cstdlib>

#include <FL/x.H>

#include "Fl_TPad.h"
#include "OrvRootStartup.h"
#include "TApplication.h"
#include "TCanvas.h"
#include "TGFltk.h"

namespace {
TEST(RootStartup, RunsAtLoadWithoutADisplay)
{
   unsetenv("DISPLAY");
   // The start-up ran during static initialisation, before this test.
   ASSERT_NE(gApplication, nullptr);
   EXPECT_STREQ(gApplication->ApplicationName(), "RootApp");
   auto *backEnd = dynamic_cast<TGFltk *>(gVirtualX);
   ASSERT_NE(backEnd, nullptr);
   EXPECT_STREQ(backEnd->GetName(), "Fltk");
   EXPECT_STREQ(backEnd->GetTitle(), "ROOT interface to Fltk");
   EXPECT_EQ(gPtr2VirtualX, nullptr);

   TCanvas *canvas = OrvRootStartup::Instance().GetCanvas();
   ASSERT_NE(canvas, nullptr);
   EXPECT_STREQ(canvas->GetName(), "myCanvas");
   EXPECT_EQ(canvas->GetCanvasID(), 0);
   EXPECT_EQ(gPad, canvas);

   {
      Fl_TPad pad(0, 0, 40, 30, "headless");
      EXPECT_EQ(pad.GetMother(), canvas);
      EXPECT_EQ(canvas->GetWw(), 40u);
      pad.handle(FL_MOVE);
      pad.resize(0, 0, 50, 30);
   }
   EXPECT_EQ(gPad, canvas) << "a deleted pad gives the current pad back to the canvas";
   EXPECT_EQ(fl_display, nullptr) << "no X connection was opened";
}

TEST(RootStartup, StartsOnlyOnce)
{
   EXPECT_EQ(&OrvRootStartup::Instance(), &OrvRootStartup::Instance());
   TCanvas *canvas = OrvRootStartup::Instance().GetCanvas();
   EXPECT_EQ(OrvRootStartup::Instance().GetCanvas(), canvas);
}
} // namespace
