#include "hostapp/FilterHost.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace orvhost {

struct HostHandle {
  std::vector<char> bytes;
  int locks = 0;
};

struct DescriptorToken {};

// The C routines reach the one host that serves the current run.
static FilterHost* gHost = nullptr;

struct HostCallbacks {
  static OrvHandle NewHandle(int32_t size) { return gHost->NewHandle(size); }
  static void DisposeHandle(OrvHandle handle) {
    if (!handle) return;
    delete reinterpret_cast<HostHandle*>(handle);
    --gHost->openHandles_;
  }
  static char* LockHandle(OrvHandle handle, uint8_t) {
    if (!handle) return nullptr;
    auto* h = reinterpret_cast<HostHandle*>(handle);
    ++h->locks;
    return h->bytes.data();
  }
  static void UnlockHandle(OrvHandle handle) {
    if (handle) {
      auto* h = reinterpret_cast<HostHandle*>(handle);
      h->locks = std::max(0, h->locks - 1);
    }
  }

  static OrvReadDescriptorToken OpenRead(OrvHandle descriptor, const uint32_t*) {
    return descriptor ? reinterpret_cast<OrvReadDescriptorToken>(new DescriptorToken) : nullptr;
  }
  static int16_t CloseRead(OrvReadDescriptorToken token) {
    delete reinterpret_cast<DescriptorToken*>(token);
    return 0;
  }
  static OrvWriteDescriptorToken OpenWrite() {
    return gHost->options_.writeTokenAvailable ? reinterpret_cast<OrvWriteDescriptorToken>(new DescriptorToken)
                                               : nullptr;
  }
  static int16_t CloseWrite(OrvWriteDescriptorToken token, OrvHandle* descriptor) {
    delete reinterpret_cast<DescriptorToken*>(token);
    *descriptor = gHost->NewHandle(0);
    return 0;
  }

  static int32_t AcquireSuite(const char* name, int32_t version, const void** suite) {
    if (std::strcmp(name, ORV_CHANNEL_PORTS_SUITE) != 0 || version != ORV_CHANNEL_PORTS_SUITE_VERSION) {
      *suite = nullptr;
      return -1;
    }
    *suite = &gHost->channelPorts_;
    ++gHost->suitesHeld_;
    return 0;
  }
  static int32_t ReleaseSuite(const char*, int32_t) {
    --gHost->suitesHeld_;
    return 0;
  }

  static int Plane(OrvChannelReadPort port) { return static_cast<int>(reinterpret_cast<uintptr_t>(port)) - 1; }

  static int32_t LevelBounds(OrvChannelReadPort port, int32_t level, OrvRect32* bounds) {
    if (level != 0 || Plane(port) < 0 || Plane(port) > 2) return -1;
    *bounds = {0, 0, gHost->input_.Height(), gHost->input_.Width()};
    return 0;
  }
  static int32_t ReadPixels(OrvChannelReadPort port, int32_t level, const OrvRect32* rect,
                            const OrvPixelMemoryDesc* destination) {
    if (level != 0) return -1;
    gHost->ReadLevel(Plane(port), *rect, *destination);
    return 0;
  }
  static int32_t WritePixels(OrvChannelWritePort port, const OrvRect32* rect, const OrvPixelMemoryDesc* source) {
    gHost->WriteBase(Plane(port), *rect, *source);
    return 0;
  }
  static int16_t AdvanceState() { return gHost->AdvanceState(); }
  static uint8_t Abort() { return gHost->abortRequested_ ? 1 : 0; }
};

FilterHost::FilterHost(const Document& input, HostOptions options)
    : input_(input), output_(input), options_(options) {
  if (gHost) throw std::logic_error("only one filter host can serve at a time");
  gHost = this;

  handleProcs_ = {HostCallbacks::NewHandle, HostCallbacks::DisposeHandle, HostCallbacks::LockHandle,
                  HostCallbacks::UnlockHandle};
  readProcs_ = {HostCallbacks::OpenRead, HostCallbacks::CloseRead};
  writeProcs_ = {HostCallbacks::OpenWrite, HostCallbacks::CloseWrite};
  descriptorParameters_.playInfo = kOrvDialogDisplay;
  descriptorParameters_.readDescriptorProcs = &readProcs_;
  descriptorParameters_.writeDescriptorProcs = &writeProcs_;
  basic_ = {HostCallbacks::AcquireSuite, HostCallbacks::ReleaseSuite};
  channelPorts_ = {HostCallbacks::LevelBounds, HostCallbacks::ReadPixels, HostCallbacks::WritePixels};
  platform_.hostWindow = options.hostWindow;
  about_.platformData = &platform_;

  static const char* const kNames[3] = {"Red", "Green", "Blue"};
  for (int k = 0; k < 3; ++k) {
    // Ports are plane numbers + 1, so that no port is null.
    auto port = reinterpret_cast<OrvChannelReadPort>(static_cast<uintptr_t>(k + 1));
    channels_[k] = {input.Depth(), port, port, kNames[k], k < 2 ? &channels_[k + 1] : nullptr};
  }
  documentInfo_.targetCompositeChannels = &channels_[0];

  // Documents beyond the 16-bit coordinate range always get 32-bit rectangles.
  const bool big = options.bigDocument || input.Width() > 30000 || input.Height() > 30000;
  big_.pluginUsing32BitCoordinates = big ? 1 : 0;
  big_.filterRect32 = {0, 0, input.Height(), input.Width()};
  if (!big)
    record_.filterRect = {0, 0, static_cast<int16_t>(input.Height()), static_cast<int16_t>(input.Width())};
  record_.planes = 3;
  record_.inputRate = 1 << 16;
  record_.advanceState = HostCallbacks::AdvanceState;
  record_.abortProc = HostCallbacks::Abort;
  record_.handleProcs = &handleProcs_;
  record_.platformData = &platform_;
  record_.descriptorParameters = &descriptorParameters_;
  record_.documentInfo = &documentInfo_;
  record_.sSPBasic = &basic_;
  record_.depth = static_cast<int16_t>(input.Depth());
  record_.bigDocumentData = &big_;
}

FilterHost::~FilterHost() {
  HostCallbacks::DisposeHandle(dataWord_);
  HostCallbacks::DisposeHandle(record_.parameters);
  HostCallbacks::DisposeHandle(descriptorParameters_.descriptor);
  gHost = nullptr;
}

OrvHandle FilterHost::NewHandle(int32_t size) {
  if (size < 0) return nullptr;
  auto* handle = new HostHandle;
  handle->bytes.assign(static_cast<size_t>(std::max(size, 1)), 0);
  ++openHandles_;
  return reinterpret_cast<OrvHandle>(handle);
}

void FilterHost::SupplyDescriptor(int16_t playInfo) {
  if (!descriptorParameters_.descriptor) descriptorParameters_.descriptor = NewHandle(0);
  descriptorParameters_.playInfo = playInfo;
}

OrvRect32 FilterHost::InputRect() const {
  if (big_.pluginUsing32BitCoordinates) return big_.inRect32;
  return {record_.inRect.top, record_.inRect.left, record_.inRect.bottom, record_.inRect.right};
}

// Delivers the input rectangle, given in coordinates of the image reduced by
// the input rate, with the requested planes interleaved. A reduced sample is
// the mean of the full-resolution samples it covers; samples outside the image
// take the padding value.
int16_t FilterHost::AdvanceState() {
  const OrvRect32 rect = InputRect();
  const int width = std::max(0, rect.right - rect.left);
  const int height = std::max(0, rect.bottom - rect.top);
  const int lo = std::max<int>(0, record_.inLoPlane), hi = std::min<int>(2, record_.inHiPlane);
  const int planes = std::max(0, hi - lo + 1);
  const int bytes = input_.BytesPerSample();
  const int rate = std::max(1, static_cast<int>(std::lround(record_.inputRate / 65536.0)));

  record_.inRowBytes = width * planes * bytes;
  inBuffer_.assign(static_cast<size_t>(record_.inRowBytes) * height + 1, 0);
  record_.inData = inBuffer_.data();

  const int padding = std::clamp<int>(record_.inputPadding, 0, 255);
  const float padValue = input_.Depth() == 8 ? padding : input_.Depth() == 16 ? padding * kHostMax16 / 255.0f
                                                                             : padding / 255.0f;
  // Same value layout as the document: write through a one-pixel scratch document.
  Document scratch(1, 1, input_.Depth());
  for (int j = 0; j < height; ++j) {
    unsigned char* row = inBuffer_.data() + static_cast<size_t>(j) * record_.inRowBytes;
    const int y0 = (rect.top + j) * rate;
    for (int i = 0; i < width; ++i) {
      const int x0 = (rect.left + i) * rate;
      for (int p = 0; p < planes; ++p) {
        float value = padValue;
        if (x0 >= 0 && y0 >= 0 && x0 < input_.Width() && y0 < input_.Height()) {
          double sum = 0;
          int count = 0;
          for (int y = y0; y < std::min(y0 + rate, input_.Height()); ++y)
            for (int x = x0; x < std::min(x0 + rate, input_.Width()); ++x, ++count) sum += input_.Value(lo + p, x, y);
          value = static_cast<float>(sum / count);
          if (input_.Depth() != 32) value = std::round(value);
        }
        scratch.SetValue(0, 0, 0, value);
        std::memcpy(row + (static_cast<size_t>(i) * planes + p) * bytes, scratch.Plane(0), bytes);
      }
    }
  }
  return 0;
}

namespace {
// Copies rows between a document plane and plug-in memory, clipped to the image.
template <bool ToDocument, class Doc>
void CopyRect(Doc& document, int plane, const OrvRect32& rect, const OrvPixelMemoryDesc& memory) {
  const int bytes = document.BytesPerSample();
  if (plane < 0 || plane > 2 || memory.depth != document.Depth() || memory.colBits != memory.depth) return;
  const size_t rowBytes = static_cast<size_t>(memory.rowBits) / 8;
  const int top = std::max(0, rect.top), left = std::max(0, rect.left);
  const int bottom = std::min(document.Height(), rect.bottom), right = std::min(document.Width(), rect.right);
  if (right <= left) return;
  for (int y = top; y < bottom; ++y) {
    auto* mem = static_cast<unsigned char*>(memory.data) + (y - rect.top) * rowBytes + (left - rect.left) * bytes;
    const size_t span = static_cast<size_t>(right - left) * bytes;
    if constexpr (ToDocument)
      std::memcpy(document.Sample(plane, left, y), mem, span);
    else
      std::memcpy(mem, document.Sample(plane, left, y), span);
  }
}
}  // namespace

void FilterHost::ReadLevel(int plane, const OrvRect32& rect, const OrvPixelMemoryDesc& destination) const {
  CopyRect<false>(input_, plane, rect, destination);
}

void FilterHost::WriteBase(int plane, const OrvRect32& rect, const OrvPixelMemoryDesc& source) {
  CopyRect<true>(output_, plane, rect, source);
  if (onWrite) onWrite(rect);
}

}  // namespace orvhost
