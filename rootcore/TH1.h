// One-dimensional histograms: TH1 holds the axes and the protocol, TH1D the double contents.
// Entries 0 and N + 1 of the contents are the underflow and overflow bins.
#ifndef ORV_ROOTCORE_TH1_H
#define ORV_ROOTCORE_TH1_H

#include <cfloat>

#include "TArrayD.h"
#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TAxis.h"
#include "TNamed.h"

class TDirectory;

class TH1 : public TNamed, public TAttLine, public TAttFill, public TAttMarker {
public:
   enum { kNoStats = BIT(9) };

   ~TH1() override;

   TAxis *GetXaxis() { return &fXaxis; }
   const TAxis *GetXaxis() const { return &fXaxis; }
   TAxis *GetYaxis() { return &fYaxis; }
   const TAxis *GetYaxis() const { return &fYaxis; }
   Int_t GetNbinsX() const { return fXaxis.GetNbins(); }
   /// Number of content entries: N + 2.
   virtual Int_t GetNcells() const = 0;

   virtual Int_t FindBin(Double_t x, Double_t y = 0, Double_t z = 0);
   virtual Double_t GetBinCenter(Int_t bin) const { return fXaxis.GetBinCenter(bin); }
   virtual Double_t GetBinLowEdge(Int_t bin) const { return fXaxis.GetBinLowEdge(bin); }
   virtual Double_t GetBinWidth(Int_t bin) const { return fXaxis.GetBinWidth(bin); }

   /// Content of bin (0 .. N + 1); a bin outside that range reads the nearest end entry.
   virtual Double_t GetBinContent(Int_t bin) const = 0;
   /// Sets bin (0 .. N + 1); other bins are ignored.
   virtual void SetBinContent(Int_t bin, Double_t content) = 0;
   /// Adds to bin (0 .. N + 1); other bins are ignored.
   virtual void AddBinContent(Int_t bin) = 0;
   virtual void AddBinContent(Int_t bin, Double_t w) = 0;

   /// Adds w to the bin holding x; returns that bin, or -1 when x fell into under- or overflow.
   virtual Int_t Fill(Double_t x);
   virtual Int_t Fill(Double_t x, Double_t w);
   /// Zeroes every entry, under- and overflow included, and the entry count.
   virtual void Reset(Option_t *option = "");
   /// Multiplies every entry, under- and overflow included, by c1.
   virtual void Scale(Double_t c1 = 1, Option_t *option = "");
   /// Largest content of bins 1 .. N below maxval.
   virtual Double_t GetMaximum(Double_t maxval = FLT_MAX) const;
   virtual Double_t GetEntries() const { return fEntries; }
   virtual void SetEntries(Double_t n) { fEntries = n; }

   virtual void SetDirectory(TDirectory *dir) { fDirectory = dir; }
   TDirectory *GetDirectory() const { return fDirectory; }
   virtual void SetStats(Bool_t stats = kTRUE) { SetBit(kNoStats, !stats); }
   /// Axis attributes for every axis named in `axis` ("X", "Y", "XY", case-insensitive).
   virtual void SetLabelSize(Float_t size = 0.02, Option_t *axis = "X");
   virtual void SetLabelOffset(Float_t offset = 0.005, Option_t *axis = "X");

   /// Clears the current pad unless option contains "same", then adds the histogram to it.
   void Draw(Option_t *option = "") override;
   void Paint(Option_t *option = "") override;

protected:
   TH1();
   TH1(const char *name, const char *title, Int_t nbinsx, Double_t xlow, Double_t xup);

   TAxis fXaxis;
   TAxis fYaxis;
   Double_t fEntries = 0;
   TDirectory *fDirectory = nullptr;
};

class TH1D : public TH1, public TArrayD {
public:
   TH1D();
   TH1D(const char *name, const char *title, Int_t nbinsx, Double_t xlow, Double_t xup);
   ~TH1D() override;

   Double_t GetBinContent(Int_t bin) const override;
   void SetBinContent(Int_t bin, Double_t content) override;
   void AddBinContent(Int_t bin) override;
   void AddBinContent(Int_t bin, Double_t w) override;
   void Reset(Option_t *option = "") override;
   Int_t GetNcells() const override { return fN; }
};

#endif
