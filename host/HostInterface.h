#pragma once
// The host interface the plug-in is called through: the filter record and the
// procedures, suites and records it reaches. These are the project's own C
// declarations, named by role; both the plug-in (host/) and the stand-alone
// host (hostapp/) include them, so the layout is whatever both agree on here.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OrvRect16 {
  int16_t top, left, bottom, right;
} OrvRect16;

typedef struct OrvRect32 {
  int32_t top, left, bottom, right;
} OrvRect32;

typedef struct OrvHandleObject* OrvHandle;

/// Host memory handles: relocatable blocks that must be locked to be used.
typedef struct OrvHandleProcs {
  OrvHandle (*newHandle)(int32_t size);
  void (*disposeHandle)(OrvHandle handle);
  char* (*lockHandle)(OrvHandle handle, uint8_t moveHigh);
  void (*unlockHandle)(OrvHandle handle);
} OrvHandleProcs;

typedef struct OrvReadToken* OrvReadDescriptorToken;
typedef struct OrvWriteToken* OrvWriteDescriptorToken;

typedef struct OrvReadDescriptorProcs {
  /// keyArray ends with a 0 entry; returns null when the descriptor cannot be read.
  OrvReadDescriptorToken (*openReadDescriptor)(OrvHandle descriptor, const uint32_t* keyArray);
  int16_t (*closeReadDescriptor)(OrvReadDescriptorToken token);
} OrvReadDescriptorProcs;

typedef struct OrvWriteDescriptorProcs {
  /// Returns null when the host hands out no write token.
  OrvWriteDescriptorToken (*openWriteDescriptor)(void);
  int16_t (*closeWriteDescriptor)(OrvWriteDescriptorToken token, OrvHandle* newDescriptor);
} OrvWriteDescriptorProcs;

/// Values of playInfo and recordInfo.
enum {
  kOrvDialogDontDisplay = 0, /* playInfo: run silently with the stored settings */
  kOrvDialogDisplay = 1,     /* playInfo: show the dialog */
  kOrvDialogOptional = 0     /* recordInfo: the dialog may be skipped on playback */
};

typedef struct OrvDescriptorParameters {
  int16_t playInfo;
  int16_t recordInfo;
  OrvHandle descriptor;
  OrvWriteDescriptorProcs* writeDescriptorProcs;
  OrvReadDescriptorProcs* readDescriptorProcs;
} OrvDescriptorParameters;

/// Suite access by name and version.
typedef struct OrvBasicSuite {
  int32_t (*acquireSuite)(const char* name, int32_t version, const void** suite);
  int32_t (*releaseSuite)(const char* name, int32_t version);
} OrvBasicSuite;

typedef struct OrvChannelPortObject* OrvChannelReadPort;
typedef struct OrvChannelPortObject* OrvChannelWritePort;

/// Where pixels of one channel live in plug-in memory; strides in bits.
typedef struct OrvPixelMemoryDesc {
  void* data;
  int32_t rowBits;
  int32_t colBits;
  int32_t bitOffset;
  int32_t depth;
} OrvPixelMemoryDesc;

#define ORV_CHANNEL_PORTS_SUITE "Photoshop ChannelPorts Suite for Plug-ins"
#define ORV_CHANNEL_PORTS_SUITE_VERSION 3

typedef struct OrvChannelPortsSuite {
  int32_t (*levelBounds)(OrvChannelReadPort port, int32_t level, OrvRect32* bounds);
  int32_t (*readPixelsFromLevel)(OrvChannelReadPort port, int32_t level, const OrvRect32* rect,
                                 const OrvPixelMemoryDesc* destination);
  int32_t (*writePixelsToBaseLevel)(OrvChannelWritePort port, const OrvRect32* rect,
                                    const OrvPixelMemoryDesc* source);
} OrvChannelPortsSuite;

/// One channel of the document; the target composite channels form a list.
typedef struct OrvChannelDesc {
  int32_t depth;
  OrvChannelReadPort readPort;
  OrvChannelWritePort writePort;
  const char* name;
  struct OrvChannelDesc* next;
} OrvChannelDesc;

typedef struct OrvDocumentInfo {
  OrvChannelDesc* targetCompositeChannels;
} OrvDocumentInfo;

/// When pluginUsing32BitCoordinates is set, the 32-bit rectangles replace the 16-bit ones.
typedef struct OrvBigDocumentRecord {
  int32_t pluginUsing32BitCoordinates;
  OrvRect32 filterRect32;
  OrvRect32 inRect32;
  OrvRect32 outRect32;
  OrvRect32 maskRect32;
} OrvBigDocumentRecord;

/// The host's main window: an X11 window id, or 0 when the host has no window.
typedef struct OrvPlatformData {
  uintptr_t hostWindow;
} OrvPlatformData;

/// What gFilterRecord points to during an about request: only the first member is read.
typedef struct OrvAboutRecord {
  OrvPlatformData* platformData;
} OrvAboutRecord;

typedef struct OrvFilterRecord {
  OrvHandle parameters;
  OrvRect16 filterRect;
  int16_t planes;
  OrvRect16 inRect;
  int16_t inLoPlane;
  int16_t inHiPlane;
  int32_t inputRate;    /* 16.16 fixed point: 2.0 delivers every second sample */
  int16_t inputPadding; /* 0 … 255: value of samples outside the image */
  const void* inData;
  int32_t inRowBytes;
  OrvRect16 outRect;
  OrvRect16 maskRect;
  int16_t (*advanceState)(void);
  /* Non-zero once the user asked the host to stop; may be null. */
  uint8_t (*abortProc)(void);
  OrvHandleProcs* handleProcs;
  OrvPlatformData* platformData;
  OrvDescriptorParameters* descriptorParameters;
  OrvDocumentInfo* documentInfo;
  OrvBasicSuite* sSPBasic;
  int16_t depth;
  OrvBigDocumentRecord* bigDocumentData;
} OrvFilterRecord;

#ifdef __cplusplus
}
#endif
