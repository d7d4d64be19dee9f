#include "widgets/OrvRadioPair.h"

#include <FL/fl_draw.H>
#include <FL/x.H>

namespace {
constexpr int kTextSize = 10;
constexpr int kRowHeight = 10;
constexpr int kButtonWidth = 80;

Fl_Round_Button* MakeButton(const char* label) {
  auto* button = new Fl_Round_Button(0, 0, kButtonWidth, kRowHeight, label);
  button->labelsize(kTextSize);
  button->type(FL_RADIO_BUTTON);
  button->down_box(FL_ROUND_DOWN_BOX);
  button->visible_focus(0);
  return button;
}
}  // namespace

OrvRadioPair::OrvRadioPair(int x, int y, int w, int h, const char* caption, const char* first, const char* second)
    : Fl_Pack(x, y, w, h) {
  type(Fl_Pack::HORIZONTAL);
  spacing(10);
  fCaption = new Fl_Box(0, 0, 10, kRowHeight, caption);
  fCaption->labelsize(kTextSize);
  fCaption->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  fFirst = MakeButton(first);
  fSecond = MakeButton(second);
  end();
  fFirst->value(1);
  fSecond->value(0);
  fFirst->callback(Pressed, this);
  fSecond->callback(Pressed, this);
  if (fl_display) FitCaption();
  PlaceChildren();
}

// The pack places its children only when it draws; until then they already sit in a row, so that
// events reach them at the right place.
void OrvRadioPair::PlaceChildren() {
  int left = x();
  for (Fl_Widget* child :
       {static_cast<Fl_Widget*>(fCaption), static_cast<Fl_Widget*>(fFirst), static_cast<Fl_Widget*>(fSecond)}) {
    child->position(left, y());
    left += child->w() + spacing();
  }
}

OrvRadioPair::~OrvRadioPair() = default;

void OrvRadioPair::FitCaption() {
  int textW = 0, textH = 0;
  fCaption->measure_label(textW, textH);
  fCaption->size(textW + 10, kRowHeight);
  fCaptionFitted = true;
  PlaceChildren();
}

void OrvRadioPair::draw() {
  if (!fCaptionFitted) FitCaption();
  Fl_Pack::draw();
}

int OrvRadioPair::Choice() const {
  if (fFirst->value()) return 0;
  if (fSecond->value()) return 1;
  return -1;
}

void OrvRadioPair::Choose(int choice) {
  fFirst->value(choice == 0);
  fSecond->value(choice == 1);
}

void OrvRadioPair::Pressed(Fl_Widget*, void* self) { static_cast<OrvRadioPair*>(self)->fSwitched.emit(); }
