#pragma once
// The Compressor panel and operator: Compression, Contrast and Smoothing with
// their curves (contrast over frequency, contrast over log2 luminance,
// smoothing over frequency) in collapsible sections, followed by the shared
// post-processing. A collapsed section means the slider counts and its curves
// are ignored.
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>

#include <cstdint>
#include <memory>
#include <vector>

#include "compressor/CompressorParameters.h"
#include "compressor/CompressorTables.h"
#include "mapping/OrvMappingBase.h"
#include "widgets/OrvCollapseButton.h"

class compressorMappingUI : public OrvMappingBase {
 public:
  compressorMappingUI(int x, int y, int w, int h, const char* label = nullptr);
  ~compressorMappingUI() override;

  /// Overview runs (user-interface thread, no other run active) take the
  /// parameters from the widgets and rebuild the tables; every other run only
  /// reads what the last overview took, so tiles may run side by side.
  void ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                     bool overview) override;
  void resize(int x, int y, int w, int h) override;

  // Source statistics and pyramid depth of the loaded image, set by the run.
  /// Smallest positive and largest channel value; also frames the luminance
  /// curve in [log2 minimum, log2 maximum].
  void SetSourceRange(double minimum, double maximum);
  void SetLevelCount(std::uint8_t count) { tables.levelCount = count; }
  void SetRecomputePoles(bool recompute) { tables.recomputePoles = recompute; }

  /// The slider setters: both halves show v; a user change emits paramsChanged.
  void SetCompression(double v);
  /// Also moves the frequency curve by the change, points clamped to the slider's limits.
  void SetContrast(double v);
  /// Also moves the smoothing curve by the change, points clamped to the slider's limits.
  void SetSmoothing(double v);
  void SetContrastCollapsed(bool collapsed);
  void SetSmoothingCollapsed(bool collapsed);
  void SelectContrastPage(orv::ContrastPage page);
  orv::ContrastPage ContrastPage() const;

  /// The parameters the widgets show now.
  orv::CompressorParameters Parameters() const;
  /// What the last overview run took from the widgets.
  const orv::CompressorParameters& AppliedParameters() const { return applied; }
  const orv::CompressorTables& Tables() const { return tables; }
  double SourceMinimum() const { return sourceMinimum; }
  double SourceMaximum() const { return sourceMaximum; }

  void Reset();
  /// Reads "Compressor" of the settings document; nothing without it.
  void Load(const nlohmann::ordered_json& document);
  /// Writes "Compressor" ("ToneMapping", then "PostProcessing") into the document.
  void Save(nlohmann::ordered_json& document) const;

  sigc::signal<void> paramsChanged;
  sigc::signal<void> geometryChanged;

  Fl_Button* defaultsButton;
  Fl_Scroll* parameterArea;
  Orv_Input_Slider* compressionControl;
  OrvCollapseButton* contrastCollapse;
  Orv_Input_Slider* contrastControl;
  Fl_Pack* contrastSection;
  Fl_Tabs* contrastTabs;
  Fl_Group* frequencyPage;
  Fl_Group* luminancePage;
  OrvCurves* frequencyCurve;
  OrvCurvePointLinkage* frequencyLinkage;
  OrvCurves* luminanceCurve;
  OrvCurvePointLinkage* luminanceLinkage;
  OrvCollapseButton* smoothingCollapse;
  Orv_Input_Slider* smoothingControl;
  Fl_Pack* smoothingSection;
  Fl_Group* smoothingGroup;
  OrvCurves* smoothingCurve;
  OrvCurvePointLinkage* smoothingLinkage;
  Orv_Input_Slider* vCyclesControl;
  Orv_Input_Slider* borderControl;
  Orv_Input_Slider* radiusControl;

 private:
  void ConnectSignals();
  void ResetCurve(OrvCurves* curve, OrvCurvePointLinkage* linkage, double y1, double y2, double endY);
  void SetSectionCollapsed(OrvCollapseButton* button, Fl_Pack* section, Fl_Group* curves, bool collapsed);
  /// Adds d to every point's y, clamped to the slider's limits.
  static void ShiftCurve(OrvCurves* curve, double d, const Orv_Input_Slider* limits);
  void AddEndIcons(int x, int y, const Fl_RGB_Image* left, const Fl_RGB_Image* right);

  double previousContrast = 2.0;
  double previousSmoothing = 5.0;
  double sourceMinimum = 0.0;
  double sourceMaximum = 0.0;
  orv::CompressorParameters applied;
  orv::CompressorTables tables;
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons;
};
