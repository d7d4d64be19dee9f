#pragma once

// The Compressor operator: a local gradient-domain tone mapping on a pyramid
// of base-2 log-luminance levels (coarsest first).
//
//   1. overview run only: rebuild the factor tables, sweep counts and pole
//      table from the parameters (the luminance axis spans the source's
//      [log2 minimum, log2 maximum]);
//   2. attenuation maps Φ_k: large gradients shrink more than small ones;
//   3. divergence of the attenuated gradient field, scaled by the contrast
//      factor of the sample's luminance and of its level;
//   4. coarse-to-fine relaxation of Δu = D, the finest solution sampled at
//      output resolution into the output.
//
// The output again holds log2 luminance; black and white points, the tone
// curve and saturation are applied afterwards by the shared post-processing.

#include "compressor/CompressorParameters.h"
#include "compressor/CompressorTables.h"
#include "image/OrvLevelImage.h"

#include <vigra/basicimage.hxx>

#include <vector>

namespace orv {

/// Maps `pyramid` (a region level list) into `output`, the size of the
/// destination region. Only the overview run writes `tables` (rebuild, and
/// pole values when tables.recomputePoles is set); every other run only
/// reads them and may run concurrently with other non-overview runs.
/// `sourceMinimum` and `sourceMaximum` are the source's smallest positive and
/// largest channel values.
void ApplyCompressor(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& pyramid,
                     bool overviewRun, double sourceMinimum, double sourceMaximum,
                     const CompressorParameters& parameters, CompressorTables& tables);

} // namespace orv
