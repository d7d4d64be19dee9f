#include "TApplication.h"

TApplication *gApplication = nullptr;

TApplication::TApplication(const char *appClassName, Int_t *, char **, void *, Int_t)
   : fAppName(appClassName ? appClassName : "")
{
   gApplication = this;
}

TApplication::~TApplication()
{
   if (gApplication == this) gApplication = nullptr;
}
