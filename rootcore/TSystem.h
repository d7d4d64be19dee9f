// Operating-system services: file names, path expansion and file search.
#ifndef ORV_ROOTCORE_TSYSTEM_H
#define ORV_ROOTCORE_TSYSTEM_H

#include <string>

#include "TNamed.h"

enum EAccessMode { kFileExists = 0, kExecutePermission = 1, kWritePermission = 2, kReadPermission = 4 };

class TSystem : public TNamed {
public:
   TSystem(const char *name = "Generic", const char *title = "Generic System");
   ~TSystem() override;

   /// The part of pathname after the last '/' (a pointer into pathname); "/" stays "/".
   virtual const char *BaseName(const char *pathname);
   /// Expands a leading "~" or "~user" and the variables "$(VAR)" and "$VAR". ROOTSYS falls back
   /// to the built-in folder when the environment has none. Returns kTRUE on failure (an unknown
   /// variable or user), leaving path unchanged.
   virtual Bool_t ExpandPathName(std::string &path);
   /// As above, as a new string the caller frees with delete[]; null on failure.
   virtual char *ExpandPathName(const char *path);
   /// Finds file (expanded) in the ':'-separated folder list search (expanded) with the given access;
   /// an absolute file name is checked as it is. Returns the full name as a new string the caller
   /// frees with delete[], or null when not found.
   virtual char *Which(const char *search, const char *file, EAccessMode mode = kFileExists);
   /// The environment variable's value, or null.
   virtual const char *Getenv(const char *env);
};

namespace ROOT {
/// The process-wide system, created on first use (safe from static initialisers).
TSystem *GetSystem();
}

#define gSystem (ROOT::GetSystem())

#endif
