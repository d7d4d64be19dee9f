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
  auto* page = new Fl_Group(0, 0, 416, 470);
  AddDivider(0, 416, false);
  defaultsButton = new Fl_Button(10, 10, 70, 20, _("Defaults"));
  defaultsButton->tooltip(_("Resets all Receptor mapping parameters to their default values."));
  defaultsButton->labelsize(12);
  AddDivider(38, 416, true);
  parameterArea = new Fl_Scroll(50, 60, 320, 480);
  parameterArea->type(Fl_Scroll::VERTICAL);
  auto* column = new Fl_Pack(55, 60, 299, 480);
  column->spacing(kSectionGap);
  new Fl_Box(55, 60, 299, 1);  // the first title needs the gap too
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
  column->add(postPack);
  column->end();
  parameterArea->end();
  auto* resizeBox = new Fl_Box(411, 465, 1, 1, "resizable");
  resizeBox->labeltype(FL_NO_LABEL);
  resizeBox->hide();
  page->resizable(resizeBox);
  page->end();
  end();
  resizable(this);

  defaultsButton->callback(
      [](Fl_Widget*, void* self) {
        auto* panel = static_cast<receptorMappingUI*>(self);
        panel->Reset();
        panel->paramsChanged.emit();
      },
      this);
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
