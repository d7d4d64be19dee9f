#include "image/OrvLevelImage.h"

#include "image/ResampleTaps.h"

#include <vigra/error.hxx>

#include <algorithm>

using orv::detail::window_iterator;

namespace {

struct Axis {
    int beginShift = 0;
    int endShift = 0;
    std::vector<OrvLevelImage::Run> runs;
    std::vector<int> coordinates;
};

// Steps are counted in iterator steps, not coordinates: a step may jump a gap
// between windows, and then it is undone if it crossed the clip limit.
Axis BuildAxis(int destination, int source, int first, int count, int marginBefore,
               int marginAfter, int clipLow, int clipHigh, int window)
{
    Axis axis;
    window_iterator begin(destination, source, first, window);
    while (axis.beginShift > marginBefore && *begin > clipLow) {
        --begin;
        --axis.beginShift;
    }
    if (*begin < clipLow && axis.beginShift < 0) {
        ++begin;
        ++axis.beginShift;
    }

    const int limit = source - 1 + clipHigh;
    window_iterator end(destination, source, first + count - 1, window);
    while (axis.endShift < marginAfter && *end < limit) {
        ++end;
        ++axis.endShift;
    }
    if (*end > limit && axis.endShift > 0) {
        --end;
        --axis.endShift;
    }

    // Values strictly increase, so the walk meets the end value exactly.
    window_iterator it = begin;
    axis.coordinates.push_back(*it);
    while (*it < *end) {
        ++it;
        axis.coordinates.push_back(*it);
    }
    int start = 0;
    const int n = int(axis.coordinates.size());
    for (int i = 0; i + 1 < n; ++i) {
        if (axis.coordinates[i + 1] > axis.coordinates[i] + 1) {
            axis.runs.push_back({start, i + 1});
            start = i + 1;
        }
    }
    axis.runs.push_back({start, n});
    return axis;
}

window_iterator Shifted(int destination, int source, int sample, int window, int shift)
{
    window_iterator it(destination, source, sample, window);
    it += shift;
    return it;
}

} // namespace

OrvLevelImage::OrvLevelImage() = default;

OrvLevelImage::OrvLevelImage(int destinationWidth, int destinationHeight, int firstColumn,
                             int firstRow, int columnCount, int rowCount, int sourceWidth,
                             int sourceHeight, int marginBeforeX, int marginBeforeY,
                             int marginAfterX, int marginAfterY, int clipLowX, int clipLowY,
                             int clipHighX, int clipHighY, int windowX, int windowY,
                             std::uint32_t flags, double zenithValue, double nadirValue,
                             double meanGradient)
    : destinationWidth1_(destinationWidth - 1), destinationHeight1_(destinationHeight - 1),
      firstColumn_(firstColumn), firstRow_(firstRow), columnCount1_(columnCount - 1),
      rowCount1_(rowCount - 1), sourceWidth1_(sourceWidth - 1), sourceHeight1_(sourceHeight - 1),
      marginBeforeX_(marginBeforeX), marginBeforeY_(marginBeforeY), marginAfterX_(marginAfterX),
      marginAfterY_(marginAfterY), clipLowX_(clipLowX), clipLowY_(clipLowY),
      clipHighX_(clipHighX), clipHighY_(clipHighY), windowX_(windowX), windowY_(windowY),
      flags_(flags), zenithValue_(zenithValue), nadirValue_(nadirValue),
      meanGradient_(meanGradient)
{
    vigra_precondition(destinationWidth >= 0 && destinationHeight >= 0 && columnCount >= 0 &&
                           rowCount >= 0 && sourceWidth >= 0 && sourceHeight >= 0,
                       "OrvLevelImage::OrvLevelImage(): extents and counts must be >= 0.");
    vigra_precondition(windowX >= 0 && windowY >= 0,
                       "OrvLevelImage::OrvLevelImage(): windows must be >= 0.");
    vigra_precondition(marginBeforeX <= 0 && marginBeforeY <= 0 && marginAfterX >= 0 &&
                           marginAfterY >= 0,
                       "OrvLevelImage::OrvLevelImage(): margins before must be <= 0, "
                       "margins after >= 0.");

    if (destinationWidth == 0 || destinationHeight == 0 || columnCount == 0 || rowCount == 0 ||
        sourceWidth == 0 || sourceHeight == 0) {
        flags_ = 0;
        return;
    }

    const Axis y = BuildAxis(destinationHeight, sourceHeight, firstRow, rowCount, marginBeforeY,
                             marginAfterY, clipLowY, clipHighY, windowY);
    const Axis x = BuildAxis(destinationWidth, sourceWidth, firstColumn, columnCount,
                             marginBeforeX, marginAfterX, clipLowX, clipHighX, windowX);
    yBeginShift_ = y.beginShift;
    yEndShift_ = y.endShift;
    xBeginShift_ = x.beginShift;
    xEndShift_ = x.endShift;
    // A margin that fitted completely means the region stops short of that edge.
    if (yBeginShift_ == marginBeforeY)
        flags_ &= ~std::uint32_t(ZenithFlag);
    if (yEndShift_ == marginAfterY)
        flags_ &= ~std::uint32_t(NadirFlag);

    xRuns_ = x.runs;
    yRuns_ = y.runs;
    const int width = int(x.coordinates.size());
    const int height = int(y.coordinates.size());
    xmap_.resize(width, 1);
    std::copy(x.coordinates.begin(), x.coordinates.end(), xmap_.begin());
    ymap_.resize(1, height);
    std::copy(y.coordinates.begin(), y.coordinates.end(), ymap_.begin());
    pixels_.resize(width, height);
}

float* OrvLevelImage::Row(int j)
{
    vigra_precondition(!Empty(), "OrvLevelImage::Row(): level has no samples.");
    return pixels_[j];
}

const float* OrvLevelImage::Row(int j) const
{
    vigra_precondition(!Empty(), "OrvLevelImage::Row(): level has no samples.");
    return pixels_[j];
}

window_iterator OrvLevelImage::XBegin() const
{
    return Shifted(DestinationWidth(), SourceWidth(), firstColumn_, windowX_, xBeginShift_);
}

window_iterator OrvLevelImage::XEnd() const
{
    return Shifted(DestinationWidth(), SourceWidth(), firstColumn_ + columnCount1_, windowX_,
                   xEndShift_);
}

window_iterator OrvLevelImage::YBegin() const
{
    return Shifted(DestinationHeight(), SourceHeight(), firstRow_, windowY_, yBeginShift_);
}

window_iterator OrvLevelImage::YEnd() const
{
    return Shifted(DestinationHeight(), SourceHeight(), firstRow_ + rowCount1_, windowY_,
                   yEndShift_);
}

void OrvLevelImage::FillValue(float v)
{
    pixels_.init(v);
}

namespace {

// out[i] = Σ weight · rows[index][i] / divisor over one row of `width` samples.
void ApplyTapToRow(const orv::detail::ResampleTap& tap, const float* const* rows, int width,
                   float* out)
{
    for (int i = 0; i < width; ++i) {
        double sum = 0;
        for (int k = 0; k < tap.count; ++k)
            sum += tap.weight[k] * rows[tap.index[k]][i];
        out[i] = float(sum / tap.divisor);
    }
}

} // namespace

void OrvLevelImage::Resample(const OrvLevelImage& source)
{
    vigra_precondition(!Empty() && !source.Empty(),
                       "OrvLevelImage::Resample(): both levels must have samples.");

    const auto yTaps = orv::detail::ResampleTaps(source.ymap_.data(), source.Height(),
                                                 source.SourceHeight(), ymap_.data(), Height(),
                                                 SourceHeight());
    const auto xTaps =
        orv::detail::ResampleTaps(source.xmap_.data(), source.Width(), source.SourceWidth(),
                                  xmap_.data(), Width(), SourceWidth());

    // Along y: source columns, this level's rows.
    const int sourceWidth = source.Width();
    vigra::BasicImage<float> temp(sourceWidth, Height());
    std::vector<const float*> sourceRows(std::size_t(source.Height()));
    for (int j = 0; j < source.Height(); ++j)
        sourceRows[j] = source.pixels_[j];
    for (int j = 0; j < Height(); ++j)
        ApplyTapToRow(yTaps[j], sourceRows.data(), sourceWidth, temp[j]);

    // Along x, one row at a time; each tap reads single samples of the row.
    for (int j = 0; j < Height(); ++j) {
        const float* in = temp[j];
        float* out = pixels_[j];
        for (int i = 0; i < Width(); ++i) {
            const auto& tap = xTaps[i];
            double sum = 0;
            for (int k = 0; k < tap.count; ++k)
                sum += tap.weight[k] * in[tap.index[k]];
            out[i] = float(sum / tap.divisor);
        }
    }
}
