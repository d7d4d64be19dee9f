// Root of the object hierarchy: status bits and the Draw/Paint protocol.
#ifndef ORV_ROOTCORE_TOBJECT_H
#define ORV_ROOTCORE_TOBJECT_H

#include "Rtypes.h"

class TObject {
public:
   enum EStatusBits {
      kCanDelete = BIT(0),     // the pad that holds the object deletes it when cleared
      kMustCleanup = BIT(3),
      kInvalidObject = BIT(13)
   };

   TObject() = default;
   // A copy is a new object: it is not owned by the pad that owned the original.
   TObject(const TObject &other) : fBits(other.fBits & ~UInt_t(kCanDelete)) {}
   TObject &operator=(const TObject &other);
   virtual ~TObject();

   virtual const char *GetName() const;
   virtual const char *GetTitle() const;

   virtual void Clear(Option_t *option = "");
   /// Adds the object to the current pad's primitives (nothing without a current pad).
   virtual void Draw(Option_t *option = "");
   virtual void Paint(Option_t *option = "");
   virtual void AppendPad(Option_t *option = "");

   void SetBit(UInt_t f, Bool_t set);
   void SetBit(UInt_t f) { fBits |= f; }
   void ResetBit(UInt_t f) { fBits &= ~f; }
   Bool_t TestBit(UInt_t f) const { return (fBits & f) != 0; }
   Int_t TestBits(UInt_t f) const { return Int_t(fBits & f); }
   void InvertBit(UInt_t f) { fBits ^= f; }

private:
   UInt_t fBits = 0;
};

#endif
