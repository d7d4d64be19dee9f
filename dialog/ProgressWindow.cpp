#include "dialog/ProgressWindow.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/i18n.h"

namespace orv {

ProgressWindow::ProgressWindow(int x, int y, int w, int h, const char* title)
    : Fl_Double_Window(x, y, w, h, title),
      labelBox(5, 5, 200, 20),
      barBox(5, 30, 200, 15),
      spacer(150, 22, 1, 1),
      cancelButton(210, 30, 80, 15, _("Cancel")),
      text(_("Operation")) {
  labelBox.label(text.c_str());
  labelBox.labelsize(12);
  labelBox.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  barBox.box(FL_DOWN_BOX);
  barBox.labelsize(10);
  barBox.align(FL_ALIGN_INSIDE);
  barBox.color(FL_BACKGROUND2_COLOR);
  barBox.selection_color(fl_rgb_color(70, 120, 190));
  cancelButton.labelsize(10);
  cancelButton.visible_focus(0);
  end();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::SetText(const char* newText) {
  text = newText ? newText : "";
  labelBox.label(text.c_str());
  labelBox.redraw();
}

void ProgressWindow::Start() {
  if (steps == 0) return;
  value = minimum;
  shownUnits = 0;
  stepSize = total / steps;
  total = steps * stepSize;
  countdown = stepSize;
  if (alwaysVisible) {
    redraw();
    flush();
  }
}

void ProgressWindow::Report(int done) {
  countdown = shownUnits + stepSize - done;
  // Units beyond the rounded-down total (45 tiles in 20 steps of 2) must not
  // push the bar past its end.
  if (total == 0 || countdown > 0 || shownUnits >= total) return;
  shownUnits += stepSize;
  countdown += stepSize;
  value = static_cast<float>(shownUnits) / static_cast<float>(total);
  if (shown()) Fl::check();
  redraw();
  progress.emit(static_cast<float>(shownUnits), static_cast<float>(total));
}

void ProgressWindow::Finish() {
  SetText(_("Operation"));
  value = 0.0f;
  redraw();
  if (!alwaysVisible) hide();
}

void ProgressWindow::show() {
  if (showAllowed) Fl_Double_Window::show();
}

int ProgressWindow::FilledWidth() const {
  if (!(minimum < maximum)) return 0;
  const int frame = Fl::box_dw(barBox.box());
  return static_cast<int>((value - minimum) * (barBox.w() - frame) / (maximum - minimum) + 0.5f);
}

void ProgressWindow::draw() {
  Fl_Double_Window::draw();
  if (value <= 0.0f) return;
  const int filled = FilledWidth();
  const int frameLeft = Fl::box_dx(barBox.box());
  const Fl_Color done = barBox.active_r() ? barBox.selection_color() : fl_inactive(barBox.selection_color());
  const Fl_Color rest = barBox.active_r() ? barBox.color() : fl_inactive(barBox.color());

  fl_push_clip(barBox.x(), barBox.y(), frameLeft + filled, barBox.h());
  draw_box(barBox.box(), barBox.x(), barBox.y(), barBox.w(), barBox.h(), done);
  fl_pop_clip();
  fl_push_clip(barBox.x() + frameLeft + filled, barBox.y(), barBox.w() - filled, barBox.h());
  draw_box(barBox.box(), barBox.x(), barBox.y(), barBox.w(), barBox.h(), rest);
  fl_pop_clip();
}

}  // namespace orv
