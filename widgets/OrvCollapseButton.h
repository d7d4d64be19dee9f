#pragma once
// A toggle with an arrow that folds (value 1, "@>") and unfolds (value 0, "@2>")
// a section of a panel; the panel hides or shows the section itself.
#include <FL/Fl_Button.H>
#include <sigc++/sigc++.h>

class OrvCollapseButton : public Fl_Button, public sigc::trackable {
 public:
  OrvCollapseButton(int x, int y, int w, int h, const char* label = nullptr);
  ~OrvCollapseButton() override;

  /// Shows the arrow that matches the value; run on every toggle.
  void ToggleLabel();

  /// Emitted after the label followed a toggle, with the new value.
  sigc::signal<void, int> toggled;

 private:
  static void Toggled(Fl_Widget*, void* self);
};
