#pragma once

// The Compressor's gradient field: attenuation of large log-luminance
// gradients and the contrast-scaled divergence that the solver integrates.
//
// Units: samples are base-2 log luminance (stops); gradients are plain
// differences between samples, not divided by their span.
//
//   G      = sqrt(dx² + dy²), central differences inside a block, one-sided at
//            its edges, the pole value beyond a pole edge
//   α_k    = 0.1 · mean gradient of level k,  β = 1 − 0.01 · Compression
//   Φ_k    = Resample(Φ_{k−1}) · Π_{G > α_k} (G / 2^(n−k))^(β−1) · α_k^(1−β),  Φ_{−1} = 1
//   D      = div(Φ · forward differences of H) · c(H) · f_k
//
// with c the intensity factor table and f_k the frequency factor of level k.
// A sample with G ≤ α keeps its factor, so no gradient magnitude is ever a
// divisor. Factors are rounded to single precision step by step, as the
// results have always been computed.
//
// Every block of a level (one x run by one y run) is treated on its own: its
// edges are the edges of the data, margins included.

#include "compressor/CompressorTables.h"
#include "image/OrvLevelImage.h"

#include <vigra/basicimage.hxx>

#include <vector>

namespace orv {

/// Gradient magnitude of every sample of `level` into `magnitude` (resized to
/// the level's pixel size when it differs). A block of extent 1 along an axis
/// has no difference along it (0).
void GradientMagnitude(const OrvLevelImage& level, vigra::BasicImage<float>& magnitude);

/// One attenuation map per level, coarsest first, each with its level's
/// geometry. Compression 0 gives maps of 1 everywhere.
std::vector<OrvLevelImage> AttenuationMaps(const std::vector<OrvLevelImage>& pyramid,
                                           double compression);

/// Replaces every attenuation map by the contrast-scaled divergence of its
/// level's attenuated gradient field. `maps` must come from AttenuationMaps
/// for the same pyramid. Levels beyond the frequency factors use the last one.
void ContrastScaledDivergence(const std::vector<OrvLevelImage>& pyramid,
                              std::vector<OrvLevelImage>& maps, const CompressorTables& tables);

} // namespace orv
