// The source pyramid: level sizes, side columns, statistics, region lists, the
// panorama switches and their settings.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>
#include <vigra/error.hxx>

#include "mapping/OrvMappingStage.h"
#include "platform/DisplayProfile.h"
#include "platform/TestEnvironment.h"

namespace {

using orv::test::IsolatedUser;
using Json = nlohmann::ordered_json;

// Value of level coordinates (x, y), whatever the column offset of the side columns.
float At(const OrvLevelImage& level, int x, int y) { return level.Row(y)[x - level.XMap()(0, 0)]; }

void FillFinest(OrvMappingStage& stage, const std::function<float(int, int)>& value) {
  OrvLevelImage& finest = stage.FinestLevel();
  for (int y = 0; y < finest.SourceHeight(); ++y)
    for (int x = 0; x < finest.SourceWidth(); ++x) finest.Row(y)[x - finest.XMap()(0, 0)] = value(x, y);
}

class Stage : public ::testing::Test {
 protected:
  IsolatedUser user;  // the display profile comes from a private cache, never the real user's
  OrvMappingStage stage;
};

TEST_F(Stage, LevelSizesHalveUntilTheSmallerSideIsFourOrLess) {
  struct Case {
    int width, height;
    std::vector<std::pair<int, int>> levels;  // coarsest first
  } cases[] = {
      {1000, 1000, {{4, 4}, {8, 8}, {16, 16}, {32, 32}, {63, 63}, {125, 125}, {250, 250}, {500, 500}, {1000, 1000}}},
      {5, 1000, {{3, 500}, {5, 1000}}},
      {4, 1000, {{4, 1000}}},
      {2, 2, {{2, 2}}},
      {1, 1, {{1, 1}}},
  };
  for (const Case& c : cases) {
    stage.BuildPyramid(c.width, c.height);
    std::vector<std::pair<int, int>> got;
    for (const OrvLevelImage& level : stage.Levels()) {
      got.emplace_back(level.SourceWidth(), level.SourceHeight());
      // Up to ten extra columns each side, no extra rows.
      const int m = std::min(level.SourceWidth(), 10);
      EXPECT_EQ(level.Width(), level.SourceWidth() + 2 * m);
      EXPECT_EQ(level.XMap()(0, 0), -m);
      EXPECT_EQ(level.Height(), level.SourceHeight());
    }
    EXPECT_EQ(got, c.levels) << c.width << " x " << c.height;
  }
}

TEST_F(Stage, SideColumnsWrapWithPanoramaAndRepeatTheEdgeWithout) {
  for (int width : {15, 3, 1}) {
    stage.BuildPyramid(width, 6);
    FillFinest(stage, [](int x, int y) { return float(x + 100 * y); });
    const int m = std::min(width, 10);
    for (int panorama : {0, 1}) {
      stage.SetPanorama(panorama);
      const OrvLevelImage& finest = stage.Levels().back();
      for (int y = 0; y < 6; ++y)
        for (int k = 1; k <= m; ++k) {
          EXPECT_EQ(At(finest, -k, y), panorama ? At(finest, width - k, y) : At(finest, 0, y))
              << "width " << width << ", left column " << -k;
          EXPECT_EQ(At(finest, width - 1 + k, y), panorama ? At(finest, k - 1, y) : At(finest, width - 1, y))
              << "width " << width << ", right column " << width - 1 + k;
        }
    }
  }
}

TEST_F(Stage, StatisticsOfEveryLevel) {
  // A ramp rising 1 per column: central differences of 2 (not halved) everywhere inside.
  stage.BuildPyramid(40, 30);
  FillFinest(stage, [](int x, int y) { return float(x) + (y == 0 ? 5.0f : y == 29 ? -3.0f : 0.0f); });
  stage.CompletePyramid();
  const OrvLevelImage& finest = stage.Levels().back();
  EXPECT_NEAR(finest.ZenithValue(), 19.5 + 5.0, 1e-9);
  EXPECT_NEAR(finest.NadirValue(), 19.5 - 3.0, 1e-9);
  // Rows 1 and 28 see the changed edge rows in their vertical difference.
  double sum = 0;
  for (int y = 1; y < 29; ++y) {
    const double dy = (y == 1 ? -5.0 : 0.0) + (y == 28 ? -3.0 : 0.0);
    sum += 38 * std::sqrt(4.0 + dy * dy);
  }
  EXPECT_NEAR(finest.MeanGradient(), sum / (38.0 * 28.0), 1e-6);
  for (const OrvLevelImage& level : stage.Levels()) {
    EXPECT_TRUE(std::isfinite(level.MeanGradient()));
    EXPECT_GT(level.MeanGradient(), 0.0);
  }
}

TEST_F(Stage, LevelsWithoutInteriorHaveNoMeanGradient) {
  for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {2, 50}, {50, 1}}) {
    stage.BuildPyramid(w, h);
    FillFinest(stage, [](int x, int y) { return float(x * x + y); });
    stage.CompletePyramid();
    for (const OrvLevelImage& level : stage.Levels()) {
      if (level.SourceWidth() < 3 || level.SourceHeight() < 3) {
        EXPECT_EQ(level.MeanGradient(), 0.0) << w << " x " << h;
      }
      EXPECT_TRUE(std::isfinite(level.ZenithValue()) && std::isfinite(level.NadirValue()));
    }
  }
}

TEST_F(Stage, SwitchingPanoramaRecomputesTheCoarserLevelsOnly) {
  stage.BuildPyramid(64, 40);
  FillFinest(stage, [](int x, int y) { return float(x * x) / 64.0f + 0.1f * y; });
  stage.CompletePyramid();
  const std::vector<OrvLevelImage> flat = stage.Levels();
  stage.SetPanorama(1);
  const std::vector<OrvLevelImage>& wrapped = stage.Levels();

  EXPECT_EQ(wrapped.back().MeanGradient(), flat.back().MeanGradient());
  EXPECT_EQ(wrapped.back().ZenithValue(), flat.back().ZenithValue());
  // Every coarser level is the resampled next finer one, which now wraps round.
  for (std::size_t n = 0; n + 1 < wrapped.size(); ++n) {
    OrvLevelImage expected = wrapped[n];
    expected.Resample(wrapped[n + 1]);
    EXPECT_EQ(At(wrapped[n], 0, 1), At(expected, 0, 1)) << "level " << n;
    EXPECT_NE(At(wrapped[n], 0, 1), At(flat[n], 0, 1)) << "the left edge sees the right one, level " << n;
  }
}

TEST_F(Stage, BorderModeNeedsPanorama) {
  struct Case {
    int panorama, zenith, nadir;
    std::uint32_t mode;
  } cases[] = {{0, 1, 1, 0}, {1, 0, 0, 0}, {1, 1, 0, 1}, {1, 0, 1, 2}, {1, 1, 1, 3}};
  for (const Case& c : cases) {
    stage.SetPanorama(c.panorama);
    stage.SetZenith(c.zenith);
    stage.SetNadir(c.nadir);
    EXPECT_EQ(stage.BorderMode(), c.mode) << c.panorama << c.zenith << c.nadir;
  }
}

TEST_F(Stage, RegionListsCopyTheSamplesTheirMapsName) {
  stage.BuildPyramid(50, 40);
  FillFinest(stage, [](int x, int y) { return float(x + 1000 * y); });
  for (int panorama : {0, 1}) {
    stage.SetPanorama(panorama);
    std::vector<OrvLevelImage> list;
    // A tile at the left edge of the full image.
    stage.PrepareRegion(list, {50, 40}, {0, 10}, {20, 15});
    ASSERT_EQ(list.size(), stage.Levels().size());
    stage.FillRegion(list);
    const OrvLevelImage& region = list.back();
    EXPECT_EQ(region.XMap()(0, 0), panorama ? -10 : 0) << "the margin runs into the side columns only with panorama";
    EXPECT_EQ(region.YMap()(0, 0), 0);
    for (std::size_t n = 0; n < list.size(); ++n)
      for (int j = 0; j < list[n].Height(); ++j)
        for (int i = 0; i < list[n].Width(); ++i)
          ASSERT_EQ(list[n].Row(j)[i], At(stage.Levels()[n], list[n].XMap()(i, 0), list[n].YMap()(0, j)))
              << "level " << n << " at " << i << "," << j;
  }
}

TEST_F(Stage, SettersEmitAndFlagsKeepTheLowByte) {
  std::vector<std::pair<std::string, bool>> emitted;
  stage.panoramaChanged.connect([&](bool on) { emitted.emplace_back("360 Pano", on); });
  stage.zenithChanged.connect([&](bool on) { emitted.emplace_back("Zenith", on); });
  stage.nadirChanged.connect([&](bool on) { emitted.emplace_back("Nadir", on); });
  std::vector<std::string> profiles;
  stage.profileChanged.connect([&](const std::string& path) { profiles.push_back(path); });

  stage.SetPanorama(2);
  stage.SetZenith(256);
  stage.SetNadir(true);
  EXPECT_TRUE(stage.Panorama());
  EXPECT_FALSE(stage.Zenith());
  EXPECT_EQ(emitted,
            (std::vector<std::pair<std::string, bool>>{{"360 Pano", true}, {"Zenith", false}, {"Nadir", true}}));

  emitted.clear();
  stage.ResetStage();
  EXPECT_EQ(emitted,
            (std::vector<std::pair<std::string, bool>>{{"360 Pano", false}, {"Zenith", false}, {"Nadir", false}}));
  EXPECT_EQ(profiles, std::vector<std::string>{orv::DisplayProfilePath()});
  EXPECT_EQ(stage.Profile(), orv::DisplayProfilePath());
}

TEST_F(Stage, SettingsRoundTripWithTheStoredBytes) {
  struct Case {
    Json loaded;
    Json saved;
  } cases[] = {
      {{{"360 Pano", 2}, {"Zenith", 1}, {"Nadir", 0}}, {{"360 Pano", 2}, {"Zenith", 1}, {"Nadir", 0}}},
      {{{"360 Pano", 256}, {"Zenith", -1}}, {{"360 Pano", 0}, {"Zenith", 255}, {"Nadir", 0}}},
      // Integer members are read only as integers.
      {{{"360 Pano", 1.0}, {"Zenith", "1"}, {"Nadir", true}}, {{"360 Pano", 0}, {"Zenith", 0}, {"Nadir", 0}}},
  };
  for (const Case& c : cases) {
    OrvMappingStage fresh;
    fresh.LoadStage(c.loaded);
    Json saved = Json::object();
    fresh.SaveStage(saved);
    Json expected = {{"profile", orv::DisplayProfilePath()}};
    expected.update(c.saved);
    EXPECT_EQ(saved.dump(), expected.dump()) << c.loaded.dump();
    EXPECT_TRUE(saved["360 Pano"].is_number_integer());
  }
}

TEST_F(Stage, AProfileThatIsNoKnownFileIsIgnored) {
  int changes = 0;
  stage.profileChanged.connect([&](const std::string&) { ++changes; });
  stage.LoadStage({{"profile", user.root / "gone.icc"}});
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(stage.Profile(), orv::DisplayProfilePath());
  stage.LoadStage({{"profile", orv::DisplayProfilePath()}});
  EXPECT_EQ(changes, 1) << "the display profile is always known";
}

TEST_F(Stage, PanoramaBeforeThePyramidOnlyStoresTheFlag) {
  int emitted = 0;
  stage.panoramaChanged.connect([&](bool) { ++emitted; });
  stage.LoadStage({{"360 Pano", 1}});
  EXPECT_TRUE(stage.Panorama());
  EXPECT_EQ(emitted, 1);
  EXPECT_TRUE(stage.Levels().empty());
  EXPECT_THROW(stage.FinestLevel(), vigra::PreconditionViolation);
}

}  // namespace
