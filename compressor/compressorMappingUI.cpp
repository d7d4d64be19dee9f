#include "compressor/compressorMappingUI.h"

#include <FL/Fl_Box.H>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "compressor/CompressorOperator.h"
#include "dialog/SettingsDocument.h"
#include "platform/i18n.h"

namespace {

constexpr int kColumnX = 45;
constexpr int kColumnWidth = 295;
constexpr int kCurveWidth = 275;
constexpr int kCurveHeight = 180;
constexpr int kIconSize = 20;
constexpr int kIconGap = 210;
constexpr int kLinkageHeight = 20;
constexpr int kTabHeight = 20;
constexpr int kSectionGap = OrvMappingBase::kSectionGap;

void Configure(Orv_Input_Slider* slider, double low, double high, double step, double value, const char* tip,
               bool shown) {
  for (Fl_Valuator* part : {static_cast<Fl_Valuator*>(slider->fInput), static_cast<Fl_Valuator*>(slider->fSlider)}) {
    part->range(low, high);
    part->step(step);
    if (tip) part->tooltip(tip);
  }
  if (shown) slider->labelsize(12);
  slider->fInput->textsize(shown ? 12 : 14);
  slider->value(value);
  if (!shown) slider->hide();
}

// The sections start folded, their arrows pointing right.
void ShowAsSectionArrow(OrvCollapseButton* button) {
  button->box(FL_DOWN_BOX);
  button->labeltype(FL_NORMAL_LABEL);
  button->labelsize(10);
  button->value(1);
  button->label("@>");
}

Fl_Group* BeginRow(int y) { return OrvMappingBase::BeginSliderRow(kColumnX, y, kColumnWidth); }

OrvCurves* MakeCurve(int x, int y, double y1, double y2) {
  auto* curve = new OrvCurves(x, y, kCurveWidth, kCurveHeight);
  curve->box(FL_DOWN_BOX);
  curve->color(51);
  curve->selection_color(49);
  curve->SetInsets(5, 20, 5, 5);
  curve->SetCurveYRange(y1, y2);
  return curve;
}

// 20 × 20 grey icons: stripes of the given period (0: plain) at the given level.
std::unique_ptr<Fl_RGB_Image> MakeIcon(int period, unsigned char level) {
  auto* bits = new uchar[kIconSize * kIconSize];
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x) {
      const bool border = x == 0 || y == 0 || x == kIconSize - 1 || y == kIconSize - 1;
      const bool dark = period > 0 && (x / period) % 2 == 0;
      bits[y * kIconSize + x] = border ? 96 : dark ? 40 : level;
    }
  auto image = std::make_unique<Fl_RGB_Image>(bits, kIconSize, kIconSize, 1);
  image->alloc_array = 1;
  return image;
}

std::vector<TMarker> PointsOf(const OrvCurves* curve) {
  std::vector<TMarker> points;
  curve->GetPoints(points, false);
  return points;
}

orv::CompressorCurve CurveOf(const OrvCurves* editor) {
  orv::CompressorCurve curve;
  editor->GetCurveRange(curve.xMin, curve.yMin, curve.xMax, curve.yMax);
  for (const TMarker& p : PointsOf(editor)) curve.points.push_back({p.GetX(), p.GetY()});
  curve.linkage = editor->GetLinkage();
  return curve;
}

void ReadLinkage(const nlohmann::ordered_json& object, const char* key, OrvCurves* curve,
                 OrvCurvePointLinkage* linkage) {
  if (const auto value = orv::IntegerMember(object, key)) {
    curve->SetLinkage(static_cast<int>(*value));
    linkage->SetLinkage(static_cast<int>(*value));
  }
}

// Replaces a member at the end of the object, so members keep the order they are written in.
template <class Value>
void Append(nlohmann::ordered_json& object, const char* key, Value&& value) {
  object.erase(key);
  object[key] = std::forward<Value>(value);
}

}  // namespace

compressorMappingUI::compressorMappingUI(int x, int y, int w, int h, const char* label)
    : OrvMappingBase(x, y, w, h, label) {
  icons.push_back(MakeIcon(8, 200));  // coarse structure: low frequencies
  icons.push_back(MakeIcon(2, 200));  // fine structure: high frequencies
  icons.push_back(MakeIcon(0, 40));   // dark
  icons.push_back(MakeIcon(0, 235));  // bright

  const OperatorPage frame =
      BeginOperatorPage(430, _("Resets all Compressor mapping parameters to their default values."), 40, 50, 375);
  defaultsButton = frame.defaults;
  parameterArea = frame.area;
  auto* toneMapping = new Fl_Pack(kColumnX, 75, kColumnWidth, 373, _("Tonemapping"));
  toneMapping->labelsize(14);
  toneMapping->align(FL_ALIGN_TOP_LEFT);

  BeginRow(110);
  compressionControl = new Orv_Input_Slider(68, 110, 170, 20, _("Compression "));
  Configure(compressionControl, 0.0, 10.0, 0.1, 5.0,
            _("Regulates the strength of gradient compression. Particularly affects local contrast."), true);
  Fl_Group::current()->end();

  contrastSection = new Fl_Pack(kColumnX, 130, kColumnWidth, 20);
  BeginRow(130);
  contrastCollapse = new OrvCollapseButton(70, 130, 20, 20, "@>");
  ShowAsSectionArrow(contrastCollapse);
  contrastControl = new Orv_Input_Slider(90, 130, 150, 20, _("Contrast "));
  Configure(contrastControl, orv::CompressorParameters::kContrastMin, orv::CompressorParameters::kContrastMax, 0.1, 2.0,
            _("Substantially affects the contrast of the image. Low values result in smooth transitions - the image "
              "will look blurred. High values yield strong local contrasts - the image will look sharp."),
            true);
  Fl_Group::current()->end();
  const int pageHeight = kCurveHeight + kIconSize + kLinkageHeight;
  contrastTabs = new Fl_Tabs(70, 150, kCurveWidth, kTabHeight + pageHeight);
  const int pageY = 150 + kTabHeight;
  frequencyPage = new Fl_Group(70, pageY, kCurveWidth, pageHeight, _("Frequency"));
  frequencyCurve = MakeCurve(70, pageY, -5.0, 10.0);
  AddEndIcons(70, pageY + kCurveHeight, icons[0].get(), icons[1].get());
  frequencyLinkage = new OrvCurvePointLinkage(70, pageY + kCurveHeight + kIconSize, kCurveWidth, kLinkageHeight);
  frequencyPage->end();
  luminancePage = new Fl_Group(70, pageY, kCurveWidth, pageHeight, _("Luminance"));
  luminanceCurve = MakeCurve(70, pageY, -4.0, 0.0);
  AddEndIcons(70, pageY + kCurveHeight, icons[2].get(), icons[3].get());
  luminanceLinkage = new OrvCurvePointLinkage(70, pageY + kCurveHeight + kIconSize, kCurveWidth, kLinkageHeight);
  luminancePage->end();
  luminancePage->hide();
  contrastTabs->end();
  contrastSection->end();

  smoothingSection = new Fl_Pack(kColumnX, 150, kColumnWidth, 20);
  BeginRow(150);
  smoothingCollapse = new OrvCollapseButton(68, 150, 20, 20, "@>");
  ShowAsSectionArrow(smoothingCollapse);
  smoothingControl = new Orv_Input_Slider(88, 150, 100, 20, _("Smoothing"));
  Configure(smoothingControl, orv::CompressorParameters::kSmoothingMin, orv::CompressorParameters::kSmoothingMax, 1.0,
            5.0,
            _("Regulates the definition of image details. Low values yield less defined details, especially low "
              "frequency parts are less defined. High values result in well defined image details."),
            true);
  Fl_Group::current()->end();
  smoothingGroup = new Fl_Group(70, 170, kCurveWidth, pageHeight);
  smoothingCurve = MakeCurve(70, 170, 0.0, 10.0);
  AddEndIcons(70, 170 + kCurveHeight, icons[0].get(), icons[1].get());
  smoothingLinkage = new OrvCurvePointLinkage(70, 170 + kCurveHeight + kIconSize, kCurveWidth, kLinkageHeight);
  smoothingGroup->end();
  smoothingSection->end();

  // Hidden: the result does not depend on them; Border and Radius only report geometry changes.
  vCyclesControl = new Orv_Input_Slider(69, 170, 140, 20, "VCycles");
  Configure(vCyclesControl, 1.0, 10.0, 1.0, 1.0, nullptr, false);
  borderControl = new Orv_Input_Slider(68, 190, 140, 20, "Border");
  Configure(borderControl, 0.0, 15.0, 1.0, 10.0, nullptr, false);
  radiusControl = new Orv_Input_Slider(68, 210, 90, 20, "Radius");
  Configure(radiusControl, 1.0, 5.0, 1.0, 1.0, nullptr, false);
  toneMapping->end();

  EndOperatorPage(frame, 411, 424);

  ConnectSignals();
  Reset();
}

compressorMappingUI::~compressorMappingUI() {
  // A collapsed section's curves are outside the widget tree and not deleted with it.
  if (!contrastTabs->parent()) delete contrastTabs;
  if (!smoothingGroup->parent()) delete smoothingGroup;
}

void compressorMappingUI::AddEndIcons(int x, int y, const Fl_RGB_Image* left, const Fl_RGB_Image* right) {
  auto* row = new Fl_Group(x, y, kIconSize + kIconGap + kIconSize, kIconSize);
  row->resizable(nullptr);
  auto* first = new Fl_Box(x, y, kIconSize, kIconSize);
  first->image(const_cast<Fl_RGB_Image*>(left));
  auto* last = new Fl_Box(x + kIconSize + kIconGap, y, kIconSize, kIconSize);
  last->image(const_cast<Fl_RGB_Image*>(right));
  row->end();
}

void compressorMappingUI::ConnectSignals() {
  ConnectDefaults(defaultsButton, [this] {
    Reset();
    paramsChanged.emit();
  });
  compressionControl->valueChanged.connect(sigc::mem_fun(*this, &compressorMappingUI::SetCompression));
  contrastCollapse->toggled.connect([this](int value) {
    SetContrastCollapsed(value != 0);
    paramsChanged.emit();
  });
  contrastControl->valueChanged.connect(sigc::mem_fun(*this, &compressorMappingUI::SetContrast));
  for (OrvCurves* curve : {frequencyCurve, luminanceCurve, smoothingCurve})
    curve->pointReleased.connect([this] { paramsChanged.emit(); });
  smoothingCollapse->toggled.connect([this](int value) {
    SetSmoothingCollapsed(value != 0);
    paramsChanged.emit();
  });
  smoothingControl->valueChanged.connect(sigc::mem_fun(*this, &compressorMappingUI::SetSmoothing));
  const std::pair<OrvCurvePointLinkage*, OrvCurves*> linkages[] = {
      {frequencyLinkage, frequencyCurve}, {luminanceLinkage, luminanceCurve}, {smoothingLinkage, smoothingCurve}};
  for (const auto& [linkage, curve] : linkages)
    linkage->linkageChanged.connect([this, linkage = linkage, curve = curve] {
      curve->SetLinkage(linkage->GetLinkage());
      paramsChanged.emit();
    });
  vCyclesControl->valueChanged.connect([this](double value) {
    vCyclesControl->value(value);
    paramsChanged.emit();
  });
  for (Orv_Input_Slider* control : {radiusControl, borderControl})
    control->valueChanged.connect([this, control](double value) {
      control->value(value);
      geometryChanged.emit();
      paramsChanged.emit();
    });
}

void compressorMappingUI::ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                                        bool overview) {
  if (overview) applied = Parameters();
  orv::ApplyCompressor(output, levels, overview, sourceMinimum, sourceMaximum, applied, tables);
  if (overview) UpdateHistogram(output);
}

void compressorMappingUI::resize(int x, int y, int w, int h) { ResizeCentred(x, y, w, h, parameterArea); }

void compressorMappingUI::SetSourceRange(double minimum, double maximum) {
  sourceMinimum = minimum;
  sourceMaximum = maximum;
  if (minimum > 0.0 && maximum > minimum && std::isfinite(maximum))
    luminanceCurve->SetCurveXRange(std::log(minimum) / 0.6931471806, std::log(maximum) / 0.6931471806);
}

void compressorMappingUI::SetCompression(double v) {
  compressionControl->value(v);
  if (compressionControl->changed()) paramsChanged.emit();
}

void compressorMappingUI::ShiftCurve(OrvCurves* curve, double d, const Orv_Input_Slider* limits) {
  std::vector<TMarker> points = PointsOf(curve);
  const double low = limits->fSlider->minimum(), high = limits->fSlider->maximum();
  for (TMarker& p : points) p.SetY(std::clamp(p.GetY() + d, low, high));
  curve->SetPoints(points, false);
}

void compressorMappingUI::SetContrast(double v) {
  contrastControl->value(v);
  const double d = v - previousContrast;
  previousContrast = v;
  ShiftCurve(frequencyCurve, d, contrastControl);
  if (contrastControl->changed()) paramsChanged.emit();
}

void compressorMappingUI::SetSmoothing(double v) {
  smoothingControl->value(v);
  const double d = v - previousSmoothing;
  previousSmoothing = v;
  ShiftCurve(smoothingCurve, d, smoothingControl);
  if (smoothingControl->changed()) paramsChanged.emit();
}

void compressorMappingUI::SetSectionCollapsed(OrvCollapseButton* button, Fl_Pack* section, Fl_Group* curves,
                                              bool collapsed) {
  button->value(collapsed ? 1 : 0);
  button->ToggleLabel();
  if (collapsed) {
    if (curves->parent() == section) section->remove(curves);
    curves->hide();
  } else {
    if (!curves->parent()) section->add(curves);
    curves->show();
  }
  parameterArea->resize(parameterArea->x(), parameterArea->y(), parameterArea->w(), parameterArea->h());
  parameterArea->redraw();
}

void compressorMappingUI::SetContrastCollapsed(bool collapsed) {
  SetSectionCollapsed(contrastCollapse, contrastSection, contrastTabs, collapsed);
}

void compressorMappingUI::SetSmoothingCollapsed(bool collapsed) {
  SetSectionCollapsed(smoothingCollapse, smoothingSection, smoothingGroup, collapsed);
}

void compressorMappingUI::SelectContrastPage(orv::ContrastPage page) {
  contrastTabs->value(page == orv::ContrastPage::Luminance ? luminancePage : frequencyPage);
}

orv::ContrastPage compressorMappingUI::ContrastPage() const {
  return contrastTabs->value() == luminancePage ? orv::ContrastPage::Luminance : orv::ContrastPage::Frequency;
}

orv::CompressorParameters compressorMappingUI::Parameters() const {
  orv::CompressorParameters p;
  p.compression = compressionControl->value();
  p.contrast = contrastControl->value();
  p.smoothing = smoothingControl->value();
  p.contrastCollapsed = contrastCollapse->value() != 0;
  p.smoothingCollapsed = smoothingCollapse->value() != 0;
  p.contrastPage = ContrastPage();
  p.frequencyCurve = CurveOf(frequencyCurve);
  p.intensityCurve = CurveOf(luminanceCurve);
  p.smoothingCurve = CurveOf(smoothingCurve);
  p.vCycles = static_cast<int>(vCyclesControl->value());
  p.border = static_cast<int>(borderControl->value());
  p.radius = static_cast<int>(radiusControl->value());
  return p;
}

void compressorMappingUI::ResetCurve(OrvCurves* curve, OrvCurvePointLinkage* linkage, double y1, double y2,
                                     double endY) {
  curve->SetPreset(1);
  curve->SetCurveYRange(y1, y2);
  std::vector<TMarker> points = PointsOf(curve);
  if (!points.empty()) {
    points.front().SetY(endY);
    points.back().SetY(endY);
    curve->SetPoints(points, false);
  }
  linkage->SetLinkage(curve->GetLinkage());
}

void compressorMappingUI::Reset() {
  compressionControl->value(5.0);
  SelectContrastPage(orv::ContrastPage::Frequency);
  SetContrastCollapsed(true);
  ResetCurve(frequencyCurve, frequencyLinkage, -5.0, 10.0, 2.0);
  contrastControl->value(2.0);
  previousContrast = 2.0;
  ResetCurve(luminanceCurve, luminanceLinkage, -4.0, 0.0, 0.0);
  SetSmoothingCollapsed(true);
  ResetCurve(smoothingCurve, smoothingLinkage, 0.0, 10.0, 5.0);
  smoothingControl->value(5.0);
  previousSmoothing = 5.0;
  ResetPostProcessing();
}

void compressorMappingUI::Load(const nlohmann::ordered_json& document) {
  const nlohmann::ordered_json* compressor = orv::ObjectMember(document, "Compressor");
  if (!compressor) return;
  if (const nlohmann::ordered_json* toneMapping = orv::ObjectMember(*compressor, "ToneMapping")) {
    const nlohmann::ordered_json& t = *toneMapping;
    // The three slider values have no presence check: a missing one counts as 0.
    SetCompression(orv::RealMember(t, "Compression").value_or(0.0));
    if (const auto expand = orv::IntegerMember(t, "ContrastExpand")) {
      SetContrastCollapsed(*expand != 0);
      const std::string active = orv::StringMember(t, "ContrastActive").value_or("");
      if (active == "Frequency") SelectContrastPage(orv::ContrastPage::Frequency);
      if (active == "Luminance") SelectContrastPage(orv::ContrastPage::Luminance);
    }
    // Each slider moves its curve; the stored curve read next wins.
    SetContrast(orv::RealMember(t, "Contrast").value_or(0.0));
    frequencyCurve->ReadPoints(t, "ContrastFrequencyCurve");
    ReadLinkage(t, "ContrastFrequencyCurvePL", frequencyCurve, frequencyLinkage);
    luminanceCurve->ReadPoints(t, "ContrastIntensityCurve");
    ReadLinkage(t, "ContrastIntensityCurvePL", luminanceCurve, luminanceLinkage);
    if (const auto expand = orv::IntegerMember(t, "SmoothingExpand")) SetSmoothingCollapsed(*expand != 0);
    SetSmoothing(orv::RealMember(t, "Smoothing").value_or(0.0));
    smoothingCurve->ReadPoints(t, "SmoothingCurve");
    ReadLinkage(t, "SmoothingCurvePL", smoothingCurve, smoothingLinkage);
  }
  LoadPostProcessing(*compressor, "PostProcessing");
}

void compressorMappingUI::Save(nlohmann::ordered_json& document) const {
  nlohmann::ordered_json& compressor = document["Compressor"];
  if (!compressor.is_object()) compressor = nlohmann::ordered_json::object();
  nlohmann::ordered_json& t = compressor["ToneMapping"];
  if (!t.is_object()) t = nlohmann::ordered_json::object();
  Append(t, "Compression", compressionControl->value());
  Append(t, "Contrast", contrastControl->value());
  Append(t, "ContrastExpand", static_cast<int>(contrastCollapse->value()));
  Append(t, "ContrastActive", ContrastPage() == orv::ContrastPage::Luminance ? "Luminance" : "Frequency");
  t.erase("ContrastFrequencyCurve");
  frequencyCurve->WritePoints(t, "ContrastFrequencyCurve");
  Append(t, "ContrastFrequencyCurvePL", frequencyCurve->GetLinkage());
  t.erase("ContrastIntensityCurve");
  luminanceCurve->WritePoints(t, "ContrastIntensityCurve");
  Append(t, "ContrastIntensityCurvePL", luminanceCurve->GetLinkage());
  Append(t, "Smoothing", smoothingControl->value());
  Append(t, "SmoothingExpand", static_cast<int>(smoothingCollapse->value()));
  t.erase("SmoothingCurve");
  smoothingCurve->WritePoints(t, "SmoothingCurve");
  Append(t, "SmoothingCurvePL", smoothingCurve->GetLinkage());
  compressor.erase("PostProcessing");
  SavePostProcessing(compressor);
}
