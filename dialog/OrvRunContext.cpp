#include "dialog/OrvRunContext.h"

#include <cstdlib>

OrvRunContext::OrvRunContext() {
  // Tables change only here, on the host's thread, while no render runs.
  stage_.profileChanged.connect([this](const std::string& path) { orv::RebuildColourTables(path, colours_); });
}

void OrvRunContext::ApplyDefaults() {
  stage_.ResetStage();
  // Without a dialog the operator comes from ORVELLINE_OPERATOR until the
  // stored settings choose it.
  if (const char* name = std::getenv("ORVELLINE_OPERATOR"))
    if (const auto kind = orv::OperatorByName(name)) operators_.active = *kind;
}
