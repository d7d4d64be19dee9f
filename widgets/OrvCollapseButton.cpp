#include "widgets/OrvCollapseButton.h"

OrvCollapseButton::OrvCollapseButton(int x, int y, int w, int h, const char* label) : Fl_Button(0, 0, w, h, label) {
  type(FL_TOGGLE_BUTTON);
  visible_focus(0);
  box(FL_FLAT_BOX);
  color(49);
  selection_color(49);
  labeltype(FL_NO_LABEL);
  labelfont(0);
  labelsize(14);
  labelcolor(0);
  align(Fl_Align(1));
  when(FL_WHEN_RELEASE);
  value(0);
  this->label("@2>");
  callback(Toggled, this);
  resize(x, y, w, h);
}

OrvCollapseButton::~OrvCollapseButton() = default;

void OrvCollapseButton::ToggleLabel() { label(value() ? "@>" : "@2>"); }

void OrvCollapseButton::Toggled(Fl_Widget*, void* self) {
  auto* button = static_cast<OrvCollapseButton*>(self);
  button->ToggleLabel();
  button->toggled.emit(button->value());
}
