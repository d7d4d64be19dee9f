// An object with a name and a title.
#ifndef ORV_ROOTCORE_TNAMED_H
#define ORV_ROOTCORE_TNAMED_H

#include <string>

#include "TObject.h"

class TNamed : public TObject {
public:
   TNamed() = default;
   TNamed(const char *name, const char *title) : fName(name ? name : ""), fTitle(title ? title : "") {}

   const char *GetName() const override { return fName.c_str(); }
   const char *GetTitle() const override { return fTitle.c_str(); }
   virtual void SetName(const char *name) { fName = name ? name : ""; }
   virtual void SetTitle(const char *title = "") { fTitle = title ? title : ""; }
   virtual void SetNameTitle(const char *name, const char *title)
   {
      SetName(name);
      SetTitle(title);
   }

protected:
   std::string fName;
   std::string fTitle;
};

#endif
