// What the owners of the curve editor and the histogram display compute with, without a display:
// straight-segment splines, presets, curve tables, ranges, point lists in the settings, and the
// display's rebinning.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "TH1.h"
#include "TList.h"
#include "widgets/OrvCurvePointLinkage.h"
#include "widgets/OrvCurves.h"
#include "widgets/OrvHistogramAxisScaling.h"
#include "widgets/Orv_Histogram_Display.h"
#include "widgets/TSpline1.h"

// Last: the X11 headers define macros that clash with the test framework's names.
#include <FL/x.H>

namespace {
using Json = nlohmann::ordered_json;

struct XY {
  double x, y;
};

std::vector<XY> PointsOf(const OrvCurves& curves, bool normalise = false) {
  std::vector<TMarker> markers;
  curves.GetPoints(markers, normalise);
  std::vector<XY> out;
  for (const TMarker& m : markers) out.push_back({m.GetX(), m.GetY()});
  return out;
}

void ExpectPoints(const std::vector<XY>& actual, const std::vector<XY>& expected, const char* what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-12) << what << " point " << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-12) << what << " point " << i;
  }
}

std::vector<TMarker> Markers(const std::vector<XY>& points) {
  std::vector<TMarker> out;
  for (const XY& p : points) out.emplace_back(p.x, p.y, OrvCurves::kPointStyle);
  return out;
}

// Counts every signal of an editor.
struct SignalCount {
  explicit SignalCount(OrvCurves& c) {
    for (auto* s : {&c.hoverChanged, &c.pointPressed, &c.pointDragged, &c.pointReleased, &c.rangeDragged})
      s->connect([this] { ++n; });
  }
  int n = 0;
};

TEST(TSpline1, InterpolatesOnKnotsBetweenThemAndContinuesTheEndSegments) {
  double x[] = {0, 1, 3};
  double y[] = {0, 2, 0};
  TSpline1 spline("line", x, y, 3);
  EXPECT_STREQ(spline.GetName(), "Spline");
  EXPECT_EQ(spline.GetNp(), 3);
  EXPECT_EQ(spline.GetXmin(), 0);
  EXPECT_EQ(spline.GetXmax(), 3);
  const struct {
    double x, expected;
  } cases[] = {
      {0.5, 1}, {0, 0},   {1, 2},  {3, 0},   // between and on knots
      {2, 1},   {-1, -2}, {4, -1}, {10, -7}  // second segment; extrapolated at both ends
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(spline.Eval(c.x), c.expected) << "x = " << c.x;

  double x2[] = {0, 1};
  double y2[] = {0, 2};
  TSpline1 two("two", x2, y2, 2);
  EXPECT_DOUBLE_EQ(two.Eval(0.5), 1);
  EXPECT_DOUBLE_EQ(two.Eval(2), 4);
  EXPECT_DOUBLE_EQ(two.Eval(-1), -2);
  double kx = -1, ky = -1;
  two.GetKnot(1, kx, ky);
  EXPECT_EQ(kx, 1);
  EXPECT_EQ(ky, 2);
}

TEST(OrvCurves, NewEditorIsAFlatSplineAtOneOverTheUnitSquare) {
  OrvCurves curves(0, 0, 275, 200);
  ExpectPoints(PointsOf(curves), {{0, 1}, {1, 1}}, "points");
  EXPECT_EQ(curves.GetLinkage(), 1);
  EXPECT_TRUE(curves.GetFixedEnds());
  EXPECT_EQ(curves.GetSelected(), OrvCurves::kNone);
  for (double x : {-1.0, 0.0, 0.3, 1.0, 2.0}) EXPECT_DOUBLE_EQ(curves.GetSpline()->Eval(x), 1) << x;
  for (const TMarker& p : curves.Points()) {
    EXPECT_EQ(p.GetMarkerStyle(), OrvCurves::kPointStyle);
    EXPECT_FLOAT_EQ(p.GetMarkerSize(), 0.8f);
  }
  EXPECT_EQ(curves.GetSpline()->GetNpx(), 275) << "one drawing point per pixel column";
  EXPECT_EQ(curves.GetAxis().GetNdiv(), 510);
  EXPECT_STREQ(curves.GetAxis().GetOption(), "+C");
}

TEST(OrvCurves, PresetsPlaceTheirPointsInTheStoredRangeWithTheirLinkage) {
  const std::vector<XY> rising = {{0, 0}, {1, 1}}, falling = {{0, 1}, {1, 0}}, flat = {{0, 1}, {1, 1}};
  const struct {
    int kind;
    std::vector<XY> unit;
    int linkage;
  } cases[] = {
      {2, rising, 1},
      {3, {{0, 0}, {0.5, 1}, {1, 0}}, 0},
      {4, rising, 0},
      {7, rising, 0},
      {10, rising, 0},
      {13, rising, 0},
      {5, falling, 0},
      {8, falling, 0},
      {11, falling, 0},
      {14, falling, 0},
      {6, {{0, 0}, {0.2, 1}, {1, 0}}, 0},
      {9, {{0, 0}, {0.05, 1}, {1, 0}}, 0},
      {12, {{0, 0}, {0.01, 1}, {1, 0}}, 0},
      {0, flat, 1},
      {1, flat, 1},
      {15, flat, 1},
      {-3, flat, 1},
  };
  OrvCurves curves(0, 0, 275, 200);
  curves.SetCurveRange(-4, -8, 4, 2);
  curves.StretchRange(-2, -8, 3, 2);  // the preset ignores a stretched view: it frames in the stored range
  SignalCount signals(curves);
  for (const auto& c : cases) {
    curves.SetLinkage(1 - c.linkage);
    curves.SetPreset(c.kind);
    std::vector<XY> expected;
    for (const XY& u : c.unit) expected.push_back({-4 + 8 * u.x, -8 + 10 * u.y});
    ExpectPoints(PointsOf(curves), expected, ("kind " + std::to_string(c.kind)).c_str());
    EXPECT_EQ(curves.GetLinkage(), c.linkage) << "kind " << c.kind;
    double x1, y1, x2, y2;
    curves.GetVisibleRange(x1, y1, x2, y2);
    EXPECT_EQ(x1, -4);
    EXPECT_EQ(x2, 4);
  }
  EXPECT_EQ(signals.n, 0) << "presets are programmatic";
}

TEST(OrvCurves, FillHistogramSamplesTheTentAtBinCentresAndCopiesTheEdges) {
  OrvCurves curves(0, 0, 275, 200);
  curves.SetPreset(3);
  TH1D table("table", "", 4, 0, 1);
  table.SetDirectory(nullptr);
  curves.FillHistogram(&table);
  const double expected[] = {0.25, 0.25, 0.75, 0.75, 0.25, 0.25};  // underflow, bins 1..4, overflow
  for (int bin = 0; bin <= 5; ++bin) EXPECT_DOUBLE_EQ(table.GetBinContent(bin), expected[bin]) << "bin " << bin;
}

TEST(OrvCurves, FillHistogramOutsideTheEndPointsFollowsTheLinkage) {
  OrvCurves curves(0, 0, 275, 200);
  curves.SetPoints(Markers({{0, 0}, {0.5, 1}, {1, 1.5}}), false);
  TH1D table("table", "", 2, 1.5, 3.5);  // centres 2 and 3, beyond the last point
  table.SetDirectory(nullptr);
  curves.SetLinkage(0);
  curves.FillHistogram(&table);
  EXPECT_DOUBLE_EQ(table.GetBinContent(1), 2.5) << "the last segment continued";
  EXPECT_DOUBLE_EQ(table.GetBinContent(2), 3.5);
  curves.SetLinkage(1);
  curves.FillHistogram(&table);
  EXPECT_DOUBLE_EQ(table.GetBinContent(1), curves.GetSpline()->Eval(2)) << "the last cubic continued";
  EXPECT_GT(table.GetBinContent(2) - table.GetBinContent(1), 1.5) << "bending away from the chord";
}

TEST(OrvCurves, RangesMoveThePointsAndTheAxis) {
  OrvCurves curves(0, 0, 275, 200);
  curves.SetCurveYRange(-8, 2);
  ExpectPoints(PointsOf(curves), {{0, 2}, {1, 2}}, "flat curve at the top");
  EXPECT_EQ(curves.GetAxis().GetWmin(), -8);
  EXPECT_EQ(curves.GetAxis().GetWmax(), 2);
  EXPECT_EQ(curves.GetAxis().GetX1(), 1) << "at the right edge";
  EXPECT_EQ(curves.GetAxis().GetY1(), -8);
  EXPECT_EQ(curves.GetAxis().GetY2(), 2);

  curves.SetPoints(Markers({{0, -8}, {0.25, -3}, {1, 0}}), false);
  curves.SetCurveXRange(-6, 2);
  ExpectPoints(PointsOf(curves), {{-6, -8}, {-4, -3}, {2, 0}}, "relative positions kept");

  // Stretching shows a part of the stored range: the ends go to its edges, the rest follows.
  curves.StretchRange(-4, -8, 0, 2);
  ExpectPoints(PointsOf(curves), {{-4, -8}, {-3, -3}, {0, 0}}, "stretched");
  double x1, y1, x2, y2;
  curves.GetCurveRange(x1, y1, x2, y2);
  EXPECT_EQ(x1, -6);
  EXPECT_EQ(x2, 2);
  curves.GetVisibleRange(x1, y1, x2, y2);
  EXPECT_EQ(x1, -4);
  EXPECT_EQ(x2, 0);
  EXPECT_NEAR(curves.GetAxis().GetX1(), 0.0001, 1e-12);
  EXPECT_EQ(curves.GetAxis().GetWmin(), -8) << "the axis keeps its values";

  // A new frame maps the stretched view along with the points.
  curves.SetCurveXRange(-12, 4);
  curves.GetVisibleRange(x1, y1, x2, y2);
  EXPECT_EQ(x1, -8);
  EXPECT_EQ(x2, 0);
  ExpectPoints(PointsOf(curves), {{-8, -8}, {-6, -3}, {0, 0}}, "reframed");
}

TEST(OrvCurves, WrittenListsAreNormalisedToTheVisibleRange) {
  OrvCurves curves(0, 0, 275, 200);
  curves.SetCurveRange(-6, -8, 2, 2);
  curves.SetPoints(Markers({{-6, -8}, {0, -3}, {2, 2}}), false);
  Json settings = {{"Other", 1}};
  curves.WritePoints(settings, "Curve");
  ASSERT_TRUE(settings["Curve"].is_array());
  const std::vector<double> expected = {0, 0, 0.75, 0.5, 1, 1};
  ASSERT_EQ(settings["Curve"].size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(settings["Curve"][i].is_number_float()) << "reals, even for 0 and 1";
    EXPECT_DOUBLE_EQ(settings["Curve"][i].get<double>(), expected[i]) << i;
  }
  EXPECT_EQ(settings.begin().key(), "Other") << "appended after what was there";
}

TEST(OrvCurves, WriteThenReadReproducesThePointsWithoutASignal) {
  OrvCurves writer(0, 0, 275, 200);
  writer.SetCurveRange(-5.5, -8, 1.25, 2);
  writer.StretchRange(-4, -8, 0.5, 2);
  writer.SetPoints(Markers({{-4, -8}, {-3.3, -6.1}, {-1.7, -2.2}, {0.5, 0}}), false);
  Json settings = Json::object();
  writer.WritePoints(settings, "ContrastIntensityCurve");

  OrvCurves reader(0, 0, 275, 200);
  reader.SetCurveRange(-5.5, -8, 1.25, 2);
  reader.StretchRange(-4, -8, 0.5, 2);
  SignalCount signals(reader);
  reader.ReadPoints(settings, "ContrastIntensityCurve");
  ExpectPoints(PointsOf(reader), PointsOf(writer), "read back");
  EXPECT_EQ(signals.n, 0);
  EXPECT_EQ(reader.GetSelected(), OrvCurves::kNone);
  EXPECT_DOUBLE_EQ(reader.GetSpline()->Eval(-1.7), -2.2) << "the curve follows the read points";
}

TEST(OrvCurves, UnusableListsLeaveTheCurveAlone) {
  const std::vector<XY> before = {{0, 0}, {0.5, 0.2}, {1, 1}};
  const struct {
    const char* what;
    Json object;
  } cases[] = {
      {"missing", Json{{"Other", Json::array({0.0, 0.0, 1.0, 1.0})}}},
      {"null", Json{{"Curve", nullptr}}},
      {"not a list", Json{{"Curve", 0.5}}},
      {"one pair", Json{{"Curve", Json::array({0.0, 0.0, 0.5})}}},
      {"a string inside", Json{{"Curve", Json::array({0.0, 0.0, "1", 1.0})}}},
      {"not an object", Json::array({0.0, 1.0})},
  };
  for (const auto& c : cases) {
    OrvCurves curves(0, 0, 275, 200);
    curves.SetPoints(Markers(before), false);
    curves.ReadPoints(c.object, "Curve");
    ExpectPoints(PointsOf(curves), before, c.what);
  }
}

TEST(OrvCurves, ReadingIgnoresATrailingValueAcceptsIntegersAndSortsByX) {
  OrvCurves curves(0, 0, 275, 200);
  curves.SetCurveRange(0, -8, 4, 2);
  curves.ReadPoints(Json{{"Curve", Json::array({0.0, 0.0, 1, 1, 0.5, 0.5, 0.25})}}, "Curve");
  ExpectPoints(PointsOf(curves), {{0, -8}, {2, -3}, {4, 2}}, "pairs, in increasing x");
}

TEST(OrvCurves, LinkageMemberDrivesTheCurveAndTheRadioGroup) {
  OrvCurves curves(0, 0, 275, 200);
  OrvCurvePointLinkage linkage(0, 0, 275, 10);
  EXPECT_EQ(linkage.GetLinkage(), 1);
  EXPECT_TRUE(linkage.fFirst->value());
  curves.SetPoints(Markers({{0, 0}, {0.5, 1}, {1, 0}}), false);
  const Json settings = {{"CurvePL", 0}};
  const int value = int(settings["CurvePL"].get<int64_t>());
  curves.SetLinkage(value);
  linkage.SetLinkage(value);
  EXPECT_EQ(curves.GetLinkage(), 0);
  EXPECT_DOUBLE_EQ(curves.GetSpline()->Eval(0.25), 0.5) << "straight segments";
  EXPECT_TRUE(linkage.fSecond->value()) << "\"Line\" on";
  EXPECT_FALSE(linkage.fFirst->value());
  EXPECT_EQ(linkage.GetLinkage(), 0);
  EXPECT_STREQ(linkage.fSecond->label(), "Line");
  linkage.SetLinkage(1);
  EXPECT_EQ(linkage.GetLinkage(), 1);
  EXPECT_FALSE(linkage.fSecond->value());
}

TEST(OrvHistogramAxisScaling, SetAndGetFollowTheButtons) {
  OrvHistogramAxisScaling scaling(0, 0, 275, 10);
  EXPECT_EQ(scaling.GetScaling(), 0);
  EXPECT_STREQ(scaling.fCaption->label(), "Left axis scaling:");
  EXPECT_STREQ(scaling.fSecond->label(), "Logarithmic");
  scaling.SetScaling(1);
  EXPECT_EQ(scaling.GetScaling(), 1);
  EXPECT_FALSE(scaling.fFirst->value());
  scaling.SetScaling(0);
  EXPECT_EQ(scaling.GetScaling(), 0);
  EXPECT_FALSE(scaling.fSecond->value());
}

TEST(OrvRadioPair, BuildingTheGroupsLeavesTheDisplayClosed) {
  OrvCurvePointLinkage linkage(0, 0, 275, 10);
  OrvHistogramAxisScaling scaling(0, 0, 275, 10);
  OrvCurves curves(0, 0, 275, 200);
  Orv_Histogram_Display display(0, 0, 275, 200);
  EXPECT_EQ(fl_display, nullptr);
}

TEST(RebinForDisplay, SumsSourceBinsByCentreWithUnderAndOverflowAndNormalises) {
  TH1D source("source", "", 8, -1, 3);  // centres -0.75, -0.25, 0.25, ..., 2.75
  source.SetDirectory(nullptr);
  const double contents[] = {5, 1, 2, 4, 8, 6, 3, 7};
  for (int i = 0; i < 8; ++i) source.SetBinContent(i + 1, contents[i]);
  source.SetBinContent(0, 100);  // the source's own under- and overflow are not shown
  source.SetBinContent(9, 100);
  std::unique_ptr<TH1D> shown(RebinForDisplay(source, 2, 0, 2));
  EXPECT_STREQ(shown->GetName(), "Orv_Histogram_Display");
  EXPECT_EQ(shown->GetNbinsX(), 2);
  EXPECT_EQ(shown->GetDirectory(), nullptr);
  // Raw sums: underflow 5 + 1, [0, 1) 2 + 4, [1, 2) 8 + 6, overflow 3 + 7; scaled by 1 / 14.
  const double expected[] = {6, 6, 14, 10};
  for (int bin = 0; bin <= 3; ++bin) EXPECT_DOUBLE_EQ(shown->GetBinContent(bin), expected[bin] / 14) << bin;

  TH1D empty("empty", "", 4, 0, 1);
  empty.SetDirectory(nullptr);
  std::unique_ptr<TH1D> none(RebinForDisplay(empty, 3, 0, 1));
  for (int bin = 0; bin <= 4; ++bin) EXPECT_EQ(none->GetBinContent(bin), 0) << "no NaN from an empty source";
}

TEST(Orv_Histogram_Display, ShowsTheSourceInHalfTheWidthOverTheDisplayRange) {
  Orv_Histogram_Display display(0, 0, 275, 200);
  EXPECT_EQ(display.fSource, nullptr);
  EXPECT_EQ(display.fDisplayMin, 0);
  EXPECT_EQ(display.fDisplayMax, 1);
  EXPECT_EQ(display.fLogY, 0);
  EXPECT_EQ(display.GetDisplayHistogram(), nullptr);
  EXPECT_EQ(display.GetLeftMargin(), 0);
  EXPECT_EQ(display.GetTopMargin(), 0);

  TH1D source("source", "", 10, 0, 2);  // one filled bin inside the range, one beyond it
  source.SetDirectory(nullptr);
  source.SetBinContent(3, 40);  // centre 0.5
  source.SetBinContent(7, 90);  // centre 1.3: past fDisplayMax
  display.SetHistogram(&source);
  EXPECT_EQ(display.fSource, &source);
  TH1D* shown = display.GetDisplayHistogram();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->GetNbinsX(), 137);
  EXPECT_EQ(shown->GetXaxis()->GetXmin(), 0);
  EXPECT_EQ(shown->GetXaxis()->GetXmax(), 1);
  EXPECT_TRUE(shown->TestBit(TObject::kCanDelete)) << "the pad owns it";
  EXPECT_DOUBLE_EQ(shown->GetMaximum(), 1);
  EXPECT_DOUBLE_EQ(shown->GetBinContent(shown->FindBin(0.5)), 1) << "one bin of height 1";
  EXPECT_DOUBLE_EQ(shown->GetBinContent(138), 90.0 / 40) << "beyond the range: overflow, not shown";
  EXPECT_EQ(shown->GetFillColor(), 18);

  display.fDisplayMin = 0.4;
  display.fDisplayMax = 1.4;
  display.fLogY = 1;
  display.SetHistogram(&source);
  EXPECT_EQ(display.GetListOfPrimitives()->GetSize(), 1) << "the previous histogram is gone";
  EXPECT_EQ(display.GetLogy(), 1);
  shown = display.GetDisplayHistogram();
  EXPECT_EQ(shown->GetXaxis()->GetXmin(), 0.4);
  EXPECT_DOUBLE_EQ(shown->GetBinContent(shown->FindBin(1.3)), 1) << "now inside and the highest";

  display.fLogY = 0;
  display.SetHistogram(nullptr);
  EXPECT_EQ(display.GetListOfPrimitives()->GetSize(), 0);
  EXPECT_EQ(display.GetLogy(), 0);
}
}  // namespace
