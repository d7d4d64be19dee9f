#pragma once

// Data the Compressor derives from its parameters once per overview run and
// reads in every run after it: a contrast factor per pyramid level, a contrast
// factor table over log2 luminance, a sweep count per level and the pole table.
//
//   frequency factor k = (1 + v_k / 10)^k, v_k = Contrast or entry k of the
//                        frequency curve table (entry 0 = bin 1)
//   intensity factor   = 2^(luminance curve, in stops) per table entry, or 1
//   sweeps k           = trunc(Smoothing) or trunc(entry k of the smoothing table + 0.5)
//
// Curve tables are TH1D histograms sampled at bin centres with bin 1 copied
// into the underflow entry and bin N into the overflow entry.

#include "compressor/CompressorParameters.h"
#include "compressor/PoleTable.h"
#include "mapping/ToneCurve.h"
#include "rootcore/TH1.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orv {

/// Contrast factor of each of `levelCount` levels, coarsest first.
std::vector<double> FrequencyFactors(const CompressorParameters& parameters, int levelCount);

/// "contrast_intensity_histogram": 100 bins over the luminance curve's x range,
/// every entry (under- and overflow included) the factor 2^y, or 1 while the
/// contrast section is collapsed. Detached from any directory.
std::unique_ptr<TH1D> IntensityFactorTable(const CompressorParameters& parameters);

/// Relaxation sweeps of each of `levelCount` levels, coarsest first; a
/// negative or non-finite value counts as 0 sweeps.
std::vector<std::int32_t> SweepCounts(const CompressorParameters& parameters, int levelCount);

/// The intensity factor table reduced to what a per-pixel lookup needs; the bin
/// rule is TAxis::FindBin's (0 below the range, N + 1 at or above its top).
class IntensityLookup {
public:
    /// Factor 1 everywhere without a table.
    explicit IntensityLookup(const TH1D* table);

    /// True when every entry holds the same factor, so the lookup can be skipped.
    bool Uniform() const { return uniform_; }
    double UniformFactor() const { return uniformFactor_; }

    double operator()(double h) const
    {
        if (h < xMin_)
            return content_[0];
        if (!(h < xMax_))
            return content_[bins_ + 1];
        // Same expression as the axis, so that values on a bin edge land in the same bin.
        const double pos = bins_ * (h - xMin_) / (xMax_ - xMin_);
        return content_[pos < bins_ ? 1 + int(pos) : bins_];
    }

private:
    double xMin_ = 0.0;
    double xMax_ = 0.0;
    int bins_ = 0;
    const double* content_ = nullptr;
    bool uniform_ = true;
    double uniformFactor_ = 1.0;
};

/// The Compressor's derived state. Rebuilt only by the overview run, read by
/// all other runs; callers never rebuild it while other runs use it.
struct CompressorTables {
    std::uint8_t levelCount = 0;
    std::vector<double> frequencyFactors;
    std::unique_ptr<TH1D> intensityFactorTable;
    std::vector<std::int32_t> sweepCounts;
    PoleTable poleTable;
    /// Set by the caller around the overview run when a pole option is on:
    /// that run's sweeps then compute the pole values and store them.
    bool recomputePoles = false;

    /// Frequency factors, intensity table, sweep counts and a zeroed pole
    /// table, in that order, for `levels` pyramid levels (also the new levelCount).
    void Rebuild(const CompressorParameters& parameters, int levels);

    /// Entry k, or the last entry for a pyramid deeper than the tables; 1
    /// without tables.
    double FrequencyFactor(std::size_t k) const;
};

} // namespace orv
