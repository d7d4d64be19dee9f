#pragma once
// The Receptor panel and operator: adaptive logarithmic mapping with
// Compression and Brightness, followed by the shared post-processing.
#include <FL/Fl_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>

#include "mapping/OrvMappingBase.h"
#include "mapping/ReceptorOperator.h"

class receptorMappingUI : public OrvMappingBase {
 public:
  receptorMappingUI(int x, int y, int w, int h, const char* label = nullptr);
  ~receptorMappingUI() override;

  void ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                     bool overview) override;
  void resize(int x, int y, int w, int h) override;

  void SetLogAverage(double value) { logAverage = value; }
  void SetMaximum(double value) { maximum = value; }
  /// The values shown in the number fields.
  orv::ReceptorParameters Parameters() const;

  void Reset();
  void Load(const nlohmann::ordered_json& operators);
  void Save(nlohmann::ordered_json& operators) const;

  sigc::signal<void> paramsChanged;

  Fl_Button* defaultsButton;
  Fl_Scroll* parameterArea;
  Orv_Input_Slider* compressionControl;
  Orv_Input_Slider* brightnessControl;

 private:
  double logAverage = 0.0;
  double maximum = 0.0;
};
