#include "hostapp/PluginLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace orvhost {
namespace {

template <class T>
void Resolve(void* library, const char* name, T& target) {
  void* symbol = ::dlsym(library, name);
  if (!symbol) throw std::runtime_error(std::string("the plug-in does not export ") + name);
  target = reinterpret_cast<T>(symbol);
}

void WriteDataWords(const PluginEntryPoints& plugin, FilterHost& host, void* record) {
  *plugin.filterRecord = static_cast<OrvFilterRecord*>(record);
  *plugin.dataHandle = host.DataWord();
  *plugin.result = host.ResultWord();
  *plugin.basicSuite = host.BasicSuite();
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  // The plug-in's thread pool outlives the call; unloading its code under the
  // sleeping workers would crash at exit, so the library stays mapped.
  library_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!library_) throw std::runtime_error(std::string("cannot load the plug-in: ") + ::dlerror());
  try {
    Resolve(library_, "gFilterRecord", entries_.filterRecord);
    Resolve(library_, "gDataHandle", entries_.dataHandle);
    Resolve(library_, "gResult", entries_.result);
    Resolve(library_, "sSPBasic", entries_.basicSuite);
    Resolve(library_, "DoParameters", entries_.parameters);
    Resolve(library_, "DoPrepare", entries_.prepare);
    Resolve(library_, "DoStart", entries_.start);
    Resolve(library_, "DoContinue", entries_.proceed);
    Resolve(library_, "DoFinish", entries_.finish);
    Resolve(library_, "DoAbout", entries_.about);
    Resolve(library_, "UnlockHandles", entries_.unlockHandles);
  } catch (...) {
    ::dlclose(library_);
    throw;
  }
}

PluginLibrary::~PluginLibrary() {
  if (library_) ::dlclose(library_);
}

RunOutcome InvokeFilter(const PluginEntryPoints& plugin, FilterHost& host, RunMode mode) {
  RunOutcome outcome;
  // The result word starts at 0 for every call and is read after each one.
  auto call = [&](auto entry) {
    *host.ResultWord() = 0;
    WriteDataWords(plugin, host, host.Record());
    return entry();
  };
  auto failed = [&] {
    outcome.result = *host.ResultWord();
    return outcome.result != 0;
  };

  if (mode == RunMode::NoDialog) {
    // What the host keeps from an earlier invocation: the data handle with the
    // flag off, and the parameters handle it hands to prepare.
    *host.DataWord() = host.NewHandle(1);
    host.Record()->parameters = host.NewHandle(0);
  }
  if (mode == RunMode::Replay) host.SupplyDescriptor(kOrvDialogDontDisplay);

  if (mode == RunMode::Dialog) {
    call(plugin.parameters);
    if (failed()) return outcome;
  }
  call(plugin.prepare);
  if (failed()) return outcome;
  outcome.startStatus = call(plugin.start);
  if (!failed()) {
    call(plugin.proceed);
    outcome.finishStatus = call(plugin.finish);
    failed();
  }
  WriteDataWords(plugin, host, host.Record());
  plugin.unlockHandles();
  return outcome;
}

void InvokeAbout(const PluginEntryPoints& plugin, FilterHost& host) {
  *host.ResultWord() = 0;
  WriteDataWords(plugin, host, host.AboutRecord());
  plugin.about();
}

std::string FindPlugin(const std::string& programPath) {
  if (const char* path = std::getenv("ORVELLINE_PLUGIN"); path && *path) return path;
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) self = fs::absolute(programPath, error);
  const fs::path dir = self.parent_path();
  for (const fs::path& candidate : {dir / "liborvplugin.so", dir / ".." / "lib" / "liborvplugin.so",
                                    dir / ".." / "lib" / "orvelline" / "liborvplugin.so"})
    if (fs::exists(candidate, error)) return candidate.lexically_normal().string();
  return (dir / "liborvplugin.so").string();
}

}  // namespace orvhost
