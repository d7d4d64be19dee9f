#pragma once
// A caption and two radio buttons in a row, the build shared by the small option groups that sit
// beside a curve or a histogram ("Curve point linkage:", "Left axis scaling:").
//
// The caption box is as wide as its text plus 10 pixels. Measuring text needs the display; when
// the display is not open yet at construction, the width is measured at the first drawing, so
// that building a panel never opens the display by itself.
#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Round_Button.H>
#include <sigc++/sigc++.h>

class OrvRadioPair : public Fl_Pack, public sigc::trackable {
 public:
  ~OrvRadioPair() override;

  /// Sizes the caption when that had to wait for the display, then lays out and draws the row.
  void draw() override;

  Fl_Box* fCaption;
  Fl_Round_Button* fFirst;
  Fl_Round_Button* fSecond;

 protected:
  /// The texts come translated and must outlive the group; fFirst is on, fSecond off.
  OrvRadioPair(int x, int y, int w, int h, const char* caption, const char* first, const char* second);

  /// 0 with fFirst on, otherwise 1 with fSecond on, otherwise -1.
  int Choice() const;
  /// Both off, then fFirst on for 0 or fSecond on for 1.
  void Choose(int choice);

  /// Emitted after the user switched the buttons.
  sigc::signal<void> fSwitched;

 private:
  void FitCaption();
  void PlaceChildren();
  static void Pressed(Fl_Widget*, void* self);

  bool fCaptionFitted = false;
};
