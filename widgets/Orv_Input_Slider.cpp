#include "widgets/Orv_Input_Slider.h"

#include <FL/Fl.H>

Orv_Input_Slider::Orv_Input_Slider(int x, int y, int w, int h, const char* label)
    : Fl_Group(x, y, w, h, label),
      fInput(new Fl_Value_Input(x, y, kInputWidth, h)),
      fSlider(new Fl_Slider(x + kInputWidth, y, w - kInputWidth, h)) {
  fInput->box(FL_DOWN_BOX);
  fInput->labelsize(10);
  fInput->textsize(10);
  fInput->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
  fSlider->type(FL_HOR_SLIDER);
  fSlider->box(FL_DOWN_BOX);
  fSlider->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE);
  end();
  fInput->callback(InputChanged, this);
  fSlider->callback(SliderChanged, this);
}

Orv_Input_Slider::~Orv_Input_Slider() = default;

void Orv_Input_Slider::resize(int x, int y, int w, int h) {
  Fl_Group::resize(x, y, w, h);
  fInput->resize(x, y, kInputWidth, h);
  fSlider->resize(x + kInputWidth, y, w - kInputWidth, h);
}

void Orv_Input_Slider::value(double v) {
  fInput->value(v);
  fSlider->value(v);
}

void Orv_Input_Slider::Notify(double v) {
  set_changed();
  valueChanged.emit(v);
  clear_changed();
}

void Orv_Input_Slider::InputChanged(Fl_Widget*, void* self) {
  auto* slider = static_cast<Orv_Input_Slider*>(self);
  slider->fSlider->value(slider->fInput->value());
  const int event = Fl::event();
  if (event == FL_RELEASE || event == FL_UNFOCUS || event == FL_KEYUP) slider->Notify(slider->fInput->value());
}

void Orv_Input_Slider::SliderChanged(Fl_Widget*, void* self) {
  auto* slider = static_cast<Orv_Input_Slider*>(self);
  slider->fInput->value(slider->fSlider->value());
  const int event = Fl::event();
  if (event == FL_RELEASE || event == FL_KEYUP) slider->Notify(slider->fSlider->value());
}
