#pragma once
// The three operator panels, which are at the same time the operators, and
// which of them is active. The run without dialog builds them without ever
// showing them; the render asks the active one to map and post-process.
#include <vigra/basicimage.hxx>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compressor/compressorMappingUI.h"
#include "image/OrvLevelImage.h"
#include "mapping/receptorMappingUI.h"
#include "mapping/simplexMappingUI.h"

namespace orv {

enum class OperatorKind { Simplex, Receptor, Compressor };

/// "Simplex", "Receptor" or "Compressor"; nothing for any other name.
std::optional<OperatorKind> OperatorByName(const std::string& name);
const char* OperatorName(OperatorKind kind);

class OperatorChoice {
 public:
  OperatorChoice();
  ~OperatorChoice();

  OperatorKind active = OperatorKind::Compressor;

  simplexMappingUI& Simplex() { return *simplex_; }
  receptorMappingUI& Receptor() { return *receptor_; }
  compressorMappingUI& Compressor() { return *compressor_; }
  OrvMappingBase& Active();
  const OrvMappingBase& Active() const;

  /// The source statistics the operators scale by, from the full-resolution read.
  void SetSourceStatistics(double minimum, double maximum, double logAverage);

  /// Runs the active operator into `output` (the destination region's size).
  /// Render workers call it concurrently: outside the overview run the
  /// operators only read their settings.
  void ApplyActive(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels);
  /// The overview run: the active operator, then its output frames the tone
  /// curve. The Compressor derives its tables here, and its pole values when
  /// the image is a panorama with poles.
  void ApplyOverview(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                     bool recomputePoles);

  /// Tabulates the active operator's tone curve for the render.
  void RebuildCurveTable() { Active().RebuildCurveTable(); }
  const TH1D& CurveTable() const { return *Active().CurveTable(); }
  double Saturation() const { return Active().Saturation(); }

 private:
  std::unique_ptr<simplexMappingUI> simplex_;
  std::unique_ptr<receptorMappingUI> receptor_;
  std::unique_ptr<compressorMappingUI> compressor_;
};

}  // namespace orv
