#include "host/HostRecord.h"

namespace orv {
namespace {
const OrvChannelPortsSuite* gChannelPortsSuite = nullptr;

OrvRect32 Widen(const OrvRect16& r) { return {r.top, r.left, r.bottom, r.right}; }
OrvRect16 Narrow(const OrvRect32& r) {
  return {static_cast<int16_t>(r.top), static_cast<int16_t>(r.left), static_cast<int16_t>(r.bottom),
          static_cast<int16_t>(r.right)};
}
}  // namespace

bool UsesBigCoordinates() {
  return gFilterRecord && gFilterRecord->bigDocumentData &&
         gFilterRecord->bigDocumentData->pluginUsing32BitCoordinates;
}

OrvRect32 FilterRect() {
  if (UsesBigCoordinates()) return gFilterRecord->bigDocumentData->filterRect32;
  return Widen(gFilterRecord->filterRect);
}

void SetInputRect(const OrvRect32& rect) {
  if (UsesBigCoordinates())
    gFilterRecord->bigDocumentData->inRect32 = rect;
  else
    gFilterRecord->inRect = Narrow(rect);
}

void ClearPixelRects() {
  if (UsesBigCoordinates()) {
    OrvBigDocumentRecord* big = gFilterRecord->bigDocumentData;
    big->inRect32 = big->outRect32 = big->maskRect32 = OrvRect32{0, 0, 0, 0};
  } else {
    gFilterRecord->inRect = gFilterRecord->outRect = gFilterRecord->maskRect = OrvRect16{0, 0, 0, 0};
  }
}

void SetResult(int16_t code) {
  if (gResult) *gResult = code;
}

int16_t Result() { return gResult ? *gResult : 0; }

const OrvChannelPortsSuite* ChannelPorts() { return gChannelPortsSuite; }
void SetChannelPorts(const OrvChannelPortsSuite* suite) { gChannelPortsSuite = suite; }

}  // namespace orv
