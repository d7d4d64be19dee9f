#pragma once
// Everything one run owns: created at the start of the dialog run or of the
// render without dialog, destroyed before that function returns. It grows with
// the dialog and the operator panels.
#include "dialog/OperatorChoice.h"
#include "mapping/ColourTables.h"
#include "mapping/OrvMappingStage.h"

class OrvRunContext {
 public:
  /// Connects the stage's profile changes to the colour tables.
  OrvRunContext();
  OrvRunContext(const OrvRunContext&) = delete;
  OrvRunContext& operator=(const OrvRunContext&) = delete;

  /// The settings of a fresh run: the stage's defaults, which make the display
  /// profile the document profile and build the colour tables from it.
  void ApplyDefaults();

  OrvMappingStage& Stage() { return stage_; }
  const OrvMappingStage& Stage() const { return stage_; }
  /// Output tables and display transform of the current document profile.
  const orv::ColourTables& Colours() const { return colours_; }
  /// The operators and the post-processing the render applies.
  orv::OperatorChoice& Operators() { return operators_; }
  const orv::OperatorChoice& Operators() const { return operators_; }

 private:
  // Declared first so that the stage, whose signal reaches the tables, goes first.
  orv::ColourTables colours_;
  OrvMappingStage stage_;
  orv::OperatorChoice operators_;
};
