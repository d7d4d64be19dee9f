// The Simplex and Receptor panels as operators: their output, the curve framed
// by the overview, Defaults, and their settings.
#include <gtest/gtest.h>

#include <cmath>

#include "mapping/PostProcessing.h"
#include "mapping/ReceptorOperator.h"
#include "mapping/receptorMappingUI.h"
#include "mapping/simplexMappingUI.h"

namespace {

// A whole level of w × h sampled one to one, as the pyramid stores it.
template <class Value>
std::vector<OrvLevelImage> WholeImage(int w, int h, Value value) {
  OrvLevelImage level(w, h, 0, 0, w, h, w, h, -std::min(w, 10), -std::min(h, 10), std::min(w, 10), std::min(h, 10),
                      0, 0, 0, 0, 1, 1, 0);
  for (int j = 0; j < level.Height(); ++j)
    for (int i = 0; i < level.Width(); ++i) level.Pixels()(i, j) = value(level.XMap()(i, 0), level.YMap()(0, j));
  return {level};
}

float Ramp(int x, int y) { return -6.0f + 0.5f * x + 0.25f * y; }  // −6 … 2 on 12 × 11

TEST(OperatorPanels, SimplexOverviewFramesTheCurveBetweenBlackAndWhite) {
  simplexMappingUI panel(0, 25, 416, 350);
  const auto levels = WholeImage(12, 11, Ramp);
  vigra::BasicImage<float> output(12, 11);
  panel.ApplyOperator(output, levels, true);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(output(x, y), Ramp(x, y));
  EXPECT_EQ(panel.DataMin(), -6.0);
  EXPECT_EQ(panel.DataMax(), 2.0);
  EXPECT_DOUBLE_EQ(panel.histogramDisplay->fDisplayMin, -6.0);
  EXPECT_DOUBLE_EQ(panel.histogramDisplay->fDisplayMax, 2.0);

  panel.RebuildCurveTable();
  const TH1D& table = *panel.CurveTable();
  EXPECT_STREQ(table.GetName(), "curve_histogram");
  EXPECT_NEAR(table.GetBinContent(0), -8.0, 0.01);
  EXPECT_NEAR(table.GetBinContent(table.GetNbinsX() + 1), 0.0, 0.01);

  // The smallest overview value maps to black, the largest to white × colour ratio.
  const float rgb[3] = {1, 2, 3};
  float black[3], white[3];
  const float lo = -6.0f, hi = 2.0f;
  orv::MapToOutput(table, panel.Saturation(), &lo, rgb, black, 1);
  orv::MapToOutput(table, panel.Saturation(), &hi, rgb, white, 1);
  EXPECT_NEAR(black[0], 0.0f, 20.0f);
  EXPECT_NEAR(white[0], 65535.0f / 2.0001f, 30.0f);
}

TEST(OperatorPanels, UniformOverviewKeepsTheCurveAndStaysFinite) {
  simplexMappingUI panel(0, 25, 416, 350);
  const auto levels = WholeImage(5, 5, [](int, int) { return -3.0f; });
  vigra::BasicImage<float> output(5, 5);
  panel.ApplyOperator(output, levels, true);
  panel.RebuildCurveTable();
  for (int bin = 0; bin <= panel.CurveTable()->GetNbinsX() + 1; ++bin)
    ASSERT_TRUE(std::isfinite(panel.CurveTable()->GetBinContent(bin)));
  const float rgb[3] = {0.5f, 0.5f, 0.5f};
  float out[3];
  const float value = -3.0f;
  orv::MapToOutput(*panel.CurveTable(), 1.0, &value, rgb, out, 1);
  EXPECT_TRUE(std::isfinite(out[0]));
}

TEST(OperatorPanels, BlackAndWhiteFollowTheEndPointsAndStayFiniteAtZero) {
  simplexMappingUI panel(0, 25, 416, 350);
  auto levels = WholeImage(12, 11, Ramp);
  vigra::BasicImage<float> output(12, 11);
  panel.ApplyOperator(output, levels, true);
  std::vector<TMarker> points;
  panel.curveEditor->GetPoints(points, false);
  points.back().SetX(1.5);
  panel.curveEditor->SetPoints(points, false);
  panel.UpdateBlackWhite();
  EXPECT_NEAR(panel.WhiteFactor(), 0.75, 1e-12);
  EXPECT_NEAR(panel.BlackFactor(), 1.0, 1e-12);

  // A range ending at exactly 0 gives no ratio: the factor stays finite.
  levels = WholeImage(12, 11, [](int x, int) { return x < 6 ? -4.0f : 0.0f; });
  panel.ApplyOperator(output, levels, true);
  panel.UpdateBlackWhite();
  EXPECT_TRUE(std::isfinite(panel.WhiteFactor()));
  EXPECT_TRUE(std::isfinite(panel.BlackFactor()));
}

TEST(OperatorPanels, DefaultsRestoreParametersAndEmitOnce) {
  receptorMappingUI receptor(0, 25, 416, 390);
  simplexMappingUI simplex(0, 25, 416, 350);
  int receptorSignals = 0, simplexSignals = 0;
  receptor.paramsChanged.connect([&] { ++receptorSignals; });
  simplex.paramsChanged.connect([&] { ++simplexSignals; });
  receptor.compressionControl->value(9.0);
  receptor.SetSaturation(0.4);
  simplex.SetSaturation(1.6);
  receptor.defaultsButton->do_callback();
  simplex.defaultsButton->do_callback();
  EXPECT_EQ(receptorSignals, 1);
  EXPECT_EQ(simplexSignals, 1);
  EXPECT_EQ(receptor.Parameters().compression, 5.0);
  EXPECT_EQ(receptor.Parameters().brightness, 5.0);
  EXPECT_EQ(receptor.Saturation(), 1.0);
  EXPECT_EQ(simplex.Saturation(), 1.0);
}

TEST(OperatorPanels, ReceptorMapsWithItsControlsAndTheSourceStatistics) {
  receptorMappingUI panel(0, 25, 416, 390);
  panel.compressionControl->value(3.0);
  panel.brightnessControl->value(8.0);
  panel.SetLogAverage(0.7);
  panel.SetMaximum(300.0);
  const auto levels = WholeImage(6, 4, Ramp);
  vigra::BasicImage<float> output(6, 4), expected(6, 4);
  panel.ApplyOperator(output, levels, false);
  orv::ApplyReceptor({3.0, 8.0}, 0.7, 300.0, levels, expected);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(output(x, y), expected(x, y));
}

TEST(OperatorPanels, SettingsRoundTripKeepsRealsRealAndIntegersInteger) {
  receptorMappingUI receptor(0, 25, 416, 390);
  simplexMappingUI simplex(0, 25, 416, 350);
  receptor.compressionControl->value(3.7);
  receptor.brightnessControl->value(6.0);
  receptor.SetSaturation(0.8);
  receptor.pointLinkage->SetLinkage(0);
  receptor.curveEditor->SetLinkage(0);
  simplex.SetSaturation(1.2);

  nlohmann::ordered_json operators = nlohmann::ordered_json::object();
  simplex.Save(operators);
  receptor.Save(operators);
  const auto& post = operators["Receptor"]["PostProcessing"];
  std::vector<std::string> keys;
  for (auto it = post.begin(); it != post.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"Black", "White", "Curve", "LeftAxisScaling", "CurvePL", "Saturation"}));
  EXPECT_TRUE(post["Black"].is_number_float());
  EXPECT_TRUE(post["Saturation"].is_number_float());
  EXPECT_TRUE(post["LeftAxisScaling"].is_number_integer());
  EXPECT_EQ(post["CurvePL"], 0);
  EXPECT_TRUE(operators["Receptor"]["ToneMapping"]["Brightness"].is_number_float()) << "6.0 stays a real";

  receptorMappingUI receptorAgain(0, 25, 416, 390);
  simplexMappingUI simplexAgain(0, 25, 416, 350);
  receptorAgain.Load(operators);
  simplexAgain.Load(operators);
  nlohmann::ordered_json again = nlohmann::ordered_json::object();
  simplexAgain.Save(again);
  receptorAgain.Save(again);
  EXPECT_EQ(again.dump(), operators.dump());

  // A document without the operator's member changes nothing.
  receptorAgain.Load(nlohmann::ordered_json::object());
  simplexAgain.Load({{"Receptor", 1}});
  EXPECT_EQ(receptorAgain.Parameters().compression, 3.7);
  EXPECT_EQ(simplexAgain.Saturation(), 1.2);
  // An integer where a real belongs counts as absent.
  receptorAgain.Load({{"Receptor", {{"ToneMapping", {{"Compression", 2}, {"Brightness", 1.5}}}}}});
  EXPECT_EQ(receptorAgain.Parameters().compression, 3.7);
  EXPECT_EQ(receptorAgain.Parameters().brightness, 1.5);
}

TEST(OperatorPanels, ParameterAreaStaysCentredWhenThePanelGrows) {
  receptorMappingUI panel(0, 25, 416, 390);
  const int width = panel.parameterArea->w();
  panel.resize(0, 25, 616, 390);
  EXPECT_EQ(panel.parameterArea->x(), (616 - width) / 2);
  EXPECT_EQ(panel.parameterArea->w(), width);
}

}  // namespace
