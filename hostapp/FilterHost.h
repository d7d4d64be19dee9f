#pragma once
// The host side of the filter interface, served on a document: handles,
// descriptors, suites, the advance-state pixel loop and the channel ports.
// Reads come from the input document, writes go to a separate output
// document, so a tile read never sees pixels that another tile already wrote.
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "host/HostInterface.h"
#include "hostapp/Document.h"

namespace orvhost {

struct HostOptions {
  bool bigDocument = false;          // hand out 32-bit rectangles
  bool writeTokenAvailable = true;   // the scripting system accepts a descriptor
  uintptr_t hostWindow = 0;          // owner of the plug-in's windows
};

class FilterHost {
 public:
  FilterHost(const Document& input, HostOptions options);
  ~FilterHost();
  FilterHost(const FilterHost&) = delete;
  FilterHost& operator=(const FilterHost&) = delete;

  OrvFilterRecord* Record() { return &record_; }
  OrvAboutRecord* AboutRecord() { return &about_; }
  OrvHandle* DataWord() { return &dataWord_; }
  int16_t* ResultWord() { return &result_; }
  OrvBasicSuite* BasicSuite() { return &basic_; }
  const Document& Output() const { return output_; }

  /// A host-owned 1-byte handle, as the host holds it between invocations.
  OrvHandle NewHandle(int32_t size);
  /// Supplies a scripting descriptor, as when an action is played back.
  void SupplyDescriptor(int16_t playInfo);

  /// Called after every channel write, with the rectangle written.
  std::function<void(const OrvRect32&)> onWrite;
  /// The plug-in sees this through its abort check.
  void RequestAbort() { abortRequested_ = true; }

  int SuitesHeld() const { return suitesHeld_; }
  int OpenHandles() const { return openHandles_; }

 private:
  friend struct HostCallbacks;
  OrvRect32 InputRect() const;
  int16_t AdvanceState();
  void WriteBase(int plane, const OrvRect32& rect, const OrvPixelMemoryDesc& source);
  void ReadLevel(int plane, const OrvRect32& rect, const OrvPixelMemoryDesc& destination) const;

  const Document& input_;
  Document output_;
  HostOptions options_;
  OrvFilterRecord record_{};
  OrvAboutRecord about_{};
  OrvPlatformData platform_{};
  OrvHandleProcs handleProcs_{};
  OrvDescriptorParameters descriptorParameters_{};
  OrvReadDescriptorProcs readProcs_{};
  OrvWriteDescriptorProcs writeProcs_{};
  OrvBasicSuite basic_{};
  OrvChannelPortsSuite channelPorts_{};
  OrvBigDocumentRecord big_{};
  OrvDocumentInfo documentInfo_{};
  OrvChannelDesc channels_[3]{};
  OrvHandle dataWord_ = nullptr;
  int16_t result_ = 0;
  std::vector<unsigned char> inBuffer_;
  std::atomic<bool> abortRequested_{false};
  int suitesHeld_ = 0;
  int openHandles_ = 0;
};

}  // namespace orvhost
