#pragma once
// Simplex: the source's log2 luminance passes through unchanged; the whole tone
// mapping is left to the post-processing curve, black and white points and
// saturation.
#include <vigra/basicimage.hxx>

#include <vector>

#include "image/OrvLevelImage.h"

namespace orv {

/// output(x, y) = log2 luminance of the operator level at the same destination sample.
void ApplySimplex(const std::vector<OrvLevelImage>& levels, vigra::BasicImage<float>& output);

}  // namespace orv
