#include "mapping/simplexMappingUI.h"

#include "dialog/SettingsDocument.h"
#include "mapping/SimplexOperator.h"
#include "platform/i18n.h"

simplexMappingUI::simplexMappingUI(int x, int y, int w, int h, const char* label)
    : OrvMappingBase(x, y, w, h, label) {
  const OperatorPage frame =
      BeginOperatorPage(350, _("Resets all Simplex mapping parameters to their default values."), 40, 50, 480);
  defaultsButton = frame.defaults;
  parameterArea = frame.area;
  EndOperatorPage(frame, 410, 340);
  ConnectDefaults(defaultsButton, [this] {
    Reset();
    paramsChanged.emit();
  });
  Reset();
}

simplexMappingUI::~simplexMappingUI() = default;

void simplexMappingUI::ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                                     bool overview) {
  orv::ApplySimplex(levels, output);
  if (overview) UpdateHistogram(output);
}

void simplexMappingUI::resize(int x, int y, int w, int h) { ResizeCentred(x, y, w, h, parameterArea); }

void simplexMappingUI::Reset() {
  saturationControl->value(1.0);
  ResetPostProcessing();
}

void simplexMappingUI::Load(const nlohmann::ordered_json& operators) {
  if (orv::ObjectMember(operators, "Simplex")) LoadPostProcessing(operators["Simplex"], "PostProcessing");
}

void simplexMappingUI::Save(nlohmann::ordered_json& operators) const {
  nlohmann::ordered_json simplex = nlohmann::ordered_json::object();
  SavePostProcessing(simplex);
  operators["Simplex"] = std::move(simplex);
}
