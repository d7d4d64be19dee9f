#include "mapping/SimplexOperator.h"

#include <algorithm>

#include "mapping/OperatorLevel.h"

namespace orv {

void ApplySimplex(const std::vector<OrvLevelImage>& levels, vigra::BasicImage<float>& output) {
  ForEachCoreRow(OperatorLevel(levels), output,
                 [](const float* in, float* out, int count) { std::copy(in, in + count, out); });
}

}  // namespace orv
