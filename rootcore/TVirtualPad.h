// The abstract pad: a drawing area with a list of primitives. Concrete pads come with painting.
#ifndef ORV_ROOTCORE_TVIRTUALPAD_H
#define ORV_ROOTCORE_TVIRTUALPAD_H

#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttPad.h"
#include "TObject.h"
#include "TQObject.h"

class TVirtualPad : public TObject, public TAttLine, public TAttFill, public TAttPad, public TQObject {
public:
   TVirtualPad() = default;
   ~TVirtualPad() override;

   /// Makes this pad (or its sub-pad number subpadnumber) the current pad, gPad, and returns it.
   virtual TVirtualPad *cd(Int_t subpadnumber = 0) = 0;
   /// Removes every primitive, deleting those with kCanDelete set.
   void Clear(Option_t *option = "") override = 0;
   /// Appends obj with its drawing option to the primitives (TObject::Draw lands here).
   virtual void Add(TObject *obj, Option_t *opt = "", Bool_t modified = kTRUE) = 0;
   virtual TVirtualPad *GetCanvas() const = 0;
   virtual void Modified(Bool_t flag = 1) = 0;
   virtual void Update() = 0;
};

/// The current pad; null until a pad is made current.
extern TVirtualPad *gPad;

#endif
