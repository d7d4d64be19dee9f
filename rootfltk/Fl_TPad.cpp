#include "Fl_TPad.h"

#include <FL/fl_draw.H>

#include "OrvRootStartup.h"
#include "TGFltk.h"

namespace {
// The mother canvas must exist before the TPad part reads gPad, even when a pad is made from
// a static initialiser that runs before the library's own start-up.
const char *AfterRootStartup(const char *label)
{
   OrvRootStartup::Instance();
   return label;
}
} // namespace

Fl_TPad::Fl_TPad(int x, int y, int w, int h, const char *label)
   : Fl_Widget(x, y, w, h, label), TPad(AfterRootStartup(label), label, 0, 0, 1, 1, -1, -1, -2)
{
   SetCanvasSize(w, h);
   ResizePad("");
}

Fl_TPad::~Fl_TPad() = default;

void Fl_TPad::SetInsets(int top, int right, int bottom, int left)
{
   fInsetTop = top;
   fInsetRight = right;
   fInsetBottom = bottom;
   fInsetLeft = left;
}

void Fl_TPad::SyncCanvasSize()
{
   const int w = this->w() - fInsetLeft - fInsetRight;
   const int h = this->h() - fInsetTop - fInsetBottom;
   SetCanvasSize(w > 0 ? w : 0, h > 0 ? h : 0);
   ResizePad("");
}

void Fl_TPad::draw()
{
   if (!active_r()) return;
   SyncCanvasSize();
   TGFltk *backEnd = dynamic_cast<TGFltk *>(gVirtualX);
   if (backEnd) backEnd->SetCurrentPad(this);
   Paint("");
   if (backEnd) backEnd->SetCurrentPad(nullptr);
   // FLTK's own drawing after us expects its default line.
   fl_line_style(FL_SOLID);
}

int Fl_TPad::handle(int)
{
   SyncCanvasSize();
   return 0;
}

void Fl_TPad::resize(int x, int y, int w, int h)
{
   Fl_Widget::resize(x, y, w, h);
   SyncCanvasSize();
}

void Fl_TPad::Update() { redraw(); }
