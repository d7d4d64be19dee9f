// An ordered list of objects, each with a drawing option; the pads keep their primitives in one.
// The list does not own its objects.
#ifndef ORV_ROOTCORE_TLIST_H
#define ORV_ROOTCORE_TLIST_H

#include <string>

#include "TObject.h"

class TObjLink {
public:
   TObjLink(TObject *obj, Option_t *opt) : fObject(obj), fOption(opt ? opt : "") {}
   TObject *GetObject() const { return fObject; }
   Option_t *GetOption() const { return fOption.c_str(); }
   void SetOption(Option_t *opt) { fOption = opt ? opt : ""; }
   TObjLink *Next() const { return fNext; }
   TObjLink *Prev() const { return fPrev; }

private:
   friend class TList;
   TObject *fObject;
   std::string fOption;
   TObjLink *fNext = nullptr;
   TObjLink *fPrev = nullptr;
};

class TList : public TObject {
public:
   TList() = default;
   ~TList() override;
   TList(const TList &) = delete;
   TList &operator=(const TList &) = delete;

   virtual void Add(TObject *obj) { AddLast(obj); }
   virtual void Add(TObject *obj, Option_t *opt) { AddLast(obj, opt); }
   virtual void AddFirst(TObject *obj, Option_t *opt = "");
   virtual void AddLast(TObject *obj, Option_t *opt = "");
   /// Removes the first link to obj; returns obj, or null when it is not in the list.
   virtual TObject *Remove(TObject *obj);
   /// Empties the list; the objects are not deleted.
   void Clear(Option_t *option = "") override;

   Int_t GetSize() const { return fSize; }
   Bool_t IsEmpty() const { return fSize == 0; }
   TObject *At(Int_t idx) const;
   TObject *First() const { return fFirst ? fFirst->GetObject() : nullptr; }
   TObject *Last() const { return fLast ? fLast->GetObject() : nullptr; }
   Int_t IndexOf(const TObject *obj) const;
   Bool_t Contains(const TObject *obj) const { return IndexOf(obj) >= 0; }
   TObjLink *FirstLink() const { return fFirst; }
   TObjLink *LastLink() const { return fLast; }

private:
   TObjLink *fFirst = nullptr;
   TObjLink *fLast = nullptr;
   Int_t fSize = 0;
};

#endif
