#pragma once
// The base of the three operator panels: the post-processing every operator
// shares (tone curve between black and white point, saturation), its panel,
// the luminance histogram of the last overview that frames the curve, and the
// curve table the render and the previews read.
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <nlohmann/json.hpp>
#include <sigc++/sigc++.h>
#include <vigra/basicimage.hxx>

#include <functional>
#include <memory>
#include <vector>

#include "TH1.h"
#include "image/LogLuminanceHistogram.h"
#include "image/OrvLevelImage.h"
#include "widgets/OrvCurvePointLinkage.h"
#include "widgets/OrvCurves.h"
#include "widgets/OrvHistogramAxisScaling.h"
#include "widgets/Orv_Histogram_Display.h"
#include "widgets/Orv_Input_Slider.h"

class OrvMappingBase : public Fl_Group, public sigc::trackable {
 public:
  OrvMappingBase(int x, int y, int w, int h, const char* label = nullptr);
  ~OrvMappingBase() override;

  /// The operator entry: writes the log2 result for every sample of the
  /// destination region; with `overview` set the output then frames the curve.
  virtual void ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                             bool overview) = 0;

  void ResetPostProcessing();
  /// After an overview run: output range, histogram, and the curve framed by it.
  void UpdateHistogram(const vigra::BasicImage<float>& output);
  void RebuildCurveTable();
  /// Black and White follow the curve's end points, relative to the data range.
  void UpdateBlackWhite();
  /// The histogram display shows the range between the curve's end points.
  void ShowEndPoints();
  void SetSaturation(double value);

  /// Reads the member `member` ("PostProcessing") of an operator's settings object.
  void LoadPostProcessing(const nlohmann::ordered_json& operatorObject, const char* member);
  /// Appends "PostProcessing" to an operator's settings object.
  void SavePostProcessing(nlohmann::ordered_json& operatorObject) const;

  const TH1D* CurveTable() const { return curveTable.get(); }
  double Saturation() const { return saturationControl->fInput->value(); }
  double BlackFactor() const { return blackFactor; }
  double WhiteFactor() const { return whiteFactor; }
  double DataMin() const { return dataMin; }
  double DataMax() const { return dataMax; }

  sigc::signal<void> mappingChanged;

  /// Opens a row of a parameter column for a 20-pixel slider at y, with room
  /// for its label above; the children keep their size when a pack widens the
  /// row. The caller adds the slider and ends the row.
  static Fl_Group* BeginSliderRow(int x, int y, int width);
  static constexpr int kLabelRoom = 16;
  /// Space between the sections of a parameter column, for their titles.
  static constexpr int kSectionGap = 24;

  Fl_Pack* postPack;
  Orv_Histogram_Display* histogramDisplay;
  OrvCurves* curveEditor;
  OrvHistogramAxisScaling* axisScaling;
  OrvCurvePointLinkage* pointLinkage;
  Orv_Input_Slider* saturationControl;

 protected:
  /// The operator panels' resize: the parameter area stays horizontally centred.
  void ResizeCentred(int x, int y, int w, int h, Fl_Widget* parameterArea);
  /// A hidden or shown divider line across the panel at y.
  static void AddDivider(int y, int width, bool shown);

  /// The frame every operator page shares: the page group, the hidden top
  /// divider, the "Defaults" button, the shown divider, and the vertical
  /// scroll area with its column pack (left open for the operator's sections;
  /// the first gets room for its title).
  struct OperatorPage {
    Fl_Group* page;
    Fl_Button* defaults;
    Fl_Scroll* area;
    Fl_Pack* column;
  };
  static OperatorPage BeginOperatorPage(int pageHeight, const char* defaultsTooltip, int areaX, int areaY,
                                        int areaHeight);
  /// Closes the column with `postPack` as its last entry, then the page with a
  /// hidden resize box at (resizeX, resizeY); the panel is its own resizable.
  void EndOperatorPage(const OperatorPage& page, int resizeX, int resizeY);
  /// What the page's "Defaults" button does (reset, then notify once).
  void ConnectDefaults(Fl_Button* button, std::function<void()> reaction);

 private:
  Fl_Pack* layoutPack;
  LogLuminanceHistogram luminanceHistogram;
  std::unique_ptr<TH1D> curveTable;
  double blackFactor = 1.0;
  double whiteFactor = 1.0;
  double dataMin = 0.0;
  double dataMax = 0.0;
  std::function<void()> defaultsReaction;
};
