// The slider-with-field and the collapse button, driven by real toolkit events.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "widgets/OrvCollapseButton.h"
#include "widgets/Orv_Input_Slider.h"

namespace {

// Sends one event at window coordinates (x, y) through the toolkit's dispatch.
void Send(Fl_Window& window, int event, int x, int y, int key = 0) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = window.x() + x;
  Fl::e_y_root = window.y() + y;
  Fl::e_keysym = key;
  Fl::e_state = event == FL_RELEASE ? 0 : FL_BUTTON1;
  Fl::e_is_click = 0;
  Fl::handle(event, &window);
}

class Widgets : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  }
};

TEST_F(Widgets, SliderKeepsItsInputWidthWhenResized) {
  Orv_Input_Slider slider(10, 10, 170, 20, "Compression ");
  EXPECT_EQ(slider.fInput->w(), 35);
  EXPECT_EQ(slider.fSlider->w(), 135);
  slider.resize(10, 10, 100, 20);
  EXPECT_EQ(slider.fInput->w(), 35);
  EXPECT_EQ(slider.fSlider->x(), 45);
  EXPECT_EQ(slider.fSlider->w(), 65);
}

TEST_F(Widgets, DraggingEmitsOnceAtReleaseWithChangedSetOnlyThen) {
  Fl_Double_Window window(300, 60);
  Orv_Input_Slider slider(10, 20, 170, 20);
  window.end();
  slider.fSlider->range(0, 10);
  slider.fInput->range(0, 10);
  slider.fSlider->step(0.1);
  window.show();
  Fl::flush();

  std::vector<double> emitted;
  std::vector<int> changedDuring;
  slider.valueChanged.connect([&](double v) {
    emitted.push_back(v);
    changedDuring.push_back(slider.changed() != 0);
  });
  const int left = slider.fSlider->x() + 2, right = slider.fSlider->x() + slider.fSlider->w() - 2;
  Send(window, FL_PUSH, left, 30);
  for (int x = left; x <= (left + right) / 2; x += 10) {
    Send(window, FL_DRAG, x, 30);
    EXPECT_DOUBLE_EQ(slider.fInput->value(), slider.fSlider->value()) << "the field follows every step";
  }
  EXPECT_TRUE(emitted.empty()) << "nothing during the drag";
  Send(window, FL_RELEASE, (left + right) / 2, 30);
  ASSERT_EQ(emitted.size(), 1u);
  EXPECT_GT(emitted[0], 3.0);
  EXPECT_LT(emitted[0], 7.0);
  EXPECT_EQ(emitted[0], slider.fInput->value());
  EXPECT_EQ(changedDuring, std::vector<int>{1});
  EXPECT_FALSE(slider.changed());

  slider.value(2.5);  // programmatic: silent
  EXPECT_EQ(emitted.size(), 1u);
  EXPECT_EQ(slider.fSlider->value(), 2.5);
}

TEST_F(Widgets, TypingMovesTheSliderAndLeavingTheFieldEmits) {
  Fl_Double_Window window(300, 60);
  Orv_Input_Slider slider(10, 20, 170, 20);
  window.end();
  slider.fSlider->range(0, 20);
  slider.fInput->range(0, 20);
  window.show();
  Fl::flush();
  std::vector<double> emitted;
  slider.valueChanged.connect([&](double v) { emitted.push_back(v); });

  slider.fInput->take_focus();
  slider.fInput->input.value("12");
  Fl::e_number = FL_KEYBOARD;
  slider.fInput->input.do_callback();  // typing: the field's own change
  EXPECT_EQ(slider.fSlider->value(), 12.0);
  EXPECT_TRUE(emitted.empty());
  Fl::e_number = FL_UNFOCUS;
  slider.fInput->do_callback();
  EXPECT_EQ(emitted, std::vector<double>{12.0});
}

TEST_F(Widgets, CollapseButtonTogglesItsArrow) {
  Fl_Double_Window window(100, 60);
  OrvCollapseButton button(10, 10, 20, 20);
  window.end();
  window.show();
  Fl::flush();
  EXPECT_EQ(button.x(), 10);
  EXPECT_EQ(button.value(), 0);
  EXPECT_STREQ(button.label(), "@2>");
  std::vector<int> values;
  button.toggled.connect([&](int v) { values.push_back(v); });
  for (int click = 0; click < 2; ++click) {
    Send(window, FL_PUSH, 20, 20);
    Send(window, FL_RELEASE, 20, 20);
  }
  EXPECT_EQ(values, (std::vector<int>{1, 0}));
  EXPECT_STREQ(button.label(), "@2>");
  Send(window, FL_PUSH, 20, 20);
  Send(window, FL_RELEASE, 20, 20);
  EXPECT_EQ(button.value(), 1);
  EXPECT_STREQ(button.label(), "@>");
}

}  // namespace
