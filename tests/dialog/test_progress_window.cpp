// The stepped bar of the progress window.
#include <gtest/gtest.h>

#include <vector>

#include "dialog/ProgressWindow.h"

namespace {

struct Step {
  float shown, total;
};

// A window set up as the final render does, recording every progress emission.
struct Bar {
  orv::ProgressWindow window{0, 0, 295, 50};
  std::vector<Step> emitted;
  explicit Bar(int tiles) {
    window.SetTotal(tiles);
    window.SetSteps(std::min(tiles, 20));
    window.progress.connect([this](float shown, float total) { emitted.push_back({shown, total}); });
    window.Start();
  }
};

TEST(ProgressWindow, TwoTilesShowHalfThenFull) {
  Bar bar(2);
  bar.window.Report(0);
  EXPECT_EQ(bar.window.Value(), 0.0f);
  bar.window.Report(1);
  EXPECT_FLOAT_EQ(bar.window.Value(), 0.5f);
  bar.window.Report(2);
  EXPECT_FLOAT_EQ(bar.window.Value(), 1.0f);
  ASSERT_EQ(bar.emitted.size(), 2u);
  EXPECT_EQ(bar.emitted[1].shown, 2.0f);
  EXPECT_EQ(bar.emitted[1].total, 2.0f);
}

TEST(ProgressWindow, FortyFiveTilesUseTwentyStepsOfTwo) {
  Bar bar(45);
  EXPECT_EQ(bar.window.Total(), 40) << "rounded down to a multiple of the step size";
  for (int done = 0; done <= 40; ++done) bar.window.Report(done);
  EXPECT_FLOAT_EQ(bar.window.Value(), 1.0f);
  EXPECT_EQ(bar.emitted.size(), 20u);
  bar.window.Report(45);
  EXPECT_EQ(bar.window.Shown(), 40);
}

TEST(ProgressWindow, TheBarMovesAtMostOneStepPerReport) {
  Bar bar(45);
  // All tiles finished before the first report: the bar catches up one step at a time.
  bar.window.Report(45);
  EXPECT_EQ(bar.window.Shown(), 2);
  bar.window.Report(45);
  EXPECT_EQ(bar.window.Shown(), 4);
  Bar slow(45);
  for (int i = 0; i < 5; ++i) slow.window.Report(3);
  EXPECT_EQ(slow.window.Shown(), 2) << "repeating a report never passes the next step boundary";
}

TEST(ProgressWindow, ZeroStepsOrZeroTilesNeverMove) {
  Bar none(0);
  none.window.Report(0);
  none.window.Report(5);
  EXPECT_EQ(none.window.Value(), 0.0f);
  EXPECT_TRUE(none.emitted.empty());
}

TEST(ProgressWindow, FilledWidthFollowsTheValue) {
  Bar bar(2);
  EXPECT_EQ(bar.window.FilledWidth(), 0);
  bar.window.Report(1);
  // Half of the bar's 200 pixels less its 4-pixel frame, rounded.
  EXPECT_EQ(bar.window.FilledWidth(), 98);
  bar.window.Finish();
  EXPECT_EQ(bar.window.Value(), 0.0f);
}

TEST(ProgressWindow, ShowActsOnlyWhenAllowed) {
  if (!getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  orv::ProgressWindow window(0, 0, 295, 50);
  window.show();
  EXPECT_FALSE(window.shown());
  window.SetShowAllowed(true);
  window.show();
  EXPECT_TRUE(window.shown());
  window.hide();
}

}  // namespace
