#include "host/RunLifecycle.h"

#include "host/HostRecord.h"
#include "host/ResultCodes.h"
#include "host/TileRender.h"

namespace orv {
namespace {
char* gFlag = nullptr;
}

char* LockDataHandle() {
  if (!gDataHandle || *gDataHandle == nullptr) {
    SetResult(kResultNoDataHandle);
    gFlag = nullptr;
    return nullptr;
  }
  OrvHandleProcs* procs = gFilterRecord ? gFilterRecord->handleProcs : nullptr;
  gFlag = procs ? procs->lockHandle(*gDataHandle, 1) : nullptr;
  if (!gFlag) SetResult(kResultOutOfMemory);
  return gFlag;
}

char* ShowDialogFlag() { return gFlag; }

bool ReadDescriptor() {
  bool show = gFlag && *gFlag == 1;
  OrvDescriptorParameters* params = gFilterRecord->descriptorParameters;
  if (!params || !params->readDescriptorProcs) return show;
  if (!params->descriptor) return show;

  static const uint32_t kNoKeys[] = {0};
  OrvReadDescriptorToken token = params->readDescriptorProcs->openReadDescriptor(params->descriptor, kNoKeys);
  if (token) {
    params->readDescriptorProcs->closeReadDescriptor(token);
    gFilterRecord->handleProcs->disposeHandle(params->descriptor);
    params->descriptor = nullptr;
  }
  // Playback decides: the dialog shows exactly when the host asks for it.
  return params->playInfo == kOrvDialogDisplay;
}

int32_t WriteDescriptor() {
  if (!gFilterRecord) return 0;
  OrvDescriptorParameters* params = gFilterRecord->descriptorParameters;
  if (!params || !params->writeDescriptorProcs) return 0;
  OrvWriteDescriptorToken token = params->writeDescriptorProcs->openWriteDescriptor();
  if (!token) return kStatusNoWriteToken;
  gFilterRecord->handleProcs->disposeHandle(params->descriptor);
  params->descriptor = nullptr;
  params->writeDescriptorProcs->closeWriteDescriptor(token, &params->descriptor);
  params->recordInfo = kOrvDialogOptional;
  return 0;
}

void RunDialog() {
  // Until the main dialog exists, the interactive run renders with the stored
  // settings exactly like the run without dialog.
  SetResult(kResultOk);
  MapFullImage(nullptr);
}

}  // namespace orv
