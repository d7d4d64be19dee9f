#include "widgets/OrvHistogramAxisScaling.h"

#include "platform/i18n.h"

OrvHistogramAxisScaling::OrvHistogramAxisScaling(int x, int y, int w, int h)
    : OrvRadioPair(x, y, w, h, _("Left axis scaling:"), _("Linear"), _("Logarithmic")) {
  fSwitched.connect(scalingChanged.make_slot());
}

OrvHistogramAxisScaling::~OrvHistogramAxisScaling() = default;

int OrvHistogramAxisScaling::GetScaling() const { return Choice() == 1 ? 1 : 0; }

void OrvHistogramAxisScaling::SetScaling(int scaling) { Choose(scaling == 0 ? 0 : scaling == 1 ? 1 : -1); }
