#include "dialog/OverviewController.h"

#include <algorithm>
#include <vector>

#include "dialog/OrvRunContext.h"
#include "host/HostRecord.h"
#include "host/PixelTransfer.h"

namespace orv {
namespace {
// The navigator is 215 × 130 inside a 2-pixel frame on each side.
constexpr int kNavigatorInnerSize = 211;
}  // namespace

void ReadSource(OrvRunContext& context) {
  const OrvRect32 rect = FilterRect();
  OrvMappingStage& stage = context.Stage();
  stage.BuildPyramid(rect.right - rect.left, rect.bottom - rect.top);
  if (!stage.FinestLevel().Empty()) ReadChannelLevel(stage);
  context.Operators().SetSourceStatistics(stage.Minimum(), stage.Maximum(), stage.LogAverage());
}

OverviewSize ChooseOverviewSize(int width, int height, int navigatorInnerSize) {
  int m = std::min(width, height);
  while (m > navigatorInnerSize) {
    width = (width + 1) / 2;
    height = (height + 1) / 2;
    m = (m + 1) / 2;
  }
  return {width, height};
}

void AnalyseOverview(OrvRunContext& context) {
  const OrvMappingStage& stage = context.Stage();
  if (stage.Levels().empty() || stage.Levels().back().Empty()) return;
  const OrvLevelImage& finest = stage.Levels().back();
  const OverviewSize size = ChooseOverviewSize(finest.SourceWidth(), finest.SourceHeight(), kNavigatorInnerSize);
  std::vector<OrvLevelImage> levels;
  stage.PrepareRegion(levels, {size.width, size.height}, {0, 0}, {size.width, size.height});
  stage.FillRegion(levels);
  vigra::BasicImage<float> output(size.width, size.height);
  context.Operators().ApplyOverview(output, levels, stage.BorderMode() != 0);
}

void RenderOverview(OrvRunContext& context) { context.Operators().RebuildCurveTable(); }

}  // namespace orv
