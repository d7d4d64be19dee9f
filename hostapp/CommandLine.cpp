#include "hostapp/CommandLine.h"

#include <cstring>
#include <vector>

namespace orvhost {

std::string UsageText() {
  return
      "Usage: orvelline [OPTIONS] [INPUT] OUTPUT\n"
      "Tone-maps a high-dynamic-range image with the Orvelline filter plug-in.\n"
      "Without INPUT a built-in sample scene is used.\n"
      "\n"
      "Inputs:  OpenEXR, Radiance HDR, TIFF, PNG, JPEG, PNM.\n"
      "Outputs: chosen by OUTPUT's extension: .exr .hdr (linear float), .tif .png .ppm .pnm\n"
      "         (16 bits unless the document has 8), .jpg (8 bits). A 32-bit document\n"
      "         written to an integer format is encoded to sRGB.\n"
      "\n"
      "Options:\n"
      "  --no-dialog       run with the stored settings, as when the filter is repeated (default)\n"
      "  --dialog          show the filter's dialog\n"
      "  --replay          play the filter back as a recorded action (with --dialog: dialogs on)\n"
      "  --depth 8|16|32   document depth (default: 32 for floating-point files, else the file's own)\n"
      "  --operator NAME   Simplex, Receptor or Compressor (default: Compressor) for a run without\n"
      "                    dialog; passed to the plug-in as ORVELLINE_OPERATOR\n"
      "  --big-document    hand the plug-in 32-bit coordinates\n"
      "  --about           show the plug-in's about window and exit\n"
      "  --plugin PATH     the plug-in library (default: $ORVELLINE_PLUGIN, or beside the program)\n"
      "  --progress        a progress bar on stderr even when it is no terminal\n"
      "  -q, --quiet       no progress bar\n"
      "  -h, --help        show this help and exit\n"
      "  -V, --version     show the version and exit\n"
      "\n"
      "Exit status: 0 success, 1 error, 2 usage error, 3 cancelled.\n";
}

std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error) {
  CommandLine line;
  std::vector<std::string> files;
  bool dialog = false, noDialog = false, replay = false, endOfOptions = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (endOfOptions || arg.empty() || arg[0] != '-' || arg == "-") {
      files.push_back(arg);
    } else if (arg == "--") {
      endOfOptions = true;
    } else if (arg == "-h" || arg == "--help") {
      line.help = true;
    } else if (arg == "-V" || arg == "--version") {
      line.version = true;
    } else if (arg == "--dialog") {
      dialog = true;
    } else if (arg == "--no-dialog") {
      noDialog = true;
    } else if (arg == "--replay") {
      replay = true;
    } else if (arg == "--big-document") {
      line.bigDocument = true;
    } else if (arg == "--about") {
      line.about = true;
    } else if (arg == "-q" || arg == "--quiet") {
      line.quiet = true;
    } else if (arg == "--progress") {
      line.progress = true;
    } else if (arg == "--depth" || arg.rfind("--depth=", 0) == 0 || arg == "--plugin" ||
               arg.rfind("--plugin=", 0) == 0 || arg == "--operator" || arg.rfind("--operator=", 0) == 0) {
      const bool inlineValue = arg.find('=') != std::string::npos;
      const std::string name = inlineValue ? arg.substr(0, arg.find('=')) : arg;
      if (!inlineValue && i + 1 >= argc) {
        error = name + " needs a value";
        return std::nullopt;
      }
      const std::string value = inlineValue ? arg.substr(arg.find('=') + 1) : argv[++i];
      if (name == "--plugin") {
        line.plugin = value;
      } else if (name == "--operator") {
        if (value != "Simplex" && value != "Receptor" && value != "Compressor") {
          error = "--operator must be Simplex, Receptor or Compressor, not '" + value + "'";
          return std::nullopt;
        }
        line.op = value;
      } else if (value == "8" || value == "16" || value == "32") {
        line.depth = std::stoi(value);
      } else {
        error = "--depth must be 8, 16 or 32, not '" + value + "'";
        return std::nullopt;
      }
    } else {
      error = "unknown option '" + arg + "'";
      return std::nullopt;
    }
  }
  if (line.help || line.version) return line;
  if (dialog && noDialog) {
    error = "--dialog and --no-dialog exclude each other";
    return std::nullopt;
  }
  line.mode = replay ? RunMode::Replay : dialog ? RunMode::Dialog : RunMode::NoDialog;
  line.dialogDuringReplay = replay && dialog;
  if (line.about) {
    if (!files.empty()) {
      error = "--about takes no files";
      return std::nullopt;
    }
    return line;
  }
  if (files.empty()) {
    error = "no OUTPUT file given";
    return std::nullopt;
  }
  if (files.size() > 2) {
    error = "too many files: expected [INPUT] OUTPUT";
    return std::nullopt;
  }
  line.output = files.back();
  if (files.size() == 2) line.input = files.front();
  return line;
}

}  // namespace orvhost
