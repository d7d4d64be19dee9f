// orvelline: runs the Orvelline filter plug-in on an image file, the way a host
// application does, and writes the result.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "hostapp/CommandLine.h"
#include "hostapp/FilterHost.h"
#include "hostapp/ImageFiles.h"
#include "hostapp/OutputFile.h"
#include "hostapp/PluginLoader.h"
#include "hostapp/SampleScene.h"

namespace {

using namespace orvhost;

std::atomic<FilterHost*> gRunningHost{nullptr};

void OnInterrupt(int) {
  // The first interrupt asks the plug-in to cancel; a second one ends the program.
  if (FilterHost* host = gRunningHost.load()) host->RequestAbort();
  std::signal(SIGINT, SIG_DFL);
}

int Fail(const std::string& subject, const std::string& message) {
  std::cerr << "orvelline: " << (subject.empty() ? "" : subject + ": ") << message << "\n";
  return kExitError;
}

// A progress bar on stderr, fed by the plug-in's channel writes.
class ProgressBar {
 public:
  ProgressBar(bool enabled, const Document& document)
      : enabled_(enabled), total_(3.0 * document.Width() * document.Height()) {}
  void Add(const OrvRect32& rect) {
    if (!enabled_) return;
    done_ += double(rect.right - rect.left) * (rect.bottom - rect.top);
    const int percent = static_cast<int>(100.0 * done_ / total_);
    if (percent == shown_) return;
    shown_ = percent;
    const int filled = percent * 30 / 100;
    std::fprintf(stderr, "\rorvelline: [%.*s%*s] %3d%%", filled, "##############################", 30 - filled, "",
                 percent);
    std::fflush(stderr);
  }
  void End() {
    if (enabled_ && shown_ >= 0) std::fputc('\n', stderr);
  }

 private:
  bool enabled_;
  double total_;
  double done_ = 0;
  int shown_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
  std::string usageError;
  const auto line = ParseCommandLine(argc, argv, usageError);
  if (!line) {
    std::cerr << "orvelline: " << usageError << "\nTry 'orvelline --help' for more information.\n";
    return kExitUsage;
  }
  if (line->help) {
    std::cout << UsageText();
    return kExitSuccess;
  }
  if (line->version) {
    std::cout << "orvelline " ORV_VERSION "\n";
    return kExitSuccess;
  }

  const std::string pluginPath = line->plugin.empty() ? FindPlugin(argv[0]) : line->plugin;
  std::unique_ptr<PluginLibrary> plugin;
  try {
    plugin = std::make_unique<PluginLibrary>(pluginPath);
  } catch (const std::exception& e) {
    return Fail(pluginPath, e.what());
  }

  if (line->about) {
    Document placeholder(1, 1, 8);
    FilterHost host(placeholder, {});
    InvokeAbout(plugin->Entries(), host);
    return kExitSuccess;
  }

  const OutputFormat format = OutputFormatFor(line->output);
  if (format.fileType.empty()) {
    std::cerr << "orvelline: " << line->output
              << ": cannot tell the output format from the name (use .exr .hdr .tif .png .ppm .pnm or .jpg)\n";
    return kExitUsage;
  }
  if (!line->input.empty() && SamePath(line->input, line->output))
    return Fail(line->output, "is the input file; refusing to overwrite it");

  std::unique_ptr<OutputFile> output;
  try {
    output = std::make_unique<OutputFile>(line->output);
  } catch (const std::exception& e) {
    return Fail(line->output, e.what());
  }

  Document document;
  try {
    const DecodedImage image = line->input.empty() ? MakeSampleScene() : DecodeImageFile(line->input);
    document = ToDocument(image, line->depth ? line->depth : NaturalDepth(image));
  } catch (const std::exception& e) {
    return Fail(line->input, e.what());
  }

  if (!line->op.empty()) ::setenv("ORVELLINE_OPERATOR", line->op.c_str(), 1);

  HostOptions options;
  options.bigDocument = line->bigDocument;
  FilterHost host(document, options);
  ProgressBar progress(!line->quiet && (line->progress || ::isatty(STDERR_FILENO)), document);
  host.onWrite = [&progress](const OrvRect32& rect) { progress.Add(rect); };

  gRunningHost = &host;
  std::signal(SIGINT, OnInterrupt);
  if (line->mode == RunMode::Replay && line->dialogDuringReplay) host.SupplyDescriptor(kOrvDialogDisplay);
  const RunOutcome outcome = InvokeFilter(plugin->Entries(), host, line->mode);
  std::signal(SIGINT, SIG_DFL);
  gRunningHost = nullptr;
  progress.End();

  if (outcome.result == -128) {
    std::cerr << "orvelline: cancelled; " << line->output << " was not written\n";
    return kExitCancelled;
  }
  if (outcome.result != 0)
    return Fail(line->output, "the plug-in failed (result " + std::to_string(outcome.result) + "); nothing written");

  try {
    WriteDocument(host.Output(), output->TemporaryPath(), format);
    output->Commit();
  } catch (const std::exception& e) {
    return Fail(line->output, e.what());
  }
  return kExitSuccess;
}
