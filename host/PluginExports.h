#pragma once
// The plug-in's exported entry points and data words. The loader writes the four
// data words, then calls one entry point per host request.
#include "host/HostInterface.h"

#ifdef __cplusplus
extern "C" {
#endif

#define ORV_EXPORT __attribute__((visibility("default")))

ORV_EXPORT extern OrvFilterRecord* gFilterRecord; /* during DoAbout: an OrvAboutRecord */
ORV_EXPORT extern OrvHandle* gDataHandle;         /* the host's per-filter data word */
ORV_EXPORT extern int16_t* gResult;
ORV_EXPORT extern void* sSPBasic;

ORV_EXPORT void DoParameters(void);
ORV_EXPORT void DoPrepare(void);
ORV_EXPORT int32_t DoStart(void);
ORV_EXPORT void DoContinue(void);
ORV_EXPORT int32_t DoFinish(void);
ORV_EXPORT void DoAbout(void);
ORV_EXPORT void UnlockHandles(void);

#ifdef __cplusplus
}
#endif
