#pragma once
// "Curve point linkage:" with "Spline" and "Line", placed beside a curve editor. The owner passes
// GetLinkage() on to the editor's SetLinkage when linkageChanged fires.
#include <sigc++/sigc++.h>

#include "widgets/OrvRadioPair.h"

class OrvCurvePointLinkage : public OrvRadioPair {
 public:
  /// "Spline" on.
  OrvCurvePointLinkage(int x, int y, int w, int h);
  ~OrvCurvePointLinkage() override;

  /// 0 with "Line" on, otherwise 1 (a spline).
  int GetLinkage() const;
  /// 1 turns "Spline" on, 0 turns "Line" on; nothing is emitted.
  void SetLinkage(int linkage);

  /// The user switched the linkage.
  sigc::signal<void> linkageChanged;
};
