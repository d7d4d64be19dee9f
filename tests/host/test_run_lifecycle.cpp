// The show-dialog flag, the scripting descriptor and the result codes of one
// invocation, driven call by call as a host does.
#include <gtest/gtest.h>

#include "host/HostRecord.h"
#include "host/ResultCodes.h"
#include "host/RunLifecycle.h"
#include "host/LinkedPlugin.h"

namespace {

using orvhost::Document;
using orvhost::FilterHost;

class Invocation : public ::testing::Test {
 protected:
  Document document = PatternDocument(4, 3, 8);
  std::unique_ptr<FilterHost> host;
  orvhost::PluginEntryPoints plugin = LinkedPlugin();

  void SetUp() override { MakeHost({}); }
  void MakeHost(orvhost::HostOptions options) {
    host.reset();
    host = std::make_unique<FilterHost>(document, options);
  }
  // One entry point with freshly written data words and a zero result word.
  template <class Entry>
  auto Call(Entry entry) {
    *host->ResultWord() = 0;
    gFilterRecord = host->Record();
    gDataHandle = host->DataWord();
    gResult = host->ResultWord();
    sSPBasic = host->BasicSuite();
    return entry();
  }
  char Flag() { return *host->Record()->handleProcs->lockHandle(*host->DataWord(), 1); }
  void SetFlag(char value) { *host->Record()->handleProcs->lockHandle(*host->DataWord(), 1) = value; }
};

TEST_F(Invocation, ParametersAllocatesTheOneByteHandleAndRequestsTheDialog) {
  ASSERT_EQ(*host->DataWord(), nullptr);
  Call(DoParameters);
  EXPECT_EQ(*host->ResultWord(), 0);
  ASSERT_NE(*host->DataWord(), nullptr);
  EXPECT_EQ(Flag(), 1);
  Call(DoStart);
  EXPECT_EQ(Flag(), 0) << "the end of a start clears the flag";
}

TEST_F(Invocation, PrepareKeepsTheFlagOnlyWhenTheHostSuppliesParameters) {
  struct Case {
    bool parametersHandle;
    char flagBefore;
    char flagAfter;
  } cases[] = {{true, 0, 0}, {true, 1, 1}, {false, 0, 1}};
  for (const Case& c : cases) {
    MakeHost({});
    *host->DataWord() = host->NewHandle(1);
    SetFlag(c.flagBefore);
    if (c.parametersHandle) host->Record()->parameters = host->NewHandle(0);
    Call(DoPrepare);
    EXPECT_EQ(Flag(), c.flagAfter) << "parameters handle " << c.parametersHandle << ", flag " << int(c.flagBefore);
  }
}

TEST_F(Invocation, PlaybackInfoOfAHostDescriptorOverridesTheFlag) {
  struct Case {
    bool descriptor;
    int16_t playInfo;
    char flag;
    bool dialog;
  } cases[] = {
      {false, kOrvDialogDontDisplay, 1, true},  // no descriptor: the flag decides
      {false, kOrvDialogDontDisplay, 0, false},
      {true, kOrvDialogDontDisplay, 1, false},  // dialogs off during playback
      {true, kOrvDialogDisplay, 0, true},       // dialogs on during playback
      {true, 2, 1, false},                      // silent playback
  };
  for (const Case& c : cases) {
    MakeHost({});
    *host->DataWord() = host->NewHandle(1);
    SetFlag(c.flag);
    if (c.descriptor) host->SupplyDescriptor(c.playInfo);
    gFilterRecord = host->Record();
    gDataHandle = host->DataWord();
    gResult = host->ResultWord();
    ASSERT_NE(orv::LockDataHandle(), nullptr);
    EXPECT_EQ(orv::ReadDescriptor(), c.dialog) << "descriptor " << c.descriptor << ", play info " << c.playInfo
                                              << ", flag " << int(c.flag);
    if (c.descriptor) {
      EXPECT_EQ(host->Record()->descriptorParameters->descriptor, nullptr) << "read and disposed";
    }
  }
}

TEST_F(Invocation, WriteDescriptorHandsAnEmptyDescriptorBackOrReportsAMissingToken) {
  Call(DoParameters);
  EXPECT_EQ(Call(DoFinish), 0);
  EXPECT_NE(host->Record()->descriptorParameters->descriptor, nullptr);
  EXPECT_EQ(host->Record()->descriptorParameters->recordInfo, kOrvDialogOptional);

  orvhost::HostOptions noToken;
  noToken.writeTokenAvailable = false;
  MakeHost(noToken);
  Call(DoParameters);
  EXPECT_EQ(Call(DoFinish), orv::kStatusNoWriteToken);
  EXPECT_EQ(*host->ResultWord(), 0) << "the write status never becomes the result";
}

TEST_F(Invocation, StartWithoutDataHandleStopsWithoutTouchingPixels) {
  int writes = 0;
  host->onWrite = [&](const OrvRect32&) { ++writes; };
  Call(DoStart);
  EXPECT_EQ(*host->ResultWord(), orv::kResultNoDataHandle);
  EXPECT_EQ(writes, 0);
  EXPECT_EQ(host->SuitesHeld(), 0);
}

TEST_F(Invocation, HandleThatCannotBeLockedIsOutOfMemory) {
  *host->DataWord() = host->NewHandle(1);
  OrvHandleProcs procs = *host->Record()->handleProcs;
  procs.lockHandle = [](OrvHandle, uint8_t) -> char* { return nullptr; };
  host->Record()->handleProcs = &procs;
  int writes = 0;
  host->onWrite = [&](const OrvRect32&) { ++writes; };
  Call(DoStart);
  EXPECT_EQ(*host->ResultWord(), orv::kResultOutOfMemory);
  EXPECT_EQ(writes, 0);
}

TEST_F(Invocation, StartAcquiresAndReleasesTheChannelPortsSuite) {
  Call(DoParameters);
  Call(DoStart);
  EXPECT_EQ(*host->ResultWord(), 0);
  EXPECT_EQ(host->SuitesHeld(), 0);
}

TEST_F(Invocation, ContinueClearsTheRectanglesOfTheCoordinateSizeInUse) {
  for (const bool big : {false, true}) {
    orvhost::HostOptions options;
    options.bigDocument = big;
    MakeHost(options);
    OrvFilterRecord* record = host->Record();
    const OrvRect16 someRect16{1, 2, 3, 4};
    const OrvRect32 someRect32{1, 2, 3, 4};
    record->inRect = record->outRect = record->maskRect = someRect16;
    record->bigDocumentData->inRect32 = record->bigDocumentData->outRect32 = record->bigDocumentData->maskRect32 =
        someRect32;
    Call(DoContinue);
    const OrvRect16 rect16 = record->outRect;
    const OrvRect32 rect32 = record->bigDocumentData->outRect32;
    EXPECT_EQ(rect16.bottom == 0 && rect16.right == 0 && record->inRect.right == 0 && record->maskRect.right == 0,
              !big)
        << "big " << big;
    EXPECT_EQ(rect32.bottom == 0 && rect32.right == 0 && record->bigDocumentData->inRect32.right == 0 &&
                  record->bigDocumentData->maskRect32.right == 0,
              big)
        << "big " << big;
  }
}

TEST_F(Invocation, UnlockHandlesUnlocksDataAndParameters) {
  *host->DataWord() = host->NewHandle(1);
  host->Record()->parameters = host->NewHandle(0);
  Call(DoPrepare);
  Call(UnlockHandles);  // must not touch anything else; the handles stay valid
  EXPECT_EQ(Flag(), 0);
}

}  // namespace
