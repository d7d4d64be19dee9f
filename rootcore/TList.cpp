#include "TList.h"

TList::~TList() { Clear(); }

void TList::AddFirst(TObject *obj, Option_t *opt)
{
   TObjLink *link = new TObjLink(obj, opt);
   link->fNext = fFirst;
   if (fFirst) fFirst->fPrev = link;
   fFirst = link;
   if (!fLast) fLast = link;
   ++fSize;
}

void TList::AddLast(TObject *obj, Option_t *opt)
{
   TObjLink *link = new TObjLink(obj, opt);
   link->fPrev = fLast;
   if (fLast) fLast->fNext = link;
   fLast = link;
   if (!fFirst) fFirst = link;
   ++fSize;
}

TObject *TList::Remove(TObject *obj)
{
   for (TObjLink *link = fFirst; link; link = link->fNext) {
      if (link->fObject != obj) continue;
      (link->fPrev ? link->fPrev->fNext : fFirst) = link->fNext;
      (link->fNext ? link->fNext->fPrev : fLast) = link->fPrev;
      delete link;
      --fSize;
      return obj;
   }
   return nullptr;
}

void TList::Clear(Option_t *)
{
   while (fFirst) {
      TObjLink *next = fFirst->fNext;
      delete fFirst;
      fFirst = next;
   }
   fLast = nullptr;
   fSize = 0;
}

TObject *TList::At(Int_t idx) const
{
   Int_t i = 0;
   for (TObjLink *link = fFirst; link; link = link->fNext, ++i)
      if (i == idx) return link->fObject;
   return nullptr;
}

Int_t TList::IndexOf(const TObject *obj) const
{
   Int_t i = 0;
   for (TObjLink *link = fFirst; link; link = link->fNext, ++i)
      if (link->fObject == obj) return i;
   return -1;
}
