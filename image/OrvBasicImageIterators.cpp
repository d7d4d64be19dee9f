#include "image/OrvBasicImage.h"

#include <vigra/error.hxx>

#include <new>
#include <typeinfo>

using Oriented = OrvBasicImage::OrientedIterator;
using Strided = OrvBasicImage::StridedIterator;
using Reverse = OrvBasicImage::ReverseIterator;

namespace {

template <class T>
const T& SameClass(const Oriented& other, const char* message)
{
    const T* it = dynamic_cast<const T*>(&other);
    vigra_precondition(it != nullptr, message);
    return *it;
}

boost::reverse_iterator<orv::detail::strided_iterator>& AsBoost(Reverse& it) { return it; }

} // namespace

// Unit-step counter.

const int* Oriented::Get() const { return &position_; }
void Oriented::Advance(std::int64_t n) { position_ = int(position_ + n); }
std::int64_t Oriented::Distance(const Oriented& other) const
{
    const auto& o = SameClass<Oriented>(
        other, "OrientedIterator::Distance(): iterators of different classes.");
    return std::int64_t(position_) - o.position_;
}
void Oriented::Increment() { ++position_; }
void Oriented::Decrement() { --position_; }
bool Oriented::Equal(const Oriented& other) const
{
    return typeid(other) == typeid(Oriented) && other.position_ == position_;
}
std::size_t Oriented::Size() const { return sizeof(Oriented); }
Oriented* Oriented::CopyTo(void* storage) const { return new (storage) Oriented(*this); }

// Forward strided iterator.

const int* Strided::Get() const { return &base(); }
void Strided::Advance(std::int64_t n) { *this += std::ptrdiff_t(n); }
std::int64_t Strided::Distance(const Oriented& other) const
{
    const auto& o = SameClass<Strided>(
        other, "StridedIterator::Distance(): iterators of different classes.");
    return std::int64_t(static_cast<const orv::detail::strided_iterator&>(*this) -
                        static_cast<const orv::detail::strided_iterator&>(o));
}
void Strided::Increment() { ++*this; }
void Strided::Decrement() { --*this; }
bool Strided::Equal(const Oriented& other) const
{
    const auto* o = dynamic_cast<const Strided*>(&other);
    return o != nullptr && static_cast<const orv::detail::strided_iterator&>(*this) ==
                               static_cast<const orv::detail::strided_iterator&>(*o);
}
std::size_t Strided::Size() const { return sizeof(Strided); }
Oriented* Strided::CopyTo(void* storage) const { return new (storage) Strided(*this); }

// Reverse strided iterator: the wrapped iterator is the current coordinate.

const int* Reverse::Get() const { return &base().base(); }
void Reverse::Advance(std::int64_t n) { AsBoost(*this) += std::ptrdiff_t(n); }
std::int64_t Reverse::Distance(const Oriented& other) const
{
    const auto& o = SameClass<Reverse>(
        other, "ReverseIterator::Distance(): iterators of different classes.");
    return std::int64_t(o.base() - base());
}
void Reverse::Increment() { ++AsBoost(*this); }
void Reverse::Decrement() { --AsBoost(*this); }
bool Reverse::Equal(const Oriented& other) const
{
    const auto* o = dynamic_cast<const Reverse*>(&other);
    return o != nullptr && base() == o->base();
}
std::size_t Reverse::Size() const { return sizeof(Reverse); }
Oriented* Reverse::CopyTo(void* storage) const { return new (storage) Reverse(*this); }

// Cursor.

void OrvBasicImage::Traverser::Release::operator()(Oriented* it) const
{
    it->~OrientedIterator();
    ::operator delete(static_cast<void*>(it));
}

OrvBasicImage::Traverser::Owned OrvBasicImage::Traverser::Copy(const Oriented& it)
{
    void* storage = ::operator new(it.Size());
    try {
        return Owned(it.CopyTo(storage));
    } catch (...) {
        ::operator delete(storage);
        throw;
    }
}

OrvBasicImage::Traverser::Traverser(const Oriented& x, const Oriented& y, bool swapped,
                                    Pixel* data, std::ptrdiff_t stride)
    : x_(Copy(x)), y_(Copy(y)), swapped_(swapped), data_(data), stride_(stride)
{
}

OrvBasicImage::Traverser::Traverser(const Traverser& other)
    : x_(other.x_ ? Copy(*other.x_) : nullptr), y_(other.y_ ? Copy(*other.y_) : nullptr),
      swapped_(other.swapped_), data_(other.data_), stride_(other.stride_)
{
}

OrvBasicImage::Traverser::Traverser(Traverser&& other) noexcept = default;

OrvBasicImage::Traverser& OrvBasicImage::Traverser::operator=(const Traverser& other)
{
    if (this != &other) {
        Traverser copy(other);
        *this = std::move(copy);
    }
    return *this;
}

OrvBasicImage::Traverser& OrvBasicImage::Traverser::operator=(Traverser&& other) noexcept = default;

OrvBasicImage::Traverser::~Traverser() = default;
