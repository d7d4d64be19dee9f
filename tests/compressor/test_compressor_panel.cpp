// The Compressor panel: its defaults, the slider/curve coupling, collapsing,
// Defaults, the settings it reads and writes, and its operator entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compressor/CompressorOperator.h"
#include "compressor/compressorMappingUI.h"
#include "tests/compressor/RegionPyramid.h"

namespace {

using Json = nlohmann::ordered_json;

std::vector<double> Ys(const OrvCurves* curve) {
  std::vector<double> ys;
  for (const TMarker& p : curve->Points()) ys.push_back(p.GetY());
  return ys;
}

void SetYs(OrvCurves* curve, const std::vector<double>& ys) {
  double x1, y1, x2, y2;
  curve->GetCurveRange(x1, y1, x2, y2);
  std::vector<TMarker> points;
  for (std::size_t i = 0; i < ys.size(); ++i)
    points.emplace_back(x1 + (x2 - x1) * double(i) / double(ys.size() - 1), ys[i], 1);
  curve->SetPoints(points, false);
}

// A change as the slider reports a completed user edit.
void UserSets(Orv_Input_Slider* slider, double v) {
  slider->fInput->value(v);
  slider->fSlider->value(v);
  slider->set_changed();
  slider->valueChanged.emit(v);
  slider->clear_changed();
}

class CompressorPanel : public ::testing::Test {
 protected:
  CompressorPanel() {
    panel.paramsChanged.connect([this] { ++params; });
    panel.geometryChanged.connect([this] { ++geometry; });
  }
  compressorMappingUI panel{0, 25, 416, 430};
  int params = 0;
  int geometry = 0;
};

TEST_F(CompressorPanel, SlidersHaveTheirLabelsRangesAndDefaults) {
  struct Row {
    Orv_Input_Slider* slider;
    const char* label;
    double low, high, step, value;
    bool shown;
  };
  const Row rows[] = {
      {panel.compressionControl, "Compression ", 0, 10, 0.1, 5, true},
      {panel.contrastControl, "Contrast ", -5, 10, 0.1, 2, true},
      {panel.smoothingControl, "Smoothing", 1, 10, 1, 5, true},
      {panel.vCyclesControl, "VCycles", 1, 10, 1, 1, false},
      {panel.borderControl, "Border", 0, 15, 1, 10, false},
      {panel.radiusControl, "Radius", 1, 5, 1, 1, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_STREQ(row.slider->label(), row.label);
    for (const Fl_Valuator* part :
         {static_cast<const Fl_Valuator*>(row.slider->fInput), static_cast<const Fl_Valuator*>(row.slider->fSlider)}) {
      EXPECT_EQ(part->minimum(), row.low);
      EXPECT_EQ(part->maximum(), row.high);
      EXPECT_EQ(part->step(), row.step);
      EXPECT_EQ(part->value(), row.value);
    }
    EXPECT_EQ(row.slider->visible() != 0, row.shown);
    EXPECT_EQ(row.slider->fInput->textsize(), row.shown ? 12 : 14);
  }
  EXPECT_STREQ(panel.compressionControl->fSlider->tooltip(),
               "Regulates the strength of gradient compression. Particularly affects local contrast.");
  EXPECT_STREQ(panel.defaultsButton->label(), "Defaults");
  EXPECT_STREQ(panel.defaultsButton->tooltip(), "Resets all Compressor mapping parameters to their default values.");
}

TEST_F(CompressorPanel, StartsCollapsedWithFlatCurvesMatchingTheParameterDefaults) {
  struct Row {
    OrvCurves* curve;
    double y1, y2, y;
  };
  for (const Row& row : {Row{panel.frequencyCurve, -5, 10, 2}, Row{panel.luminanceCurve, -4, 0, 0},
                         Row{panel.smoothingCurve, 0, 10, 5}}) {
    double x1, y1, x2, y2;
    row.curve->GetCurveRange(x1, y1, x2, y2);
    EXPECT_EQ(y1, row.y1);
    EXPECT_EQ(y2, row.y2);
    EXPECT_EQ(Ys(row.curve), std::vector<double>({row.y, row.y}));
  }
  for (OrvCollapseButton* button : {panel.contrastCollapse, panel.smoothingCollapse}) {
    EXPECT_EQ(button->value(), 1);
    EXPECT_STREQ(button->label(), "@>");
  }
  EXPECT_FALSE(panel.contrastTabs->visible());
  EXPECT_FALSE(panel.smoothingGroup->visible());
  EXPECT_EQ(panel.ContrastPage(), orv::ContrastPage::Frequency);

  const orv::CompressorParameters shown = panel.Parameters();
  const orv::CompressorParameters defaults;
  EXPECT_EQ(shown.compression, defaults.compression);
  EXPECT_EQ(shown.contrast, defaults.contrast);
  EXPECT_EQ(shown.smoothing, defaults.smoothing);
  EXPECT_TRUE(shown.contrastCollapsed);
  EXPECT_TRUE(shown.smoothingCollapsed);
  EXPECT_EQ(orv::SweepCounts(shown, 3), orv::SweepCounts(defaults, 3));
  EXPECT_EQ(orv::FrequencyFactors(shown, 3), orv::FrequencyFactors(defaults, 3));
}

TEST_F(CompressorPanel, SlidersMoveTheirCurveClampedToTheSliderLimits) {
  struct Case {
    const char* name;
    Orv_Input_Slider* slider;
    OrvCurves* curve;
    std::vector<double> before;
    double value;
    std::vector<double> after;
  };
  const Case cases[] = {
      {"contrast up", panel.contrastControl, panel.frequencyCurve, {2, 9, -5}, 4, {4, 10, -3}},
      {"contrast down", panel.contrastControl, panel.frequencyCurve, {2, 9, -4}, -1, {-1, 6, -5}},
      {"smoothing up", panel.smoothingControl, panel.smoothingCurve, {5, 9, 1}, 8, {8, 10, 4}},
      {"smoothing down", panel.smoothingControl, panel.smoothingCurve, {5, 9, 3}, 2, {2, 6, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    panel.Reset();
    SetYs(c.curve, c.before);
    if (c.slider == panel.contrastControl)
      panel.SetContrast(c.value);
    else
      panel.SetSmoothing(c.value);
    EXPECT_EQ(Ys(c.curve), c.after);
    EXPECT_EQ(c.slider->value(), c.value);
  }
  EXPECT_EQ(params, 0) << "programmatic sets emit nothing";
}

TEST_F(CompressorPanel, UserChangesNotifyAndHiddenGeometryControlsAlsoReportGeometry) {
  struct Case {
    Orv_Input_Slider* slider;
    double value;
    int geometry;
  };
  for (const Case& c :
       {Case{panel.compressionControl, 3, 0}, Case{panel.contrastControl, 4, 0}, Case{panel.smoothingControl, 7, 0},
        Case{panel.vCyclesControl, 3, 0}, Case{panel.borderControl, 12, 1}, Case{panel.radiusControl, 2, 1}}) {
    SCOPED_TRACE(c.slider->label());
    params = geometry = 0;
    UserSets(c.slider, c.value);
    EXPECT_EQ(params, 1);
    EXPECT_EQ(geometry, c.geometry);
    EXPECT_EQ(c.slider->value(), c.value);
  }
  EXPECT_EQ(Ys(panel.frequencyCurve), std::vector<double>({4, 4}));
}

TEST_F(CompressorPanel, CollapseButtonsHideAndShowTheirSection) {
  struct Section {
    OrvCollapseButton* button;
    Fl_Pack* section;
    Fl_Group* curves;
    bool orv::CompressorParameters::*collapsed;
  };
  for (const Section& s : {Section{panel.contrastCollapse, panel.contrastSection, panel.contrastTabs,
                                   &orv::CompressorParameters::contrastCollapsed},
                           Section{panel.smoothingCollapse, panel.smoothingSection, panel.smoothingGroup,
                                   &orv::CompressorParameters::smoothingCollapsed}}) {
    params = 0;
    s.button->value(0);
    s.button->do_callback();
    EXPECT_TRUE(s.curves->visible());
    EXPECT_EQ(s.curves->parent(), s.section);
    EXPECT_STREQ(s.button->label(), "@2>");
    EXPECT_FALSE(panel.Parameters().*s.collapsed);

    s.button->value(1);
    s.button->do_callback();
    EXPECT_FALSE(s.curves->visible());
    EXPECT_EQ(s.curves->parent(), nullptr);
    EXPECT_STREQ(s.button->label(), "@>");
    EXPECT_TRUE(panel.Parameters().*s.collapsed);
    EXPECT_EQ(params, 2);
  }
  // Destroyed while expanded and while collapsed: neither section leaks or is deleted twice.
  panel.SetContrastCollapsed(false);
}

TEST_F(CompressorPanel, DefaultsRestoresEverythingAndNotifiesOnce) {
  UserSets(panel.compressionControl, 1);
  panel.SetContrastCollapsed(false);
  panel.SelectContrastPage(orv::ContrastPage::Luminance);
  SetYs(panel.frequencyCurve, {1, 7, 3});
  panel.frequencyCurve->SetLinkage(0);
  panel.frequencyLinkage->SetLinkage(0);
  panel.SetSmoothing(9);
  panel.SetSaturation(1.5);
  std::vector<double> seenCompression;
  panel.paramsChanged.connect([&] { seenCompression.push_back(panel.compressionControl->value()); });
  params = 0;

  panel.defaultsButton->do_callback();

  EXPECT_EQ(params, 1);
  EXPECT_EQ(seenCompression, std::vector<double>({5.0})) << "emitted after the values were reset";
  EXPECT_EQ(panel.ContrastPage(), orv::ContrastPage::Frequency);
  EXPECT_EQ(panel.contrastCollapse->value(), 1);
  EXPECT_EQ(Ys(panel.frequencyCurve), std::vector<double>({2, 2}));
  EXPECT_EQ(panel.frequencyLinkage->GetLinkage(), panel.frequencyCurve->GetLinkage());
  EXPECT_EQ(panel.smoothingControl->value(), 5.0);
  EXPECT_EQ(panel.Saturation(), 1.0);
  // The previous values follow the reset: moving Contrast 2 → 3 now lifts the curve by 1.
  panel.SetContrast(3);
  EXPECT_EQ(Ys(panel.frequencyCurve), std::vector<double>({3, 3}));
}

Json Written(const compressorMappingUI& panel) {
  Json document = Json::object();
  panel.Save(document);
  return document;
}

// Equal structure, types and values; reals within normalisation rounding.
void ExpectSameSettings(const Json& a, const Json& b, const std::string& path = "") {
  ASSERT_EQ(a.type(), b.type()) << path;
  if (a.is_object()) {
    ASSERT_EQ(a.size(), b.size()) << path;
    for (auto ia = a.begin(), ib = b.begin(); ia != a.end(); ++ia, ++ib) {
      ASSERT_EQ(ia.key(), ib.key()) << path;
      ExpectSameSettings(*ia, *ib, path + "/" + ia.key());
    }
  } else if (a.is_array()) {
    ASSERT_EQ(a.size(), b.size()) << path;
    for (std::size_t i = 0; i < a.size(); ++i) ExpectSameSettings(a[i], b[i], path + "/" + std::to_string(i));
  } else if (a.is_number_float()) {
    EXPECT_NEAR(a.get<double>(), b.get<double>(), 1e-12) << path;
  } else {
    EXPECT_EQ(a, b) << path;
  }
}

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (auto it = object.begin(); it != object.end(); ++it) keys.push_back(it.key());
  return keys;
}

TEST_F(CompressorPanel, SettingsAreWrittenInOrderWithTheirTypesAndReadBack) {
  panel.SetSourceRange(0.25, 1024.0);
  UserSets(panel.compressionControl, 3.5);
  panel.SetContrastCollapsed(false);
  panel.SelectContrastPage(orv::ContrastPage::Luminance);
  panel.SetContrast(4);
  SetYs(panel.frequencyCurve, {1, 7, 3});
  SetYs(panel.luminanceCurve, {-1, -3});
  panel.luminanceCurve->SetLinkage(0);
  panel.luminanceLinkage->SetLinkage(0);
  panel.SetSmoothing(7);
  panel.SetSmoothingCollapsed(false);

  Json document = Json::object();
  document["Compressor"]["ToneMapping"]["Contrast"] = 1.0;  // an older member is replaced in order
  panel.Save(document);
  const Json& compressor = document["Compressor"];
  EXPECT_EQ(Keys(compressor), std::vector<std::string>({"ToneMapping", "PostProcessing"}));
  const Json& t = compressor["ToneMapping"];
  EXPECT_EQ(Keys(t), std::vector<std::string>({"Compression", "Contrast", "ContrastExpand", "ContrastActive",
                                               "ContrastFrequencyCurve", "ContrastFrequencyCurvePL",
                                               "ContrastIntensityCurve", "ContrastIntensityCurvePL", "Smoothing",
                                               "SmoothingExpand", "SmoothingCurve", "SmoothingCurvePL"}));
  for (const char* key : {"Compression", "Contrast", "Smoothing"}) EXPECT_TRUE(t[key].is_number_float()) << key;
  for (const char* key : {"ContrastExpand", "ContrastFrequencyCurvePL", "ContrastIntensityCurvePL", "SmoothingExpand",
                          "SmoothingCurvePL"})
    EXPECT_TRUE(t[key].is_number_integer()) << key;
  EXPECT_EQ(t["Compression"], 3.5);
  EXPECT_EQ(t["ContrastExpand"], 0);
  EXPECT_EQ(t["ContrastActive"], "Luminance");
  EXPECT_EQ(t["ContrastIntensityCurvePL"], 0);
  EXPECT_EQ(t["ContrastFrequencyCurve"].size(), 6u);

  compressorMappingUI other(0, 25, 416, 430);
  other.SetSourceRange(0.25, 1024.0);
  int heard = 0;
  other.paramsChanged.connect([&heard] { ++heard; });
  other.Load(document);
  EXPECT_EQ(heard, 0);
  ExpectSameSettings(Written(other), document);
  EXPECT_EQ(Ys(other.frequencyCurve), Ys(panel.frequencyCurve)) << "the stored curve wins over the slider's move";
  EXPECT_EQ(other.ContrastPage(), orv::ContrastPage::Luminance);
  EXPECT_TRUE(other.smoothingGroup->visible());
}

TEST_F(CompressorPanel, ReadingTakesMissingSliderValuesAsZero) {
  Json document = Written(panel);
  Json& t = document["Compressor"]["ToneMapping"];
  t.erase("Smoothing");
  t["Compression"] = 4;  // an integer where a real belongs counts as absent

  compressorMappingUI other(0, 25, 416, 430);
  other.Load(document);
  EXPECT_EQ(other.smoothingControl->value(), 0.0);
  EXPECT_EQ(other.compressionControl->value(), 0.0);
  EXPECT_EQ(other.contrastControl->value(), 2.0);
  // With the smoothing section collapsed, Smoothing 0 means no sweeps on any level.
  EXPECT_EQ(orv::SweepCounts(other.Parameters(), 3), std::vector<std::int32_t>({0, 0, 0}));

  compressorMappingUI untouched(0, 25, 416, 430);
  untouched.Load(Json{{"Receptor", Json::object()}});
  ExpectSameSettings(Written(untouched), Written(compressorMappingUI(0, 25, 416, 430)));
}

TEST_F(CompressorPanel, ContrastPageIsReadOnlyWithTheCollapseState) {
  struct Case {
    Json expand;  // null: member absent
    const char* active;
    orv::ContrastPage before;
    int collapsed;
    orv::ContrastPage page;
  };
  using P = orv::ContrastPage;
  const Case cases[] = {
      {nullptr, "Frequency", P::Luminance, 0, P::Luminance},
      {0, "Frequency", P::Luminance, 0, P::Frequency},
      {1, "Luminance", P::Frequency, 1, P::Luminance},
      {1, "Other", P::Luminance, 1, P::Luminance},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.active);
    Json document = Written(panel);
    Json& t = document["Compressor"]["ToneMapping"];
    if (c.expand.is_null())
      t.erase("ContrastExpand");
    else
      t["ContrastExpand"] = c.expand;
    t["ContrastActive"] = c.active;
    compressorMappingUI other(0, 25, 416, 430);
    other.SetContrastCollapsed(false);
    other.SelectContrastPage(c.before);
    other.Load(document);
    EXPECT_EQ(other.contrastCollapse->value(), c.collapsed);
    EXPECT_EQ(other.ContrastPage(), c.page);
  }
}

TEST_F(CompressorPanel, ApplyOperatorIsTheCompressorWithTheShownParameters) {
  const auto pyramid = orv::testing::WholeImage(16, 12, 0, orv::testing::RoomScene);
  panel.SetSourceRange(0.25, 1024.0);
  double x1, y1, x2, y2;
  panel.luminanceCurve->GetCurveRange(x1, y1, x2, y2);
  EXPECT_NEAR(x1, -2.0, 1e-9);
  EXPECT_NEAR(x2, 10.0, 1e-9);
  panel.SetContrastCollapsed(false);
  SetYs(panel.frequencyCurve, {0, 6, 3});
  SetYs(panel.luminanceCurve, {-2, 0});
  UserSets(panel.compressionControl, 6.5);

  vigra::BasicImage<float> viaPanel(16, 12), direct(16, 12);
  panel.ApplyOperator(viaPanel, pyramid, true);
  orv::CompressorTables tables;
  orv::ApplyCompressor(direct, pyramid, true, 0.25, 1024.0, panel.Parameters(), tables);
  EXPECT_TRUE(std::equal(viaPanel.begin(), viaPanel.end(), direct.begin()));
  EXPECT_EQ(panel.Tables().frequencyFactors, tables.frequencyFactors);
  EXPECT_EQ(panel.DataMax(), *std::max_element(direct.begin(), direct.end())) << "the overview frames the curve";

  // Later runs use what the overview took, whatever the widgets show meanwhile.
  UserSets(panel.compressionControl, 1);
  panel.ApplyOperator(viaPanel, pyramid, false);
  EXPECT_TRUE(std::equal(viaPanel.begin(), viaPanel.end(), direct.begin()));
}

}  // namespace
