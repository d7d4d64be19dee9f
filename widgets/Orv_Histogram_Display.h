#pragma once
// A pad widget that shows a histogram computed elsewhere, rebinned to the widget's width and
// normalised so that its highest bin is 1, as a filled area with axes. Placed under a curve
// editor of the same rectangle and insets; the pad is transparent and has no margins, so the
// frame fills the drawing area and the axis labels fall into the insets.
#include <sigc++/sigc++.h>

#include "Fl_TPad.h"

class LogLuminanceHistogram;
class TH1;
class TH1D;

/// A new histogram "Orv_Histogram_Display" of nbins bins over [xmin, xmax]: each bin of source
/// is added to the bin holding its centre (under- and overflow included), then everything is
/// scaled so that the highest of bins 1 .. nbins is 1 (left as it is when that is not positive).
/// The caller owns the result; it belongs to no directory.
TH1D* RebinForDisplay(const TH1& source, int nbins, double xmin, double xmax);

class Orv_Histogram_Display : public Fl_TPad, public sigc::trackable {
 public:
  Orv_Histogram_Display(int x, int y, int w, int h, const char* label = nullptr);
  ~Orv_Histogram_Display() override;

  /// Shows source between fDisplayMin and fDisplayMax in w() / 2 bins, on a logarithmic vertical
  /// axis when fLogY is set. The previous histogram is deleted; source stays the caller's. A null
  /// source leaves the pad empty.
  void SetHistogram(const TH1* source);
  void SetHistogram(const LogLuminanceHistogram& source);

  /// The histogram being shown (owned by the pad), or null.
  TH1D* GetDisplayHistogram() const;

  /// Box and label only where FLTK asks for more than the children, then the pad.
  void draw() override;

  /// The histogram last passed to SetHistogram (not owned).
  const TH1* fSource = nullptr;
  /// Shown x range and vertical scaling; set by the owner, they take effect at SetHistogram.
  double fDisplayMin = 0;
  double fDisplayMax = 1;
  int fLogY = 0;
};
