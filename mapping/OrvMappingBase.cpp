#include "mapping/OrvMappingBase.h"

#include <FL/Fl_Box.H>

#include "dialog/SettingsDocument.h"
#include "mapping/ToneCurve.h"
#include "platform/i18n.h"

OrvMappingBase::OrvMappingBase(int x, int y, int w, int h, const char* label) : Fl_Group(x, y, w, h, label) {
  postPack = new Fl_Pack(68, 255, 292, 235, _("Postprocessing"));
  postPack->labelsize(14);
  postPack->align(FL_ALIGN_TOP_LEFT);
  // A pack with a box of its own paints it over children it has just moved;
  // the panel's background shows through instead.
  postPack->box(FL_NO_BOX);
  layoutPack = new Fl_Pack(68, 255, 292, 235);
  auto* plotArea = new Fl_Group(70, 260, 275, 200);
  histogramDisplay = new Orv_Histogram_Display(70, 260, 275, 200);
  histogramDisplay->box(FL_DOWN_BOX);
  histogramDisplay->color(51);
  histogramDisplay->selection_color(49);
  histogramDisplay->SetInsets(10, 20, 20, 20);
  curveEditor = new OrvCurves(70, 260, 275, 200);
  curveEditor->box(FL_NO_BOX);
  curveEditor->selection_color(49);
  curveEditor->SetInsets(10, 20, 20, 20);
  curveEditor->SetCurveYRange(-8.0, 2.0);
  plotArea->end();
  // The two choices are one line each; the pack stacks them under the plots.
  axisScaling = new OrvHistogramAxisScaling(70, 460, 275, 20);
  pointLinkage = new OrvCurvePointLinkage(70, 480, 275, 20);
  BeginSliderRow(70, 500, 275);
  saturationControl = new Orv_Input_Slider(75, 500, 150, 20, _("Saturation "));
  saturationControl->align(FL_ALIGN_TOP_LEFT);
  saturationControl->fInput->tooltip(_("Regulates the color saturation."));
  saturationControl->fSlider->tooltip(_("Regulates the color saturation."));
  saturationControl->labelsize(12);
  for (Fl_Valuator* part : {static_cast<Fl_Valuator*>(saturationControl->fInput),
                            static_cast<Fl_Valuator*>(saturationControl->fSlider)}) {
    part->range(0.0, 2.0);
    part->step(0.02);
  }
  saturationControl->value(1.0);
  Fl_Group::current()->end();
  layoutPack->end();
  postPack->end();

  auto redrawHistogram = [this] { histogramDisplay->redraw(); };
  curveEditor->hoverChanged.connect(redrawHistogram);
  curveEditor->pointPressed.connect(redrawHistogram);
  curveEditor->pointDragged.connect(redrawHistogram);
  curveEditor->pointReleased.connect(redrawHistogram);
  curveEditor->pointReleased.connect([this] {
    UpdateBlackWhite();
    mappingChanged.emit();
  });
  curveEditor->rangeDragged.connect(sigc::mem_fun(*this, &OrvMappingBase::ShowEndPoints));
  axisScaling->scalingChanged.connect([this] {
    histogramDisplay->fLogY = axisScaling->GetScaling();
    histogramDisplay->SetHistogram(luminanceHistogram);
    postPack->redraw();
  });
  pointLinkage->linkageChanged.connect([this] {
    curveEditor->SetLinkage(pointLinkage->GetLinkage());
    mappingChanged.emit();
  });
  saturationControl->valueChanged.connect(sigc::mem_fun(*this, &OrvMappingBase::SetSaturation));

  ResetPostProcessing();
}

OrvMappingBase::~OrvMappingBase() = default;

void OrvMappingBase::ResetPostProcessing() {
  blackFactor = 1.0;
  whiteFactor = 1.0;
  histogramDisplay->fLogY = 0;
  axisScaling->SetScaling(0);
  // The default curve: a straight line from black (−8) to white (0).
  curveEditor->SetPreset(2);
  std::vector<TMarker> points;
  curveEditor->GetPoints(points, false);
  if (!points.empty()) {
    points.back().SetY(0.0);
    curveEditor->SetPoints(points, false);
  }
  pointLinkage->SetLinkage(curveEditor->GetLinkage());
  saturationControl->value(1.0);
}

void OrvMappingBase::UpdateHistogram(const vigra::BasicImage<float>& output) {
  const orv::OutputRange range = orv::MeasureOutput(output);
  dataMin = range.dataMin;
  dataMax = range.dataMax;
  orv::FillLuminanceHistogram(*luminanceHistogram.Histogram(), output, range);
  // An overview without contrast keeps the curve where it was.
  if (dataMax > dataMin) {
    double x1, y1, x2, y2;
    curveEditor->GetCurveRange(x1, y1, x2, y2);
    curveEditor->SetCurveRange(dataMin, y1, dataMax, y2);
    curveEditor->StretchRange(blackFactor * dataMin, y1, whiteFactor * dataMax, y2);
    ShowEndPoints();
  }
  postPack->redraw();
}

void OrvMappingBase::UpdateBlackWhite() {
  std::vector<TMarker> points;
  curveEditor->GetPoints(points, false);
  if (points.size() < 2) return;
  // Relative to the data range; a range end at exactly 0 has no ratio, so the
  // factor keeps its value there.
  if (dataMin != 0.0) blackFactor = (points.front().GetX() - dataMin) / dataMin + 1.0;
  if (dataMax != 0.0) whiteFactor = (points.back().GetX() - dataMax) / dataMax + 1.0;
}

void OrvMappingBase::ShowEndPoints() {
  std::vector<TMarker> points;
  curveEditor->GetPoints(points, false);
  if (points.size() < 2) return;
  histogramDisplay->fDisplayMin = points.front().GetX();
  histogramDisplay->fDisplayMax = points.back().GetX();
  histogramDisplay->SetHistogram(luminanceHistogram);
}

void OrvMappingBase::RebuildCurveTable() {
  curveTable = orv::MakeCurveTable(*luminanceHistogram.Histogram(), histogramDisplay->fDisplayMin,
                                   histogramDisplay->fDisplayMax);
  curveEditor->FillHistogram(curveTable.get());
}

void OrvMappingBase::SetSaturation(double value) {
  saturationControl->value(value);
  if (saturationControl->changed()) mappingChanged.emit();
}

void OrvMappingBase::LoadPostProcessing(const nlohmann::ordered_json& operatorObject, const char* member) {
  const nlohmann::ordered_json* post = orv::ObjectMember(operatorObject, member);
  if (!post) return;
  if (const auto black = orv::RealMember(*post, "Black")) blackFactor = *black;
  if (const auto white = orv::RealMember(*post, "White")) whiteFactor = *white;
  curveEditor->ReadPoints(*post, "Curve");
  if (const auto scaling = orv::IntegerMember(*post, "LeftAxisScaling")) {
    histogramDisplay->fLogY = static_cast<int>(*scaling);
    axisScaling->SetScaling(static_cast<int>(*scaling));
  }
  if (const auto linkage = orv::IntegerMember(*post, "CurvePL")) {
    curveEditor->SetLinkage(static_cast<int>(*linkage));
    pointLinkage->SetLinkage(static_cast<int>(*linkage));
  }
  // Always written; a document without it keeps the current saturation.
  if (const auto saturation = orv::RealMember(*post, "Saturation")) SetSaturation(*saturation);
}

void OrvMappingBase::SavePostProcessing(nlohmann::ordered_json& operatorObject) const {
  nlohmann::ordered_json post = nlohmann::ordered_json::object();
  post["Black"] = blackFactor;
  post["White"] = whiteFactor;
  curveEditor->WritePoints(post, "Curve");
  post["LeftAxisScaling"] = histogramDisplay->fLogY;
  post["CurvePL"] = curveEditor->GetLinkage();
  post["Saturation"] = Saturation();
  operatorObject["PostProcessing"] = std::move(post);
}

void OrvMappingBase::ResizeCentred(int x, int y, int w, int h, Fl_Widget* parameterArea) {
  const int areaWidth = parameterArea->w();
  Fl_Group::resize(x, y, w, h);
  parameterArea->resize(x + (w - areaWidth) / 2, parameterArea->y(), areaWidth, parameterArea->h());
}

OrvMappingBase::OperatorPage OrvMappingBase::BeginOperatorPage(int pageHeight, const char* defaultsTooltip, int areaX,
                                                              int areaY, int areaHeight) {
  OperatorPage frame;
  frame.page = new Fl_Group(0, 0, 416, pageHeight);
  AddDivider(0, 416, false);
  frame.defaults = new Fl_Button(10, 10, 70, 20, _("Defaults"));
  frame.defaults->tooltip(defaultsTooltip);
  frame.defaults->labelsize(12);
  AddDivider(38, 416, true);
  frame.area = new Fl_Scroll(areaX, areaY, 320, areaHeight);
  frame.area->type(Fl_Scroll::VERTICAL);
  frame.column = new Fl_Pack(areaX + 5, areaY, 299, areaHeight);
  // Section titles are drawn above their packs: keep room between sections and above the first.
  frame.column->spacing(kSectionGap);
  new Fl_Box(areaX + 5, areaY, 299, 1);
  return frame;
}

void OrvMappingBase::EndOperatorPage(const OperatorPage& frame, int resizeX, int resizeY) {
  frame.column->add(postPack);
  frame.column->end();
  frame.area->end();
  auto* resizeBox = new Fl_Box(resizeX, resizeY, 1, 1, "resizable");
  resizeBox->labeltype(FL_NO_LABEL);
  resizeBox->hide();
  frame.page->resizable(resizeBox);
  frame.page->end();
  end();
  resizable(this);
}

void OrvMappingBase::ConnectDefaults(Fl_Button* button, std::function<void()> reaction) {
  defaultsReaction = std::move(reaction);
  button->callback([](Fl_Widget*, void* self) { static_cast<OrvMappingBase*>(self)->defaultsReaction(); }, this);
}

Fl_Group* OrvMappingBase::BeginSliderRow(int x, int y, int width) {
  auto* row = new Fl_Group(x, y - kLabelRoom, width, 20 + kLabelRoom);
  row->resizable(nullptr);
  return row;
}

void OrvMappingBase::AddDivider(int y, int width, bool shown) {
  auto* divider = new Fl_Group(0, y, width, 2, "divider");
  divider->labeltype(FL_NO_LABEL);
  auto* down = new Fl_Box(FL_THIN_UP_BOX, 0, y, width, 1, "down");
  auto* up = new Fl_Box(FL_THIN_DOWN_BOX, 0, y + 1, width, 1, "up");
  down->labeltype(FL_NO_LABEL);
  up->labeltype(FL_NO_LABEL);
  divider->end();
  if (!shown) divider->hide();
}
