#pragma once
// Keeping the run's images up to date: the source read, and the overview that
// covers the whole image at a reduced size and fixes the image-wide statistics
// the final render relies on.
class OrvRunContext;

namespace orv {

/// The full-resolution read into a pyramid laid out for the filter rectangle;
/// hands the source statistics to the operators.
void ReadSource(OrvRunContext& context);

/// The size of the overview level: the image halved (rounding up) until its
/// smaller side fits the navigator's inner size.
struct OverviewSize {
  int width = 0;
  int height = 0;
};
OverviewSize ChooseOverviewSize(int width, int height, int navigatorInnerSize);

/// Runs the active operator over the whole overview level with the overview flag.
void AnalyseOverview(OrvRunContext& context);
/// The post-processing pass of the overview; rebuilds the curve table the render uses.
void RenderOverview(OrvRunContext& context);

}  // namespace orv
