// The pad widget: its drawing area inside the insets, the shared canvas size, activation,
// events and ROOT's refresh requests.
#include <gtest/gtest.h>

#include <memory>

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include "Fl_TPad.h"
#include "TGFltk.h"
#include "offscreen.h"

namespace {
const Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};

// A pad that fills its drawing area in a colour.
std::unique_ptr<Fl_TPad> FilledPad(int x, int y, int w, int h, Color_t colour)
{
   auto pad = std::make_unique<Fl_TPad>(x, y, w, h, "pad");
   pad->SetFillColor(colour);
   pad->SetFillStyle(1001);
   return pad;
}

TEST(Fl_TPad, PaintsItsDrawingAreaInsideTheInsets)
{
   auto pad = FilledPad(0, 0, 300, 200, 2);
   pad->SetInsets(10, 20, 20, 20);
   EXPECT_EQ(pad->GetInsetTop(), 10);
   EXPECT_EQ(pad->GetInsetRight(), 20);
   EXPECT_EQ(pad->GetInsetBottom(), 20);
   EXPECT_EQ(pad->GetInsetLeft(), 20);
   Image image = PaintOffscreen(300, 200, [&] { pad->draw(); });
   const InkBox box = image.Box(kRed);
   EXPECT_EQ(box.x0, 20);
   EXPECT_EQ(box.y0, 10);
   EXPECT_EQ(box.Width(), 260);
   EXPECT_EQ(box.Height(), 170);
   EXPECT_EQ(image.Box().Width(), 260) << "nothing else is painted";
   EXPECT_EQ(pad->GetWw(), 260u);
   EXPECT_EQ(pad->GetWh(), 170u);
}

TEST(Fl_TPad, EachPadPaintsAtItsOwnSize)
{
   auto large = FilledPad(0, 0, 200, 100, 2);
   auto small = FilledPad(0, 120, 100, 50, 4); // made last: the shared canvas is its size now
   EXPECT_EQ(large->GetWw(), 100u) << "one canvas for all pads";
   Image image = PaintOffscreen(220, 180, [&] {
      large->draw();
      small->draw();
   });
   const InkBox red = image.Box(kRed), blue = image.Box(kBlue);
   EXPECT_EQ(red.Width(), 200);
   EXPECT_EQ(red.Height(), 100);
   EXPECT_EQ(blue.Width(), 100);
   EXPECT_EQ(blue.Height(), 50);
   EXPECT_EQ(blue.y0, 120);
}

TEST(Fl_TPad, DrawingLeavesTheCurrentPadAndTheBackEndAlone)
{
   auto pad = FilledPad(0, 0, 50, 50, 2);
   TVirtualPad *current = gPad;
   PaintOffscreen(50, 50, [&] { pad->draw(); });
   EXPECT_EQ(gPad, current);
   EXPECT_EQ(dynamic_cast<TGFltk &>(*gVirtualX).GetCurrentPad(), nullptr);
}

TEST(Fl_TPad, InactiveParentStopsThePainting)
{
   Fl_Group group(0, 0, 100, 100);
   auto *pad = new Fl_TPad(10, 10, 80, 80, "inside");
   pad->SetFillColor(2);
   group.end();
   group.deactivate();
   EXPECT_EQ(PaintOffscreen(100, 100, [&] { pad->draw(); }).CountInk(), 0);
   group.activate();
   EXPECT_EQ(PaintOffscreen(100, 100, [&] { pad->draw(); }).Box(kRed).Width(), 80);
}

TEST(Fl_TPad, EventsAreNotTakenButResizeTheSharedCanvas)
{
   auto pad = FilledPad(0, 0, 120, 90, 2);
   pad->SetInsets(5, 5, 5, 5);
   auto other = FilledPad(0, 0, 30, 30, 4);
   for (int event : {FL_PUSH, FL_RELEASE, FL_DRAG, FL_MOVE, FL_ENTER, FL_KEYDOWN}) {
      other->handle(FL_MOVE);
      EXPECT_EQ(pad->handle(event), 0) << event;
      EXPECT_EQ(pad->GetWw(), 110u);
      EXPECT_EQ(pad->GetWh(), 80u);
   }
   pad->resize(0, 0, 200, 100);
   EXPECT_EQ(pad->GetWw(), 190u);
   EXPECT_EQ(pad->XtoPixel(1), 190);
}

TEST(Fl_TPad, UpdateOnlySchedulesARedraw)
{
   Fl_Window window(160, 120, "pad");
   auto *pad = new Fl_TPad(10, 10, 140, 100, "pad");
   window.end();
   PaintProbe probe([] {});
   pad->Add(&probe);
   window.show();
   // Wait for the first exposure to have been drawn.
   for (int i = 0; i < 100 && probe.Count() == 0; ++i) Fl::wait(0.05);
   ASSERT_GE(probe.Count(), 1);
   Fl::wait(0.1);
   Fl::flush();
   const int before = probe.Count();
   ASSERT_EQ(pad->damage(), 0);

   pad->Update();
   EXPECT_NE(pad->damage(), 0) << "scheduled";
   EXPECT_EQ(probe.Count(), before) << "not painted yet";
   Fl::flush();
   EXPECT_EQ(probe.Count(), before + 1) << "painted at the next drawing pass";
   pad->Clear();
   window.hide();
   Fl::wait(0.01);
}
} // namespace
