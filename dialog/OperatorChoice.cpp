#include "dialog/OperatorChoice.h"

#include "mapping/SimplexOperator.h"

namespace orv {

std::optional<OperatorKind> OperatorByName(const std::string& name) {
  for (OperatorKind kind : {OperatorKind::Simplex, OperatorKind::Receptor, OperatorKind::Compressor})
    if (name == OperatorName(kind)) return kind;
  return std::nullopt;
}

const char* OperatorName(OperatorKind kind) {
  switch (kind) {
    case OperatorKind::Simplex: return "Simplex";
    case OperatorKind::Receptor: return "Receptor";
    case OperatorKind::Compressor: return "Compressor";
  }
  return "";
}

OperatorChoice::OperatorChoice() { RebuildCurveTable(); }

void OperatorChoice::SetSourceStatistics(double minimum, double maximum, double logAverage) {
  minimum_ = minimum;
  maximum_ = maximum;
  logAverage_ = logAverage;
}

void OperatorChoice::Apply(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                           bool overview) const {
  switch (active) {
    case OperatorKind::Receptor:
      ApplyReceptor(receptor, logAverage_, maximum_, levels, output);
      break;
    case OperatorKind::Compressor:
      ApplyCompressor(output, levels, overview, minimum_, maximum_, compressor, compressorTables_);
      break;
    case OperatorKind::Simplex:
      ApplySimplex(levels, output);
      break;
  }
}

void OperatorChoice::ApplyActive(vigra::BasicImage<float>& output,
                                 const std::vector<OrvLevelImage>& levels) const {
  Apply(output, levels, false);
}

void OperatorChoice::ApplyOverview(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                                   bool recomputePoles) {
  compressorTables_.recomputePoles = recomputePoles;
  Apply(output, levels, true);
  compressorTables_.recomputePoles = false;
  UpdateHistogram(output);
}

void OperatorChoice::UpdateHistogram(const vigra::BasicImage<float>& output) {
  range_ = MeasureOutput(output);
  FillLuminanceHistogram(*luminanceHistogram_.Histogram(), output, range_);
  // An overview without contrast keeps the curve where it was.
  if (range_.dataMax > range_.dataMin) {
    curveStart_ = post.black * range_.dataMin;
    curveEnd_ = post.white * range_.dataMax;
  }
}

void OperatorChoice::RebuildCurveTable() {
  // The default curve: a straight line from black (−8) to white (0).
  const double a = curveStart_, b = curveEnd_;
  const auto line = [a, b](double x) { return b > a ? -8.0 + 8.0 * (x - a) / (b - a) : 0.0; };
  curveTable_ = MakeCurveTable(*luminanceHistogram_.Histogram(), a, b, line);
}

}  // namespace orv
