#pragma once
// A number field and a horizontal slider that always show the same value. The
// owner hears of a change once it is complete (mouse or key released, field
// left), not at every step of a drag.
#include <FL/Fl_Group.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Value_Input.H>
#include <sigc++/sigc++.h>

class Orv_Input_Slider : public Fl_Group, public sigc::trackable {
 public:
  static constexpr int kInputWidth = 35;

  Orv_Input_Slider(int x, int y, int w, int h, const char* label = nullptr);
  ~Orv_Input_Slider() override;

  void resize(int x, int y, int w, int h) override;

  /// Sets both parts without notifying anyone.
  void value(double v);
  double value() const { return fInput->value(); }

  Fl_Value_Input* fInput;
  Fl_Slider* fSlider;

  /// The completed user change; changed() is true only while it is emitted.
  sigc::signal<void, double> valueChanged;

 private:
  static void InputChanged(Fl_Widget*, void* self);
  static void SliderChanged(Fl_Widget*, void* self);
  void Notify(double v);
};
