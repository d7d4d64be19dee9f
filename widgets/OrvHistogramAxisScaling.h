#pragma once
// "Left axis scaling:" with "Linear" and "Logarithmic", placed beside a histogram display. The
// owner sets the display's fLogY from GetScaling() and shows the histogram again when
// scalingChanged fires.
#include <sigc++/sigc++.h>

#include "widgets/OrvRadioPair.h"

class OrvHistogramAxisScaling : public OrvRadioPair {
 public:
  /// "Linear" on.
  OrvHistogramAxisScaling(int x, int y, int w, int h);
  ~OrvHistogramAxisScaling() override;

  /// 1 with "Logarithmic" on, otherwise 0 (linear).
  int GetScaling() const;
  /// 0 turns "Linear" on, 1 turns "Logarithmic" on; nothing is emitted.
  void SetScaling(int scaling);

  /// The user switched the scaling.
  sigc::signal<void> scalingChanged;
};
