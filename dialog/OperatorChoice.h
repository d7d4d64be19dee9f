#pragma once
// The three operators with their settings, and the post-processing state that
// the final render reads, for runs in which no operator panel exists. The
// active operator runs on region level lists; the overview run frames the tone
// curve (black at Black × the smallest output, white at White × the largest)
// and the curve table is rebuilt from it.
#include <vigra/basicimage.hxx>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compressor/CompressorOperator.h"
#include "image/LogLuminanceHistogram.h"
#include "image/OrvLevelImage.h"
#include "mapping/ReceptorOperator.h"
#include "mapping/ToneCurve.h"

namespace orv {

enum class OperatorKind { Simplex, Receptor, Compressor };

/// "Simplex", "Receptor" or "Compressor"; nothing for any other name.
std::optional<OperatorKind> OperatorByName(const std::string& name);
const char* OperatorName(OperatorKind kind);

/// Black and white points relative to the overview's output range, and the
/// colour saturation exponent.
struct PostProcessingSettings {
  double black = 1.0;
  double white = 1.0;
  double saturation = 1.0;
};

class OperatorChoice {
 public:
  OperatorChoice();

  OperatorKind active = OperatorKind::Compressor;
  ReceptorParameters receptor;
  CompressorParameters compressor;
  PostProcessingSettings post;

  /// The source statistics the operators scale by, from the full-resolution read.
  void SetSourceStatistics(double minimum, double maximum, double logAverage);

  /// Runs the active operator into `output` (the destination region's size).
  /// Render workers call it concurrently; it only reads the settings.
  void ApplyActive(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels) const;
  /// The overview run: the active operator, then its output frames the tone
  /// curve. The Compressor derives its tables here, and its pole values when
  /// the image is a panorama with poles.
  void ApplyOverview(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                     bool recomputePoles);

  /// Tabulates the tone curve between its end points for the render.
  void RebuildCurveTable();
  const TH1D& CurveTable() const { return *curveTable_; }
  double Saturation() const { return post.saturation; }
  const OutputRange& OverviewRange() const { return range_; }

 private:
  void UpdateHistogram(const vigra::BasicImage<float>& output);
  void Apply(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels, bool overview) const;

  double minimum_ = 0.0, maximum_ = 0.0, logAverage_ = 0.0;
  LogLuminanceHistogram luminanceHistogram_;
  OutputRange range_;
  double curveStart_ = 0.0, curveEnd_ = 1.0;  // x of the curve's end points
  std::unique_ptr<TH1D> curveTable_;
  // Written by the overview run only; render workers read it.
  mutable CompressorTables compressorTables_;
};

}  // namespace orv
