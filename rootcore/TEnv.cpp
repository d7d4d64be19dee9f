#include "TEnv.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>

#ifndef ORV_ROOT_FONT_DIR
#define ORV_ROOT_FONT_DIR "$(ROOTSYS)/fonts"
#endif

TEnv::TEnv(const char *)
{
   // Stands in for the system resource file: the only resource read before anyone sets it.
   fValues["Root.TTFontPath"] = ORV_ROOT_FONT_DIR;
}

TEnv::~TEnv() = default;

const std::string *TEnv::Find(const char *name) const
{
   if (!name) return nullptr;
   auto it = fValues.find(name);
   return it == fValues.end() ? nullptr : &it->second;
}

Int_t TEnv::GetValue(const char *name, Int_t dflt) const
{
   std::lock_guard<std::mutex> lock(fMutex);
   const std::string *value = Find(name);
   if (!value) return dflt;
   const char *text = value->c_str();
   for (const char *yes : {"yes", "true", "on"})
      if (strcasecmp(text, yes) == 0) return 1;
   for (const char *no : {"no", "false", "off"})
      if (strcasecmp(text, no) == 0) return 0;
   char *end = nullptr;
   const long number = std::strtol(text, &end, 0);
   return end == text ? dflt : Int_t(number);
}

Double_t TEnv::GetValue(const char *name, Double_t dflt) const
{
   std::lock_guard<std::mutex> lock(fMutex);
   const std::string *value = Find(name);
   if (!value) return dflt;
   char *end = nullptr;
   const double number = std::strtod(value->c_str(), &end);
   return end == value->c_str() ? dflt : number;
}

const char *TEnv::GetValue(const char *name, const char *dflt) const
{
   std::lock_guard<std::mutex> lock(fMutex);
   const std::string *value = Find(name);
   return value ? value->c_str() : dflt;
}

void TEnv::SetValue(const char *name, const char *value, EEnvLevel, const char *)
{
   if (!name) return;
   std::lock_guard<std::mutex> lock(fMutex);
   fValues[name] = value ? value : "";
}

void TEnv::SetValue(const char *name, Int_t value) { SetValue(name, std::to_string(value).c_str()); }

void TEnv::SetValue(const char *name, Double_t value)
{
   char text[32];
   std::snprintf(text, sizeof text, "%.17g", value);
   SetValue(name, text);
}

Bool_t TEnv::Defined(const char *name) const
{
   std::lock_guard<std::mutex> lock(fMutex);
   return Find(name) != nullptr;
}

namespace ROOT {
TEnv *GetEnv()
{
   // Never destroyed, like gROOT: unload code may read resources late.
   static TEnv *env = new TEnv(".rootrc");
   return env;
}
} // namespace ROOT
