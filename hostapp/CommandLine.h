#pragma once
// The command line of orvelline, in the style of image tools.
#include <optional>
#include <string>

#include "hostapp/PluginLoader.h"

namespace orvhost {

// Exit codes of the program.
constexpr int kExitSuccess = 0;
constexpr int kExitError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 3;

struct CommandLine {
  std::string input;   // empty: the built-in sample scene
  std::string output;  // required unless --about
  RunMode mode = RunMode::NoDialog;
  bool dialogDuringReplay = false;
  int depth = 0;  // 0: the file's natural depth
  bool bigDocument = false;
  bool about = false;
  bool quiet = false;
  bool progress = false;  // a progress bar even when stderr is no terminal
  bool help = false;
  bool version = false;
  std::string plugin;
  std::string op;  // Simplex, Receptor or Compressor; empty: the plug-in's choice
};

/// Parses argv; on a usage error returns nothing and sets `error`.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error);

std::string UsageText();

}  // namespace orvhost
