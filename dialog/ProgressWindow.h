#pragma once
// The small modal window of the final render: a text line, a bar that fills in
// a bounded number of visible steps, and a Cancel button its owner polls.
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <sigc++/sigc++.h>

#include <string>

namespace orv {

class ProgressWindow : public Fl_Double_Window, public sigc::trackable {
 public:
  ProgressWindow(int x, int y, int w, int h, const char* title = nullptr);
  ~ProgressWindow() override;

  void SetText(const char* text);
  /// Prepares the bar for a run of Total() units shown in Steps() steps.
  void Start();
  /// Tells the window how many units are finished; the bar moves at most one step.
  void Report(int done);
  void Finish();
  void show() override;

  void SetShowAllowed(bool allowed) { showAllowed = allowed; }
  void SetAlwaysVisible(bool visible) { alwaysVisible = visible; }
  void SetTotal(int units) { total = units; }
  void SetSteps(int count) { steps = count; }
  void SetRange(float low, float high) { minimum = low, maximum = high; }
  int Total() const { return total; }
  int Steps() const { return steps; }
  int Shown() const { return shownUnits; }
  float Value() const { return value; }
  Fl_Button* CancelButton() { return &cancelButton; }
  /// Filled width of the bar in pixels for the current value.
  int FilledWidth() const;

  /// Emitted at every step with (units shown, total units).
  sigc::signal<void, float, float> progress;

 protected:
  void draw() override;

 private:
  Fl_Box labelBox;
  Fl_Box barBox;
  float minimum = 0.0f;
  float maximum = 1.0f;
  float value = 0.0f;
  bool showAllowed = false;
  bool alwaysVisible = false;
  int total = 10;
  int shownUnits = 0;
  int steps = 10;
  int countdown = 0;
  int stepSize = 0;
  Fl_Box spacer;
  Fl_Button cancelButton;
  std::string text;
};

}  // namespace orv
