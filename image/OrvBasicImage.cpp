#include "image/OrvBasicImage.h"

#include <vigra/error.hxx>

#include <algorithm>

namespace {

struct AxisStride {
    int step;
    int numerator;
    int denominator;
    int remainder;
};

// Nearest-neighbour stride that puts `samples` display samples on an axis of
// `extent` coordinates with both ends aligned.
AxisStride NearestStride(int extent, int samples, bool reverse)
{
    const int span = extent - 1;
    const int intervals = samples - 1;
    if (intervals <= 0)
        return {1, 0, 1, 0};
    if (span == 0) {
        // Every sample reads coordinate 0; a stride of 1 / samples keeps the
        // positions distinct so the cursors can still be counted and compared.
        return {0, 1, samples, reverse ? 0 : samples - 1};
    }
    const int numerator = span % intervals;
    return {span / intervals, numerator, intervals, numerator != 0 ? intervals - numerator : 0};
}

bool SwapsAxes(int code) { return code >= 5; }
bool ReversesHorizontal(int code) { return code == 2 || code == 3 || code == 6 || code == 7; }
bool ReversesVertical(int code) { return code == 3 || code == 4 || code == 7 || code == 8; }

} // namespace

OrvBasicImage::OrvBasicImage(int width, int height)
{
    vigra_precondition(width >= 0 && height >= 0,
                       "OrvBasicImage::OrvBasicImage(): width and height must be >= 0.");
    if (width > 0 && height > 0)
        pixels_.resize(width, height, Pixel(0, 0, 0, 0));
}

int OrvBasicImage::OrientedWidth() const
{
    return SwapsAxes(orientation_) ? Height() : Width();
}

int OrvBasicImage::OrientedHeight() const
{
    return SwapsAxes(orientation_) ? Width() : Height();
}

LogLuminanceHistogram& OrvBasicImage::Histogram(int channel)
{
    vigra_precondition(channel >= 0 && channel < 3,
                       "OrvBasicImage::Histogram(): channel must be 0, 1 or 2.");
    return histograms_[channel];
}

const LogLuminanceHistogram& OrvBasicImage::Histogram(int channel) const
{
    vigra_precondition(channel >= 0 && channel < 3,
                       "OrvBasicImage::Histogram(): channel must be 0, 1 or 2.");
    return histograms_[channel];
}

OrvBasicImage::Traverser OrvBasicImage::Begin()
{
    vigra_precondition(!Empty(), "OrvBasicImage::Begin(): image has no pixels.");
    return Traverser(StridedIterator(), StridedIterator(), false, pixels_.begin(), Width());
}

OrvBasicImage::CornerPair OrvBasicImage::OrientedCorners()
{
    vigra_precondition(!Empty(), "OrvBasicImage::OrientedCorners(): image has no pixels.");
    return Corners(false, 0, 0);
}

OrvBasicImage::CornerPair OrvBasicImage::ScaledCorners(int a, int b, int c, int d, int e, int f)
{
    vigra_precondition(!Empty(), "OrvBasicImage::ScaledCorners(): image has no pixels.");
    vigra_precondition(a > 0 && b > 0,
                       "OrvBasicImage::ScaledCorners(): display grid must be at least 1 x 1.");
    CornerPair pair = Corners(true, a, b);
    if (pair.Empty())
        return pair;
    pair.upperLeft.MoveColumns(std::max(c, 0));
    pair.upperLeft.MoveRows(std::max(d, 0));
    pair.lowerRight = pair.upperLeft;
    pair.lowerRight.MoveColumns(std::clamp(e, 0, a));
    pair.lowerRight.MoveRows(std::clamp(f, 0, b));
    return pair;
}

OrvBasicImage::CornerPair OrvBasicImage::Corners(bool scaled, int a, int b)
{
    const int code = orientation_;
    if (code < 1 || code > 8)
        return CornerPair();

    const bool swapped = SwapsAxes(code);
    const bool reverseH = ReversesHorizontal(code);
    const bool reverseV = ReversesVertical(code);
    const int extentH = OrientedWidth();
    const int extentV = OrientedHeight();
    const AxisStride unit{1, 0, 1, 0};
    const AxisStride sh = scaled ? NearestStride(extentH, a, reverseH) : unit;
    const AxisStride sv = scaled ? NearestStride(extentV, b, reverseV) : unit;

    using orv::detail::strided_iterator;
    const StridedIterator forwardH(strided_iterator(0, sh.step, sh.numerator, sh.denominator, sh.remainder));
    const ReverseIterator backwardH(
        strided_iterator(extentH - 1, sh.step, sh.numerator, sh.denominator, sh.remainder));
    const StridedIterator forwardV(strided_iterator(0, sv.step, sv.numerator, sv.denominator, sv.remainder));
    const ReverseIterator backwardV(
        strided_iterator(extentV - 1, sv.step, sv.numerator, sv.denominator, sv.remainder));
    const OrientedIterator& h = reverseH ? static_cast<const OrientedIterator&>(backwardH) : forwardH;
    const OrientedIterator& v = reverseV ? static_cast<const OrientedIterator&>(backwardV) : forwardV;

    CornerPair pair;
    pair.upperLeft = swapped ? Traverser(v, h, true, pixels_.begin(), Width())
                             : Traverser(h, v, false, pixels_.begin(), Width());
    if (!scaled) {
        pair.lowerRight = pair.upperLeft;
        pair.lowerRight.MoveColumns(extentH);
        pair.lowerRight.MoveRows(extentV);
    }
    return pair;
}

OrvSharedImage::OrvSharedImage(int width, int height)
    : image_(std::make_unique<OrvBasicImage>(width, height))
{
}
