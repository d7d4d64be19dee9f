#pragma once

#include "image/WindowIterator.h"

#include <vigra/basicimage.hxx>

#include <cstdint>
#include <vector>

/// One level of a base-2 log-luminance pyramid, or the region of a level that a
/// tile or preview needs, plus a margin of real samples around it.
///
/// The level is sampled on a destination grid: destination sample k of an axis
/// sits at level coordinate floor(k · (source extent − 1) / (destination extent − 1)).
/// Around each sample in [first, first + count) a window of ±window coordinates is
/// kept; the margins extend the coordinate sequence by a number of iterator steps
/// before the first and after the last sample, limited by the clip coordinates.
/// Column i of the pixels holds level coordinate XMap()(i, 0), row j holds
/// YMap()(0, j). Runs split the columns (rows) into blocks of consecutive
/// coordinates, so per-pixel loops can walk each block with a plain pointer.
///
/// A pyramid is a std::vector<OrvLevelImage>, coarsest level first.
class OrvLevelImage {
public:
    /// Half-open range [start, end) of column (row) positions with consecutive coordinates.
    struct Run {
        int start;
        int end;
        int Length() const { return end - start; }
    };

    enum : std::uint32_t {
        ZenithFlag = 1u, ///< top edge of the region is the level's top edge, closed by a pole
        NadirFlag = 2u,  ///< the same for the bottom edge
    };

    /// A level with no samples.
    OrvLevelImage();

    /// Extents and counts are plain sizes; margins before are ≤ 0, margins after
    /// ≥ 0; clip high is an offset added to source extent − 1. The pole flags
    /// survive only when the region really reaches that edge of the level.
    /// Throws vigra::PreconditionViolation on negative sizes, windows or
    /// wrongly signed margins. A zero extent or count gives a level without samples.
    OrvLevelImage(int destinationWidth, int destinationHeight, int firstColumn, int firstRow,
                  int columnCount, int rowCount, int sourceWidth, int sourceHeight,
                  int marginBeforeX, int marginBeforeY, int marginAfterX, int marginAfterY,
                  int clipLowX, int clipLowY, int clipHighX, int clipHighY, int windowX,
                  int windowY, std::uint32_t flags, double zenithValue = 0.0,
                  double nadirValue = 0.0, double meanGradient = 0.0);

    /// Sets every sample to v.
    void FillValue(float v);

    /// Overwrites the samples with values interpolated from `source`, a level of
    /// the same image at any resolution: first along y, then along x.
    /// Throws vigra::PreconditionViolation when either level has no samples.
    void Resample(const OrvLevelImage& source);

    // Samples.
    vigra::BasicImage<float>& Pixels() { return pixels_; }
    const vigra::BasicImage<float>& Pixels() const { return pixels_; }
    int Width() const { return pixels_.width(); }
    int Height() const { return pixels_.height(); }
    bool Empty() const { return pixels_.width() == 0 || pixels_.height() == 0; }
    /// Pointer to the first sample of row j; throws on a level without samples.
    float* Row(int j);
    const float* Row(int j) const;

    // Coordinate maps and blocks.
    const std::vector<Run>& XRuns() const { return xRuns_; }
    const std::vector<Run>& YRuns() const { return yRuns_; }
    const vigra::BasicImage<int>& XMap() const { return xmap_; } ///< columns × 1
    const vigra::BasicImage<int>& YMap() const { return ymap_; } ///< 1 × rows

    /// Iterators over the coordinate sequences, already moved into the margins.
    /// The end iterators point at the last coordinate held (inclusive).
    orv::detail::window_iterator XBegin() const;
    orv::detail::window_iterator XEnd() const;
    orv::detail::window_iterator YBegin() const;
    orv::detail::window_iterator YEnd() const;

    // Geometry (extents and counts as plain sizes).
    int DestinationWidth() const { return destinationWidth1_ + 1; }
    int DestinationHeight() const { return destinationHeight1_ + 1; }
    int FirstColumn() const { return firstColumn_; }
    int FirstRow() const { return firstRow_; }
    int ColumnCount() const { return columnCount1_ + 1; }
    int RowCount() const { return rowCount1_ + 1; }
    int SourceWidth() const { return sourceWidth1_ + 1; }
    int SourceHeight() const { return sourceHeight1_ + 1; }
    /// Iterator steps into the margin actually taken (begin ≤ 0, end ≥ 0); the
    /// first destination sample is at column −XBeginShift(), the last one at
    /// Width() − 1 − XEndShift().
    int XBeginShift() const { return xBeginShift_; }
    int YBeginShift() const { return yBeginShift_; }
    int XEndShift() const { return xEndShift_; }
    int YEndShift() const { return yEndShift_; }
    int MarginBeforeX() const { return marginBeforeX_; }
    int MarginBeforeY() const { return marginBeforeY_; }
    int MarginAfterX() const { return marginAfterX_; }
    int MarginAfterY() const { return marginAfterY_; }
    int ClipLowX() const { return clipLowX_; }
    int ClipLowY() const { return clipLowY_; }
    int ClipHighX() const { return clipHighX_; }
    int ClipHighY() const { return clipHighY_; }
    int WindowX() const { return windowX_; }
    int WindowY() const { return windowY_; }

    // Pole flags and level statistics.
    std::uint32_t Flags() const { return flags_; }
    double ZenithValue() const { return zenithValue_; }
    double NadirValue() const { return nadirValue_; }
    double MeanGradient() const { return meanGradient_; }
    void SetZenithValue(double v) { zenithValue_ = v; }
    void SetNadirValue(double v) { nadirValue_ = v; }
    void SetMeanGradient(double v) { meanGradient_ = v; }

private:
    vigra::BasicImage<float> pixels_;
    int destinationWidth1_ = -1;
    int destinationHeight1_ = -1;
    int firstColumn_ = 0;
    int firstRow_ = 0;
    int columnCount1_ = -1;
    int rowCount1_ = -1;
    int xBeginShift_ = 0;
    int yBeginShift_ = 0;
    int xEndShift_ = 0;
    int yEndShift_ = 0;
    int sourceWidth1_ = -1;
    int sourceHeight1_ = -1;
    std::vector<Run> xRuns_;
    std::vector<Run> yRuns_;
    vigra::BasicImage<int> xmap_;
    vigra::BasicImage<int> ymap_;
    int marginBeforeX_ = 0;
    int marginBeforeY_ = 0;
    int marginAfterX_ = 0;
    int marginAfterY_ = 0;
    int clipLowX_ = 0;
    int clipLowY_ = 0;
    int clipHighX_ = 0;
    int clipHighY_ = 0;
    int windowX_ = 0;
    int windowY_ = 0;
    std::uint32_t flags_ = 0;
    double zenithValue_ = 0.0;
    double nadirValue_ = 0.0;
    double meanGradient_ = 0.0;
};
