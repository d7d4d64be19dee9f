// The panorama switches and their link with the mapping stage.
#include <gtest/gtest.h>

#include "mapping/KnownProfiles.h"
#include "mapping/OrvMappingStage.h"
#include "mapping/OrvPSImageUI.h"
#include "platform/TestEnvironment.h"

namespace {

class PanoramaSwitches : public ::testing::Test {
 protected:
  orv::test::IsolatedUser user;  // the stage's defaults look up the display profile
  OrvMappingStage stage;
  std::unique_ptr<OrvPSImageUI> ui;
  void SetUp() override {
    orv::detail::ResetKnownProfileFiles();
    ui = std::make_unique<OrvPSImageUI>(0, 0, 240, 60);
    ui->Connect(stage);
  }
  void TearDown() override {
    ui.reset();
    orv::detail::ResetKnownProfileFiles();
  }
  static void Click(Fl_Light_Button* button) {
    button->value(!button->value());
    button->do_callback();
  }
};

TEST_F(PanoramaSwitches, LayoutAndDefaults) {
  EXPECT_STREQ(ui->PanoramaSwitch()->label(), "360 Panorama");
  EXPECT_EQ(ui->ZenithSwitch()->x(), 120);
  EXPECT_EQ(ui->NadirSwitch()->w(), 55);
  EXPECT_EQ(ui->PanoramaSwitch()->selection_color(), 3u);
  EXPECT_FALSE(ui->PanoramaSwitch()->value());
  EXPECT_FALSE(ui->ZenithSwitch()->active()) << "poles need a panorama";
  EXPECT_FALSE(ui->NadirSwitch()->active());
}

TEST_F(PanoramaSwitches, SwitchesSetTheStageAndPolesFollowPanorama) {
  Click(ui->PanoramaSwitch());
  EXPECT_TRUE(stage.Panorama());
  EXPECT_TRUE(ui->ZenithSwitch()->active());
  Click(ui->ZenithSwitch());
  Click(ui->NadirSwitch());
  EXPECT_TRUE(stage.Zenith());
  EXPECT_TRUE(stage.Nadir());
  EXPECT_EQ(stage.BorderMode(), 3u);
  Click(ui->PanoramaSwitch());
  EXPECT_EQ(stage.BorderMode(), 0u) << "zenith and nadir count only with panorama on";
  EXPECT_FALSE(ui->ZenithSwitch()->active());
  EXPECT_TRUE(ui->ZenithSwitch()->value()) << "the switch keeps its state while inactive";
}

TEST_F(PanoramaSwitches, LoadedSettingsShowInTheSwitches) {
  stage.LoadStage({{"360 Pano", 0}, {"Zenith", 1}, {"Nadir", 0}});
  EXPECT_TRUE(ui->ZenithSwitch()->value()) << "pressed";
  EXPECT_FALSE(ui->ZenithSwitch()->active()) << "but inactive";
  EXPECT_EQ(stage.BorderMode(), 0u);
  stage.LoadStage({{"360 Pano", 1}});
  EXPECT_TRUE(ui->PanoramaSwitch()->value());
  EXPECT_TRUE(ui->ZenithSwitch()->active());
  EXPECT_EQ(stage.BorderMode(), 1u);
  stage.ResetStage();
  EXPECT_FALSE(ui->PanoramaSwitch()->value());
  EXPECT_FALSE(ui->ZenithSwitch()->value());
}

TEST_F(PanoramaSwitches, DestroyedChooserNoLongerListens) {
  ui.reset();
  stage.SetPanorama(1);  // must not reach the deleted widgets
  stage.SetZenith(1);
  EXPECT_TRUE(stage.Panorama());
}

}  // namespace
