// Out-of-line members of the attribute classes (their vtables live here).
#include "TAttAxis.h"
#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TAttPad.h"
#include "TAttText.h"

#include <cstdlib>

TAttLine::~TAttLine() = default;
TAttFill::~TAttFill() = default;
TAttText::~TAttText() = default;
TAttMarker::~TAttMarker() = default;
TAttPad::~TAttPad() = default;
TAttAxis::~TAttAxis() = default;

void TAttAxis::SetNdivisions(Int_t n, Bool_t optim)
{
   // A negative count means "do not optimise"; keep the sign as the flag.
   fNdivisions = optim ? n : -std::abs(n);
}
