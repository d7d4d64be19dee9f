// A graduated axis: a line in pad coordinates, the value range wmin..wmax along it, tick marks
// and numeric labels.
//
// Divisions ndiv = n1 + 100 * n2: about n1 primary intervals, each split into n2 secondary ones.
// Unless the option holds "N", the primary step is rounded to 1, 2 or 5 times a power of ten and
// labels sit on multiples of it, written with as many decimals as the step needs.
//
// Sides: looking along the axis from its first to its second point, the positive side is on the
// left (above a left-to-right axis, left of a bottom-to-top one). Options:
//   "+" ticks on the positive side (the default), "-" on the negative side, "+-" on both;
//   labels go to the side opposite the ticks (the negative side when ticks are on both);
//   "=" puts labels on the positive side whatever the ticks do;
//   "C" centres labels on their position, "U" leaves labels out, "G" logarithmic values,
//   "N" keeps the division count as given.
// Sizes: tick size is a fraction of the axis length; label size and offset are fractions of the
// pad's smaller side and of its extent across the axis.
#ifndef ORV_ROOTCORE_TGAXIS_H
#define ORV_ROOTCORE_TGAXIS_H

#include <string>
#include <vector>

#include "TAttText.h"
#include "TLine.h"

class TGaxis : public TLine, public TAttText {
public:
   TGaxis();
   TGaxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax, Double_t wmin, Double_t wmax,
          Int_t ndiv = 510, Option_t *chopt = "", Double_t gridlength = 0);
   ~TGaxis() override;

   Double_t GetWmin() const { return fWmin; }
   Double_t GetWmax() const { return fWmax; }
   Int_t GetNdiv() const { return fNdiv; }
   Float_t GetLabelSize() const { return fLabelSize; }
   Float_t GetLabelOffset() const { return fLabelOffset; }
   Int_t GetLabelFont() const { return fLabelFont; }
   Int_t GetLabelColor() const { return fLabelColor; }
   Float_t GetTickSize() const { return fTickSize; }
   Option_t *GetOption() const { return fChopt.c_str(); }

   virtual void SetWmin(Double_t wmin) { fWmin = wmin; }
   virtual void SetWmax(Double_t wmax) { fWmax = wmax; }
   virtual void SetNdivisions(Int_t ndiv) { fNdiv = ndiv; }
   virtual void SetOption(Option_t *option = "") { fChopt = option ? option : ""; }
   virtual void SetLabelSize(Float_t labelsize) { fLabelSize = labelsize; }
   virtual void SetLabelOffset(Float_t labeloffset) { fLabelOffset = labeloffset; }
   virtual void SetLabelFont(Int_t labelfont) { fLabelFont = labelfont; }
   virtual void SetLabelColor(Int_t labelcolor) { fLabelColor = labelcolor; }
   virtual void SetTickSize(Float_t ticksize) { fTickSize = ticksize; }

   void Paint(Option_t *option = "") override;
   /// Paints an axis from (xmin, ymin) to (xmax, ymax) in pad coordinates with values wmin..wmax.
   virtual void PaintAxis(Double_t xmin, Double_t ymin, Double_t xmax, Double_t ymax, Double_t &wmin, Double_t &wmax,
                          Int_t &ndiv, Option_t *chopt = "", Double_t gridlength = 0, Bool_t drawGridOnly = kFALSE);

   struct Tick {
      Double_t value; // axis value
      Bool_t primary; // primary ticks carry labels
   };
   /// Tick values between wmin and wmax (either order) for ndiv; logarithmic with log set.
   static std::vector<Tick> ComputeTicks(Double_t wmin, Double_t wmax, Int_t ndiv, Bool_t optimize, Bool_t log);
   /// The label text of a primary tick value on a linear axis whose primary step is step.
   static std::string FormatLabel(Double_t value, Double_t step);

protected:
   Double_t fWmin = 0;
   Double_t fWmax = 1;
   Double_t fGridLength = 0;
   Float_t fTickSize = 0.03f;
   Float_t fLabelOffset = 0.005f;
   Float_t fLabelSize = 0.04f;
   Int_t fNdiv = 510;
   Int_t fLabelColor = 1;
   Int_t fLabelFont = 62;
   std::string fChopt;
};

#endif
