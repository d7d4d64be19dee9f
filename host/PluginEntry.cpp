// The exported entry points. All pixel work happens inside DoStart; DoContinue
// only ends the host's own rectangle loop.
#include "host/PluginExports.h"

#include <FL/Fl.H>

#include "host/HostRecord.h"
#include "host/ResultCodes.h"
#include "host/RunLifecycle.h"
#include "host/TileRender.h"
#include "platform/i18n.h"

OrvFilterRecord* gFilterRecord = nullptr;
OrvHandle* gDataHandle = nullptr;
int16_t* gResult = nullptr;
void* sSPBasic = nullptr;

namespace {

OrvHandleProcs* HandleProcs() { return gFilterRecord ? gFilterRecord->handleProcs : nullptr; }

// Allocates the 1-byte data handle if the host word is empty, then sets the flag.
void AllocateAndRequestDialog() {
  if (gDataHandle && *gDataHandle == nullptr) {
    OrvHandleProcs* procs = HandleProcs();
    OrvHandle handle = procs ? procs->newHandle(1) : nullptr;
    if (!handle)
      orv::SetResult(orv::kResultOutOfMemory);
    else
      *gDataHandle = handle;
  }
  if (orv::Result() == orv::kResultOk) {
    if (char* flag = orv::LockDataHandle()) *flag = 1;
  }
}

}  // namespace

extern "C" {

void DoParameters(void) {
  orv::BindTextDomain();
  AllocateAndRequestDialog();
}

void DoPrepare(void) {
  orv::BindTextDomain();
  if (gDataHandle && *gDataHandle && gFilterRecord && gFilterRecord->parameters) {
    orv::LockDataHandle();
    return;
  }
  AllocateAndRequestDialog();
}

int32_t DoStart(void) {
  orv::BindTextDomain();
  // Without a flag byte there is nothing to decide the run by: stop here
  // instead of reading a stale pointer from an earlier lock.
  char* flag = orv::LockDataHandle();
  if (!flag) return orv::WriteDescriptor();

  const bool showDialog = orv::ReadDescriptor();

  const void* suite = nullptr;
  OrvBasicSuite* basic = gFilterRecord->sSPBasic;
  if (basic) basic->acquireSuite(ORV_CHANNEL_PORTS_SUITE, ORV_CHANNEL_PORTS_SUITE_VERSION, &suite);
  orv::SetChannelPorts(static_cast<const OrvChannelPortsSuite*>(suite));

  Fl::lock();
  if (showDialog)
    orv::RunDialog();
  else
    orv::MapFullImage(nullptr);
  Fl::unlock();

  if (basic) basic->releaseSuite(ORV_CHANNEL_PORTS_SUITE, ORV_CHANNEL_PORTS_SUITE_VERSION);
  orv::SetChannelPorts(nullptr);

  *flag = 0;
  return orv::WriteDescriptor();
}

void DoContinue(void) {
  if (gFilterRecord) orv::ClearPixelRects();
}

int32_t DoFinish(void) {
  orv::LockDataHandle();
  return orv::WriteDescriptor();
}

void DoAbout(void) {
  // The about window is not built yet; the request is acknowledged and nothing is shown.
  orv::BindTextDomain();
}

void UnlockHandles(void) {
  OrvHandleProcs* procs = HandleProcs();
  if (!procs) return;
  if (gDataHandle && *gDataHandle) procs->unlockHandle(*gDataHandle);
  if (gFilterRecord->parameters) procs->unlockHandle(gFilterRecord->parameters);
}

}  // extern "C"
