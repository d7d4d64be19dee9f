#include "TError.h"

#include <atomic>
#include <cstdio>
#include <vector>

Int_t gErrorIgnoreLevel = kUnset;

namespace {
std::atomic<ErrorHandlerFunc_t> gErrorHandler{DefaultErrorHandler};

const char *KindOf(int level)
{
   if (level >= kFatal) return "Fatal";
   if (level >= kSysError) return "SysError";
   if (level >= kBreak) return "*** Break ***";
   if (level >= kError) return "Error";
   if (level >= kWarning) return "Warning";
   if (level >= kInfo) return "Info";
   return "Print";
}
} // namespace

ErrorHandlerFunc_t SetErrorHandler(ErrorHandlerFunc_t newhandler)
{
   return gErrorHandler.exchange(newhandler ? newhandler : DefaultErrorHandler);
}

ErrorHandlerFunc_t GetErrorHandler() { return gErrorHandler.load(); }

void DefaultErrorHandler(int level, Bool_t, const char *location, const char *msg)
{
   // One fprintf per report, so that reports from several threads do not interleave.
   if (location && *location)
      std::fprintf(stderr, "%s in <%s>: %s\n", KindOf(level), location, msg ? msg : "");
   else
      std::fprintf(stderr, "%s: %s\n", KindOf(level), msg ? msg : "");
   std::fflush(stderr);
}

void ErrorHandler(int level, const char *location, const char *fmt, va_list va)
{
   if (level < gErrorIgnoreLevel) return;
   va_list copy;
   va_copy(copy, va);
   const int size = std::vsnprintf(nullptr, 0, fmt ? fmt : "", copy);
   va_end(copy);
   std::vector<char> msg(size > 0 ? size + 1 : 1, '\0');
   if (size > 0) std::vsnprintf(msg.data(), msg.size(), fmt, va);
   gErrorHandler.load()(level, kFALSE, location, msg.data());
}

void Error(const char *location, const char *fmt, ...)
{
   va_list va;
   va_start(va, fmt);
   ErrorHandler(kError, location, fmt, va);
   va_end(va);
}

void Warning(const char *location, const char *fmt, ...)
{
   va_list va;
   va_start(va, fmt);
   ErrorHandler(kWarning, location, fmt, va);
   va_end(va);
}
