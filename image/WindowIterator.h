#pragma once

#include <cstdint>

namespace orv {
namespace detail {

/// Walks the level coordinates one axis of a level image holds.
///
/// Destination sample k sits at level coordinate floor(k · (S − 1) / (D − 1))
/// (S the level extent, D the destination extent), so both grids share their
/// end points. Around every sample a window of ±B coordinates is taken; the
/// iterator visits the union of these windows in increasing order, each
/// coordinate once, skipping the gaps where windows do not touch.
///
/// Degenerate grids: with D = 1 the ratio is taken as 1; with S = 1 every
/// sample sits at coordinate 0 and the windows continue in unit steps.
class window_iterator {
public:
    window_iterator() = default;
    /// Iterator at destination sample `sample`, offset 0.
    window_iterator(int destinationExtent, int sourceExtent, int sample, int window);

    int operator*() const { return value_; }

    window_iterator& operator++();
    window_iterator& operator--();
    window_iterator& operator+=(std::int64_t n);
    window_iterator& operator-=(std::int64_t n) { return *this += -n; }

    /// Net number of increments since construction.
    std::int64_t Steps() const { return steps_; }
    int Window() const { return window_; }
    int Offset() const { return offset_; }
    /// Coordinate of the sample whose window is being walked.
    int Base() const { return base_; }

    /// Iterators of one axis are ordered by value, so equal values mean equal positions.
    friend bool operator==(const window_iterator& a, const window_iterator& b)
    {
        return a.value_ == b.value_;
    }
    friend bool operator!=(const window_iterator& a, const window_iterator& b) { return !(a == b); }

private:
    void NextBase();
    void PreviousBase();

    int value_ = 0;
    int window_ = 0;
    int offset_ = 0;
    int base_ = 0;
    int step_ = 1;
    int numerator_ = 0;
    int denominator_ = 1;
    int remainder_ = 1; // 1 … denominator
    std::int64_t steps_ = 0;
};

} // namespace detail
} // namespace orv
