// The global ROOT state: the colour table and the batch flag.
#ifndef ORV_ROOTCORE_TROOT_H
#define ORV_ROOTCORE_TROOT_H

#include <map>
#include <memory>
#include <vector>

#include "TNamed.h"

class TColor;

class TROOT : public TNamed {
public:
   TROOT(const char *name, const char *title);
   ~TROOT() override;
   TROOT(const TROOT &) = delete;
   TROOT &operator=(const TROOT &) = delete;

   /// The colour with this index, or null for an index the table does not define.
   TColor *GetColor(Int_t color) const;
   Bool_t IsBatch() const { return fBatch; }
   void SetBatch(Bool_t batch = kTRUE) { fBatch = batch; }

private:
   friend class TColor;
   void AddColor(TColor *color);
   void RemoveColor(TColor *color);
   void InitializeColors();

   Bool_t fBatch = kFALSE;
   std::map<Int_t, TColor *> fColors;
   std::vector<std::unique_ptr<TColor>> fBuiltinColors;
};

namespace ROOT {
/// The process-wide TROOT, created on first use (safe from static initialisers).
TROOT *GetROOT();
}

#define gROOT (ROOT::GetROOT())

#endif
