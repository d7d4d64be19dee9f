#include "widgets/OrvCurvePointLinkage.h"

#include "platform/i18n.h"

OrvCurvePointLinkage::OrvCurvePointLinkage(int x, int y, int w, int h)
    : OrvRadioPair(x, y, w, h, _("Curve point linkage:"), _("Spline"), _("Line")) {
  fSwitched.connect(linkageChanged.make_slot());
}

OrvCurvePointLinkage::~OrvCurvePointLinkage() = default;

int OrvCurvePointLinkage::GetLinkage() const { return Choice() == 1 ? 0 : 1; }

void OrvCurvePointLinkage::SetLinkage(int linkage) { Choose(linkage == 1 ? 0 : linkage == 0 ? 1 : -1); }
