#include "mapping/receptorMappingUI.h"

#include <FL/Fl_Box.H>

#include "dialog/SettingsDocument.h"
#include "platform/i18n.h"

namespace {

Orv_Input_Slider* ParameterSlider(int y, const char* label, const char* tip) {
  auto* slider = new Orv_Input_Slider(80, y, 170, 20, label);
  slider->labelsize(12);
  slider->align(FL_ALIGN_TOP_LEFT);
  for (Fl_Valuator* part :
       {static_cast<Fl_Valuator*>(slider->fInput), static_cast<Fl_Valuator*>(slider->fSlider)}) {
    part->range(0.0, 10.0);
    part->step(0.1);
    part->tooltip(tip);
  }
  slider->value(5.0);
  return slider;
}

}  // namespace

receptorMappingUI::receptorMappingUI(int x, int y, int w, int h, const char* label)
    : OrvMappingBase(x, y, w, h, label) {
  const OperatorPage frame =
      BeginOperatorPage(470, _("Resets all Receptor mapping parameters to their default values."), 50, 60, 480);
  defaultsButton = frame.defaults;
  parameterArea = frame.area;
  auto* toneMapping = new Fl_Pack(55, 85, 295, 373, _("Tonemapping"));
  toneMapping->labelsize(14);
  toneMapping->align(FL_ALIGN_TOP_LEFT);
  auto* inner = new Fl_Pack(55, 85, 295, 373);
  BeginSliderRow(55, 95, 295);
  compressionControl = ParameterSlider(95, _("Compression "), _("Controls dynamic range compression."));
  Fl_Group::current()->end();
  BeginSliderRow(55, 130, 295);
  brightnessControl = ParameterSlider(130, _("Brightness"), _("Regulates image brightness."));
  Fl_Group::current()->end();
  inner->end();
  toneMapping->end();
  EndOperatorPage(frame, 411, 465);
  ConnectDefaults(defaultsButton, [this] {
    Reset();
    paramsChanged.emit();
  });
  for (Orv_Input_Slider* control : {compressionControl, brightnessControl})
    control->valueChanged.connect([this, control](double value) {
      control->value(value);
      paramsChanged.emit();
    });
  Reset();
}

receptorMappingUI::~receptorMappingUI() = default;

orv::ReceptorParameters receptorMappingUI::Parameters() const {
  return {compressionControl->fInput->value(), brightnessControl->fInput->value()};
}

void receptorMappingUI::ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                                      bool overview) {
  orv::ApplyReceptor(Parameters(), logAverage, maximum, levels, output);
  if (overview) UpdateHistogram(output);
}

void receptorMappingUI::resize(int x, int y, int w, int h) { ResizeCentred(x, y, w, h, parameterArea); }

void receptorMappingUI::Reset() {
  compressionControl->value(5.0);
  brightnessControl->value(5.0);
  saturationControl->value(1.0);
  ResetPostProcessing();
}

void receptorMappingUI::Load(const nlohmann::ordered_json& operators) {
  const nlohmann::ordered_json* receptor = orv::ObjectMember(operators, "Receptor");
  if (!receptor) return;
  if (const nlohmann::ordered_json* toneMapping = orv::ObjectMember(*receptor, "ToneMapping")) {
    if (const auto compression = orv::RealMember(*toneMapping, "Compression")) compressionControl->value(*compression);
    if (const auto brightness = orv::RealMember(*toneMapping, "Brightness")) brightnessControl->value(*brightness);
  }
  LoadPostProcessing(*receptor, "PostProcessing");
}

void receptorMappingUI::Save(nlohmann::ordered_json& operators) const {
  nlohmann::ordered_json receptor = nlohmann::ordered_json::object();
  receptor["ToneMapping"] = {{"Compression", compressionControl->fInput->value()},
                             {"Brightness", brightnessControl->fInput->value()}};
  SavePostProcessing(receptor);
  operators["Receptor"] = std::move(receptor);
}
