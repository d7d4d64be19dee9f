// Collects the reports that go through the error handler while it is alive.
#ifndef ORV_TESTS_ROOTCORE_ERROR_CAPTURE_H
#define ORV_TESTS_ROOTCORE_ERROR_CAPTURE_H

#include <string>
#include <vector>

#include "TError.h"

struct Report {
   int level;
   std::string location;
   std::string message;
};

class ErrorCapture {
public:
   ErrorCapture() : fPrevious(SetErrorHandler(&ErrorCapture::Handle)) { Reports().clear(); }
   ~ErrorCapture() { SetErrorHandler(fPrevious); }
   ErrorCapture(const ErrorCapture &) = delete;
   ErrorCapture &operator=(const ErrorCapture &) = delete;

   static std::vector<Report> &Reports()
   {
      static std::vector<Report> reports;
      return reports;
   }

private:
   static void Handle(int level, Bool_t, const char *location, const char *msg)
   {
      Reports().push_back({level, location ? location : "", msg ? msg : ""});
   }
   ErrorHandlerFunc_t fPrevious;
};

#endif
