#pragma once

#include <vector>

namespace orv {
namespace detail {

/// Up to four source positions and their weights for one target sample;
/// the value is sum(weight · v[index]) / divisor.
struct ResampleTap {
    int count = 0;
    int index[4] = {0, 0, 0, 0};
    double weight[4] = {0, 0, 0, 0};
    double divisor = 1;
};

/// One-dimensional resampling taps from sorted source coordinates s[0 … n − 1]
/// of a level with extent A onto target coordinates t[0 … m − 1] of a level with
/// extent T. Sample k stands for the cell centred at s[k] + 0.5; target t maps
/// to c = (A / T) · (t + 0.5).
///
/// - A < T: linear interpolation between the centres on either side of c
///   (the first source sample alone left of the first centre);
/// - A > T: four samples around c, each weighted by L − |centre − c| with L the
///   span of the four (3 : 5 : 5 : 3 for a factor of 2);
/// - A = T: the sample with coordinate t (the nearest one if t is missing).
///
/// Requires n ≥ 1, A ≥ 1 and T ≥ 1.
std::vector<ResampleTap> ResampleTaps(const int* s, int n, int A, const int* t, int m, int T);

} // namespace detail
} // namespace orv
