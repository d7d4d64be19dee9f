// Configuration resources: "Name.Sub: value" pairs looked up by name with a default.
// Built-in resources: "Root.TTFontPath" (the TrueType font folder).
#ifndef ORV_ROOTCORE_TENV_H
#define ORV_ROOTCORE_TENV_H

#include <map>
#include <mutex>
#include <string>

#include "TObject.h"

enum EEnvLevel { kEnvGlobal, kEnvUser, kEnvLocal, kEnvChange, kEnvAll };

class TEnv : public TObject {
public:
   explicit TEnv(const char *name = "");
   ~TEnv() override;

   /// The resource's value, or dflt when it is not defined. Integer resources also accept
   /// yes/no, true/false and on/off; a value that is not a number gives dflt.
   virtual Int_t GetValue(const char *name, Int_t dflt) const;
   virtual Double_t GetValue(const char *name, Double_t dflt) const;
   /// The returned text stays valid until the resource is set again.
   virtual const char *GetValue(const char *name, const char *dflt) const;

   virtual void SetValue(const char *name, const char *value, EEnvLevel level = kEnvChange, const char *type = nullptr);
   virtual void SetValue(const char *name, Int_t value);
   virtual void SetValue(const char *name, Double_t value);
   Bool_t Defined(const char *name) const;

private:
   const std::string *Find(const char *name) const;

   mutable std::mutex fMutex;
   std::map<std::string, std::string> fValues;
};

namespace ROOT {
/// The process-wide resources, created on first use (safe from static initialisers).
TEnv *GetEnv();
}

#define gEnv (ROOT::GetEnv())

#endif
