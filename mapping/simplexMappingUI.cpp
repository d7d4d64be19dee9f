#include "mapping/simplexMappingUI.h"

#include <FL/Fl_Box.H>

#include "dialog/SettingsDocument.h"
#include "mapping/SimplexOperator.h"
#include "platform/i18n.h"

simplexMappingUI::simplexMappingUI(int x, int y, int w, int h, const char* label)
    : OrvMappingBase(x, y, w, h, label) {
  auto* page = new Fl_Group(0, 0, 416, 350);
  AddDivider(0, 416, false);
  defaultsButton = new Fl_Button(10, 10, 70, 20, _("Defaults"));
  defaultsButton->tooltip(_("Resets all Simplex mapping parameters to their default values."));
  defaultsButton->labelsize(12);
  AddDivider(38, 416, true);
  parameterArea = new Fl_Scroll(40, 50, 320, 480);
  parameterArea->type(Fl_Scroll::VERTICAL);
  auto* column = new Fl_Pack(45, 50, 299, 480);
  column->spacing(kSectionGap);
  new Fl_Box(45, 50, 299, 1);  // room for the section title
  column->add(postPack);
  column->end();
  parameterArea->end();
  auto* resizeBox = new Fl_Box(410, 340, 1, 1, "resizable");
  resizeBox->labeltype(FL_NO_LABEL);
  resizeBox->hide();
  page->resizable(resizeBox);
  page->end();
  end();
  resizable(this);

  defaultsButton->callback(
      [](Fl_Widget*, void* self) {
        auto* panel = static_cast<simplexMappingUI*>(self);
        panel->Reset();
        panel->paramsChanged.emit();
      },
      this);
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
