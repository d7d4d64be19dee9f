#pragma once

// Integration of the Compressor's divergence pyramid back into log2 luminance.
//
// A coarse-to-fine cascade: the coarsest level is relaxed from zero, every
// finer level starts from the interpolated solution of the level above and is
// relaxed its own number of Gauss-Seidel sweeps of the discrete Poisson
// equation Δu = f:
//
//   u(x, y) ← (Σ available neighbours − f(x, y)) · w,   w = 1/2, 1/3, 1/4
//
// for 2, 3 or 4 neighbours (1/3 as its single-precision value). Every block
// of a level is relaxed on its own with zero flux across its edges; a pole
// adds a virtual neighbour above the top (below the bottom) row that holds
// the ring value of the sweep from the pole table. No residual goes back to a
// coarser level: the sweep counts shape the look ("Smoothing"), they are not
// a convergence criterion. Blocks with fewer than 2 samples along an axis are
// left as they are.

#include "compressor/PoleTable.h"
#include "image/OrvLevelImage.h"

#include <vigra/basicimage.hxx>

#include <cstdint>
#include <vector>

namespace orv {

/// One in-place sweep over every block of level k, sweep index s. The pole
/// values are read from `poles`; with `recomputePoles` they are first
/// computed as (stored value + sum of the level's top (bottom) row) / width
/// and written back.
void RelaxSweep(OrvLevelImage& solution, const OrvLevelImage& divergence, std::size_t k,
                std::size_t s, PoleTable& poles, bool recomputePoles);

/// Fills `solution` (cleared first) with one level per divergence level.
/// Level k gets sweepCounts[k] sweeps; a pyramid deeper than `sweepCounts`
/// repeats its last entry, an empty `sweepCounts` means no sweeps.
void CascadeSolve(const std::vector<OrvLevelImage>& divergence,
                  std::vector<OrvLevelImage>& solution,
                  const std::vector<std::int32_t>& sweepCounts, PoleTable& poles,
                  bool recomputePoles);

/// Index of the first level, coarsest first, sampled at output resolution
/// (destination extents equal to source extents); −1 when there is none.
int OutputLevelIndex(const std::vector<OrvLevelImage>& pyramid);

/// Copies the finest solution, resampled to the output-resolution level, into
/// `output` without the margins. Throws vigra::PreconditionViolation when no
/// level is at output resolution or `output` is not the size of its core.
void ExtractSolution(const std::vector<OrvLevelImage>& solution,
                     vigra::BasicImage<float>& output);

} // namespace orv
