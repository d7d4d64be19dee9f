// The application object; the first one made becomes gApplication.
#ifndef ORV_ROOTCORE_TAPPLICATION_H
#define ORV_ROOTCORE_TAPPLICATION_H

#include <string>

#include "TObject.h"
#include "TQObject.h"

class TApplication : public TObject, public TQObject {
public:
   /// Becomes gApplication. argc, argv and the options are accepted and not interpreted.
   TApplication(const char *appClassName, Int_t *argc, char **argv, void *options = nullptr, Int_t numOptions = 0);
   ~TApplication() override;
   TApplication(const TApplication &) = delete;
   TApplication &operator=(const TApplication &) = delete;

   const char *ApplicationName() const { return fAppName.c_str(); }
   const char *GetName() const override { return fAppName.c_str(); }

private:
   std::string fAppName;
};

/// The application object, or null before one is made and after it is deleted.
extern TApplication *gApplication;

#endif
