#pragma once
// The level of a region level list that the global operators read: the one
// whose own resolution equals the destination grid.
#include <vigra/basicimage.hxx>

#include <vector>

#include "image/OrvLevelImage.h"

namespace orv {

/// The first level, coarsest first, whose source size equals its destination
/// size. Throws vigra::PreconditionViolation when the list has none.
const OrvLevelImage& OperatorLevel(const std::vector<OrvLevelImage>& levels);

/// Calls rowFunction(const float* samples, float* output, int count) for every
/// row of the level's samples without margins, paired with the output rows from
/// the top-left corner. The output must have the size of the destination region.
template <class RowFunction>
void ForEachCoreRow(const OrvLevelImage& level, vigra::BasicImage<float>& output, RowFunction rowFunction) {
  vigra_precondition(output.width() > 0 && output.height() > 0,
                     "BasicImage::upperLeft(): image must have non-zero size.");
  vigra_precondition(output.width() == level.ColumnCount() && output.height() == level.RowCount(),
                     "ForEachCoreRow(): output size must equal the level's region size.");
  const int firstColumn = -level.XBeginShift();
  const int firstRow = -level.YBeginShift();
  for (int j = 0; j < output.height(); ++j)
    rowFunction(level.Row(firstRow + j) + firstColumn, &output(0, j), output.width());
}

}  // namespace orv
