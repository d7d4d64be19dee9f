#pragma once
// The Simplex panel and operator: the source's log2 luminance passes through,
// shaped only by the post-processing.
#include <FL/Fl_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>

#include "mapping/OrvMappingBase.h"

class simplexMappingUI : public OrvMappingBase {
 public:
  simplexMappingUI(int x, int y, int w, int h, const char* label = nullptr);
  ~simplexMappingUI() override;

  void ApplyOperator(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                     bool overview) override;
  void resize(int x, int y, int w, int h) override;

  void Reset();
  void Load(const nlohmann::ordered_json& operators);
  void Save(nlohmann::ordered_json& operators) const;

  sigc::signal<void> paramsChanged;

  Fl_Button* defaultsButton;
  Fl_Scroll* parameterArea;
};
