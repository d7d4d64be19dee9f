#include "dialog/OrvRunContext.h"

OrvRunContext::OrvRunContext() {
  // Tables change only here, on the host's thread, while no render runs.
  stage_.profileChanged.connect([this](const std::string& path) { orv::RebuildColourTables(path, colours_); });
}

void OrvRunContext::ApplyDefaults() { stage_.ResetStage(); }
