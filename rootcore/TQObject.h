// Signal/slot base of the ROOT objects. Slots named by strings need a dictionary this stand-in
// does not have, so connections are not made and emissions reach nobody.
#ifndef ORV_ROOTCORE_TQOBJECT_H
#define ORV_ROOTCORE_TQOBJECT_H

#include "Rtypes.h"

class TQObject {
public:
   TQObject() = default;
   virtual ~TQObject() = default;

   /// Returns kFALSE: no connection is made.
   Bool_t Connect(const char *, const char *, void *, const char *) { return kFALSE; }
   static Bool_t Connect(TQObject *, const char *, const char *, void *, const char *) { return kFALSE; }
   Bool_t Disconnect(const char * = nullptr, void * = nullptr, const char * = nullptr) { return kFALSE; }
   void Emit(const char *) {}
   template <typename T>
   void Emit(const char *, const T &)
   {
   }
};

#endif
