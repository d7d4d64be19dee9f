#include "image/StridedIterator.h"

#include <vigra/error.hxx>

#include <cstdint>

namespace orv {
namespace detail {

namespace {

void CheckStride(int numerator, int denominator, int remainder)
{
    vigra_precondition(denominator >= 1 && numerator >= 0 && remainder >= 0 &&
                           remainder < denominator,
                       "strided_iterator::SetStride(): need 0 <= remainder < denominator and "
                       "numerator >= 0.");
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

strided_iterator::strided_iterator() : iterator_adaptor_(0) {}

strided_iterator::strided_iterator(int base, int step, int numerator, int denominator, int remainder)
    : iterator_adaptor_(base)
{
    SetStride(step, numerator, denominator, remainder);
}

void strided_iterator::SetStride(int step, int numerator, int denominator, int remainder)
{
    CheckStride(numerator, denominator, remainder);
    step_ = step;
    numerator_ = numerator;
    denominator_ = denominator;
    remainder_ = remainder;
}

void strided_iterator::increment()
{
    base_reference() += step_;
    remainder_ -= numerator_;
    if (remainder_ < 0) {
        remainder_ += denominator_;
        base_reference() += 1;
    }
}

void strided_iterator::decrement()
{
    base_reference() -= step_;
    remainder_ += numerator_;
    if (remainder_ >= denominator_) {
        remainder_ -= denominator_;
        base_reference() -= 1;
    }
}

void strided_iterator::advance(std::ptrdiff_t n)
{
    // Same result as |n| single steps; the carry is folded in one division.
    std::int64_t base = base_reference() + std::int64_t(n) * step_;
    std::int64_t rem = remainder_ - std::int64_t(n) * numerator_;
    const std::int64_t carry = FloorDiv(rem, denominator_);
    rem -= carry * denominator_;
    base -= carry;
    base_reference() = int(base);
    remainder_ = int(rem);
}

std::ptrdiff_t strided_iterator::distance_to(const strided_iterator& other) const
{
    // base · d − remainder grows by step · d + numerator per increment.
    const std::int64_t stride = std::int64_t(step_) * denominator_ + numerator_;
    const std::int64_t here = std::int64_t(base_reference()) * denominator_ - remainder_;
    const std::int64_t there = std::int64_t(other.base_reference()) * denominator_ - other.remainder_;
    if (stride == 0)
        return 0; // a zero stride never moves: every position is the same
    return std::ptrdiff_t((there - here) / stride);
}

bool strided_iterator::equal(const strided_iterator& other) const
{
    return base_reference() == other.base_reference() && remainder_ == other.remainder_;
}

} // namespace detail
} // namespace orv
