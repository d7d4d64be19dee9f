#include "image/WindowIterator.h"

#include <algorithm>

namespace orv {
namespace detail {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

window_iterator::window_iterator(int destinationExtent, int sourceExtent, int sample, int window)
    : window_(window)
{
    const int span = sourceExtent - 1;
    const int intervals = destinationExtent - 1;
    if (span <= 0) {
        base_ = 0; // all samples collapse onto the single coordinate
    } else if (intervals <= 0) {
        base_ = sample;
    } else {
        step_ = span / intervals;
        numerator_ = span % intervals;
        denominator_ = intervals;
        // Closed form of `sample` base steps from remainder = denominator.
        const std::int64_t scaled = std::int64_t(sample) * numerator_;
        const std::int64_t carries = FloorDiv(scaled, denominator_);
        base_ = int(std::int64_t(sample) * step_ + carries);
        remainder_ = int(denominator_ - (scaled - carries * denominator_));
    }
    value_ = base_;
}

void window_iterator::NextBase()
{
    base_ += step_;
    remainder_ -= numerator_;
    if (remainder_ <= 0) {
        remainder_ += denominator_;
        base_ += 1;
    }
}

void window_iterator::PreviousBase()
{
    base_ -= step_;
    remainder_ += numerator_;
    if (remainder_ > denominator_) {
        remainder_ -= denominator_;
        base_ -= 1;
    }
}

window_iterator& window_iterator::operator++()
{
    ++offset_;
    ++steps_;
    if (offset_ > window_) {
        const int old = value_;
        do
            NextBase();
        while (base_ <= old);
        offset_ = std::max(old - base_ + 1, -window_);
    }
    value_ = base_ + offset_;
    return *this;
}

window_iterator& window_iterator::operator--()
{
    --offset_;
    --steps_;
    if (offset_ < -window_) {
        const int old = value_;
        do
            PreviousBase();
        while (base_ >= old);
        offset_ = std::min(old - base_ - 1, window_);
    }
    value_ = base_ + offset_;
    return *this;
}

window_iterator& window_iterator::operator+=(std::int64_t n)
{
    for (; n > 0; --n)
        ++*this;
    for (; n < 0; ++n)
        --*this;
    return *this;
}

} // namespace detail
} // namespace orv
