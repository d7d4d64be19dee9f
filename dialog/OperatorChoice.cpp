#include "dialog/OperatorChoice.h"

#include <FL/Fl_Group.H>

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

OperatorChoice::OperatorChoice() {
  // Panels of their own, not children of whatever group happens to be open.
  Fl_Group* open = Fl_Group::current();
  Fl_Group::current(nullptr);
  simplex_ = std::make_unique<simplexMappingUI>(0, 25, 416, 350);
  Fl_Group::current(nullptr);
  receptor_ = std::make_unique<receptorMappingUI>(0, 25, 416, 390);
  Fl_Group::current(nullptr);
  compressor_ = std::make_unique<compressorMappingUI>(0, 25, 416, 390);
  Fl_Group::current(open);
  // Every panel has a table from the start, whichever becomes active.
  for (OrvMappingBase* panel : {static_cast<OrvMappingBase*>(simplex_.get()),
                                static_cast<OrvMappingBase*>(receptor_.get()),
                                static_cast<OrvMappingBase*>(compressor_.get())})
    panel->RebuildCurveTable();
}

OperatorChoice::~OperatorChoice() = default;

OrvMappingBase& OperatorChoice::Active() {
  return const_cast<OrvMappingBase&>(static_cast<const OperatorChoice*>(this)->Active());
}

const OrvMappingBase& OperatorChoice::Active() const {
  switch (active) {
    case OperatorKind::Receptor: return *receptor_;
    case OperatorKind::Compressor: return *compressor_;
    case OperatorKind::Simplex: break;
  }
  return *simplex_;
}

void OperatorChoice::SetSourceStatistics(double minimum, double maximum, double logAverage) {
  receptor_->SetLogAverage(logAverage);
  receptor_->SetMaximum(maximum);
  compressor_->SetSourceRange(minimum, maximum);
}

void OperatorChoice::ApplyActive(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels) {
  Active().ApplyOperator(output, levels, false);
}

void OperatorChoice::ApplyOverview(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& levels,
                                   bool recomputePoles) {
  compressor_->SetRecomputePoles(recomputePoles);
  Active().ApplyOperator(output, levels, true);
  compressor_->SetRecomputePoles(false);
}

}  // namespace orv
