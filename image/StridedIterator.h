#pragma once

#include <boost/iterator/iterator_adaptor.hpp>

#include <cstddef>

namespace orv {
namespace detail {

/// Random-access counting iterator over int with a rational stride
/// step + numerator / denominator.
///
/// The remainder stays in 0 … denominator − 1; an increment subtracts the
/// numerator from it and carries one into the base when it goes negative.
/// Two iterators are equal when base and remainder are; the distance is the
/// number of increments leading from one to the other.
class strided_iterator
    : public boost::iterator_adaptor<strided_iterator, int, int, boost::random_access_traversal_tag,
                                     const int&, std::ptrdiff_t> {
public:
    strided_iterator();
    /// Throws vigra::PreconditionViolation unless 1 ≤ denominator, 0 ≤ numerator
    /// and 0 ≤ remainder < denominator.
    explicit strided_iterator(int base, int step = 1, int numerator = 0, int denominator = 1,
                              int remainder = 0);

    /// Keeps the base; replaces the stride (same checks as the constructor).
    void SetStride(int step, int numerator, int denominator, int remainder);

    int Step() const { return step_; }
    int Numerator() const { return numerator_; }
    int Denominator() const { return denominator_; }
    int Remainder() const { return remainder_; }

private:
    friend class boost::iterator_core_access;

    const int& dereference() const { return base_reference(); }
    void increment();
    void decrement();
    void advance(std::ptrdiff_t n);
    std::ptrdiff_t distance_to(const strided_iterator& other) const;
    bool equal(const strided_iterator& other) const;

    int step_ = 1;
    int numerator_ = 0;
    int denominator_ = 1;
    int remainder_ = 0;
};

} // namespace detail
} // namespace orv
