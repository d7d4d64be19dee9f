// Error and warning reports: "Error in <location>: message" on stderr, through a replaceable handler.
#ifndef ORV_ROOTCORE_TERROR_H
#define ORV_ROOTCORE_TERROR_H

#include <cstdarg>

#include "Rtypes.h"

const Int_t kUnset = -1;
const Int_t kPrint = 0;
const Int_t kInfo = 1000;
const Int_t kWarning = 2000;
const Int_t kError = 3000;
const Int_t kBreak = 4000;
const Int_t kSysError = 5000;
const Int_t kFatal = 6000;

/// Reports below this level are dropped (kUnset: none are).
extern Int_t gErrorIgnoreLevel;

typedef void (*ErrorHandlerFunc_t)(int level, Bool_t abort, const char *location, const char *msg);

/// Installs a handler for every report; returns the previous one.
ErrorHandlerFunc_t SetErrorHandler(ErrorHandlerFunc_t newhandler);
ErrorHandlerFunc_t GetErrorHandler();
/// Writes "<Kind> in <location>: msg" (or "<Kind>: msg" without a location) and a newline to stderr.
void DefaultErrorHandler(int level, Bool_t abort, const char *location, const char *msg);

void ErrorHandler(int level, const char *location, const char *fmt, va_list va);
void Error(const char *location, const char *fmt, ...) __attribute__((format(printf, 2, 3)));
void Warning(const char *location, const char *fmt, ...) __attribute__((format(printf, 2, 3)));

#endif
