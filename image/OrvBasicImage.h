#pragma once

#include "image/LogLuminanceHistogram.h"
#include "image/StridedIterator.h"

#include <boost/iterator/reverse_iterator.hpp>
#include <sigc++/trackable.h>
#include <vigra/basicimage.hxx>
#include <vigra/tinyvector.hxx>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

/// Display image: 4-byte pixels (three mantissa bytes and a shared exponent
/// byte) with an EXIF orientation code 1 … 8.
///
/// The image is never copied to show it flipped, rotated or scaled: a pair of
/// cursors walks the stored pixels with iterators whose direction and stride
/// express the orientation and the scale.
class OrvBasicImage : public sigc::trackable {
public:
    using Pixel = vigra::TinyVector<vigra::UInt8, 4>;
    using PixelImage = vigra::BasicImage<Pixel>;

    /// 1-D coordinate iterator with unit step; base of the strided and reverse
    /// iterators. Cursors hold copies made through Size() and CopyTo(), so they
    /// never need to know the concrete class.
    class OrientedIterator {
    public:
        explicit OrientedIterator(int position = 0) : position_(position) {}
        virtual ~OrientedIterator() = default;

        /// Address of the current coordinate.
        virtual const int* Get() const;
        virtual void Advance(std::int64_t n);
        /// Number of increments leading from `other` to this (same concrete class).
        virtual std::int64_t Distance(const OrientedIterator& other) const;
        virtual void Increment();
        virtual void Decrement();
        /// False for an iterator of another concrete class.
        virtual bool Equal(const OrientedIterator& other) const;
        /// Bytes needed to hold a copy of this object.
        virtual std::size_t Size() const;
        /// Copy-constructs this object into `storage` (at least Size() bytes,
        /// suitably aligned) and returns the copy.
        virtual OrientedIterator* CopyTo(void* storage) const;

        int Value() const { return *Get(); }

    private:
        int position_;
    };

    /// Walks coordinates forwards with a rational stride.
    class StridedIterator : public OrientedIterator, public orv::detail::strided_iterator {
    public:
        explicit StridedIterator(const orv::detail::strided_iterator& it = orv::detail::strided_iterator())
            : orv::detail::strided_iterator(it)
        {
        }

        const int* Get() const override;
        void Advance(std::int64_t n) override;
        std::int64_t Distance(const OrientedIterator& other) const override;
        void Increment() override;
        void Decrement() override;
        bool Equal(const OrientedIterator& other) const override;
        std::size_t Size() const override;
        OrientedIterator* CopyTo(void* storage) const override;
    };

    /// Walks coordinates backwards with a rational stride. The wrapped strided
    /// iterator holds the current coordinate itself (no one-past offset), so
    /// use Get() or operator* of this class.
    class ReverseIterator : public OrientedIterator,
                            public boost::reverse_iterator<orv::detail::strided_iterator> {
    public:
        explicit ReverseIterator(const orv::detail::strided_iterator& it = orv::detail::strided_iterator())
            : boost::reverse_iterator<orv::detail::strided_iterator>(it)
        {
        }

        int operator*() const { return *Get(); }

        const int* Get() const override;
        void Advance(std::int64_t n) override;
        std::int64_t Distance(const OrientedIterator& other) const override;
        void Increment() override;
        void Decrement() override;
        bool Equal(const OrientedIterator& other) const override;
        std::size_t Size() const override;
        OrientedIterator* CopyTo(void* storage) const override;
    };

    /// 2-D pixel cursor: owns copies of an x and a y iterator over the stored
    /// image and presents them also as (horizontal, vertical) display axes,
    /// which are (y, x) when the orientation swaps the axes.
    class Traverser {
    public:
        /// A cursor without iterators (see Empty()).
        Traverser() = default;
        Traverser(const OrientedIterator& x, const OrientedIterator& y, bool swapped, Pixel* data,
                  std::ptrdiff_t stride);
        Traverser(const Traverser& other);
        Traverser(Traverser&& other) noexcept;
        Traverser& operator=(const Traverser& other);
        Traverser& operator=(Traverser&& other) noexcept;
        ~Traverser();

        bool Empty() const { return x_ == nullptr; }

        OrientedIterator& X() { return *x_; }
        OrientedIterator& Y() { return *y_; }
        OrientedIterator& Horizontal() { return swapped_ ? *y_ : *x_; }
        OrientedIterator& Vertical() { return swapped_ ? *x_ : *y_; }
        const OrientedIterator& X() const { return *x_; }
        const OrientedIterator& Y() const { return *y_; }
        const OrientedIterator& Horizontal() const { return swapped_ ? *y_ : *x_; }
        const OrientedIterator& Vertical() const { return swapped_ ? *x_ : *y_; }
        bool Swapped() const { return swapped_; }

        Pixel* Data() const { return data_; }
        std::ptrdiff_t Stride() const { return stride_; }
        /// The pixel under the cursor: data + y · stride + x.
        Pixel* Get() const { return data_ + std::ptrdiff_t(y_->Value()) * stride_ + x_->Value(); }
        Pixel& operator*() const { return *Get(); }

        /// Moves along the display axes.
        void MoveColumns(std::int64_t n) { Horizontal().Advance(n); }
        void MoveRows(std::int64_t n) { Vertical().Advance(n); }

    private:
        struct Release {
            void operator()(OrientedIterator* it) const;
        };
        using Owned = std::unique_ptr<OrientedIterator, Release>;
        static Owned Copy(const OrientedIterator& it);

        Owned x_;
        Owned y_;
        bool swapped_ = false;
        Pixel* data_ = nullptr;
        std::ptrdiff_t stride_ = 0;
    };

    /// Upper-left and lower-right cursor; the lower-right one is one step past
    /// the last display column and row. Empty for an invalid orientation.
    struct CornerPair {
        Traverser upperLeft;
        Traverser lowerRight;
        bool Empty() const { return upperLeft.Empty(); }
    };

    /// Zero-filled pixels when both sizes are positive, otherwise no pixels.
    /// Throws vigra::PreconditionViolation on a negative size.
    OrvBasicImage(int width, int height);

    PixelImage& Pixels() { return pixels_; }
    const PixelImage& Pixels() const { return pixels_; }
    int Width() const { return pixels_.width(); }
    int Height() const { return pixels_.height(); }
    bool Empty() const { return pixels_.width() == 0 || pixels_.height() == 0; }

    /// Width and height as displayed (swapped for orientations 5 … 8).
    int OrientedWidth() const;
    int OrientedHeight() const;

    /// Cursor at (0, 0), unit steps, stored orientation. Throws on an image without pixels.
    Traverser Begin();
    /// Corner pair for the current orientation code. Throws on an image
    /// without pixels; empty for a code outside 1 … 8.
    CornerPair OrientedCorners();
    /// Corner pair re-strided so that a display grid of a × b samples covers the
    /// whole oriented image (nearest neighbour, both corners aligned), moved to
    /// display sample (c, d) and spanning e × f samples (limited to a × b).
    /// Throws on an image without pixels or a non-positive grid.
    CornerPair ScaledCorners(int a, int b, int c, int d, int e, int f);

    int Orientation() const { return orientation_; }
    void SetOrientation(int code) { orientation_ = code; }

    /// Log-luminance histograms of the red, green and blue planes (channel 0 … 2).
    LogLuminanceHistogram& Histogram(int channel);
    const LogLuminanceHistogram& Histogram(int channel) const;

    /// Linear value shown as white; the largest float until someone sets it.
    float WhiteLevel() const { return whiteLevel_; }
    void SetWhiteLevel(float v) { whiteLevel_ = v; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& s) { name_ = s; }
    const std::string& ProfileName() const { return profileName_; }
    void SetProfileName(const std::string& s) { profileName_ = s; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& s) { description_ = s; }
    /// Size of the document the image was made from; 0 while unknown.
    int DocumentWidth() const { return documentWidth_; }
    int DocumentHeight() const { return documentHeight_; }
    void SetDocumentSize(int width, int height)
    {
        documentWidth_ = width;
        documentHeight_ = height;
    }

private:
    CornerPair Corners(bool scaled, int a, int b);

    PixelImage pixels_;
    LogLuminanceHistogram histograms_[3];
    float whiteLevel_ = std::numeric_limits<float>::max();
    std::string name_;
    int orientation_ = 1;
    std::string profileName_;
    std::string description_;
    int documentWidth_ = 0;
    int documentHeight_ = 0;
};

/// Owns one OrvBasicImage and deletes it with itself.
class OrvSharedImage {
public:
    OrvSharedImage(int width, int height);
    OrvSharedImage(const OrvSharedImage&) = delete;
    OrvSharedImage& operator=(const OrvSharedImage&) = delete;

    OrvBasicImage& Image() { return *image_; }
    const OrvBasicImage& Image() const { return *image_; }

private:
    std::unique_ptr<OrvBasicImage> image_;
};
