#pragma once
// Loads the plug-in the way a host's loader does and drives one invocation:
// write the four data words, then call the entry points in host order.
#include <string>

#include "hostapp/FilterHost.h"

namespace orvhost {

/// Addresses of the plug-in's exports.
struct PluginEntryPoints {
  OrvFilterRecord** filterRecord = nullptr;
  OrvHandle** dataHandle = nullptr;
  int16_t** result = nullptr;
  void** basicSuite = nullptr;
  void (*parameters)() = nullptr;
  void (*prepare)() = nullptr;
  int32_t (*start)() = nullptr;
  void (*proceed)() = nullptr;
  int32_t (*finish)() = nullptr;
  void (*about)() = nullptr;
  void (*unlockHandles)() = nullptr;
};

/// dlopen()s the library; throws std::runtime_error naming the missing piece.
class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;
  const PluginEntryPoints& Entries() const { return entries_; }

 private:
  void* library_ = nullptr;
  PluginEntryPoints entries_;
};

/// How the host invokes the filter.
enum class RunMode {
  Dialog,    // the user chose the filter with its dialog: parameters, prepare, start
  NoDialog,  // the filter is repeated: the host keeps the data handle with the flag off
  Replay,    // an action is played back with dialogs off
};

struct RunOutcome {
  int16_t result = 0;
  int32_t startStatus = 0;
  int32_t finishStatus = 0;
};

RunOutcome InvokeFilter(const PluginEntryPoints& plugin, FilterHost& host, RunMode mode);
void InvokeAbout(const PluginEntryPoints& plugin, FilterHost& host);

/// Where the plug-in is looked for: $ORVELLINE_PLUGIN, then beside the program
/// and in ../lib relative to it.
std::string FindPlugin(const std::string& programPath);

}  // namespace orvhost
