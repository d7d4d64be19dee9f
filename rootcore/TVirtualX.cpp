#include "TVirtualX.h"

TVirtualX *(*gPtr2VirtualX)() = nullptr;

TVirtualX::TVirtualX(const char *name, const char *title) : TNamed(name, title) {}

TVirtualX::~TVirtualX() = default;

TVirtualX *TVirtualX::Batch()
{
   // Never destroyed: pads painted from static destructors still find a back end.
   static TVirtualX *batch = new TVirtualX("Batch", "ROOT Interface to batch graphics");
   return batch;
}

TVirtualX *&TVirtualX::Instance()
{
   // Function-local so that start-up code in other libraries' static initialisers can use it.
   static TVirtualX *current = Batch();
   return current;
}

Bool_t TVirtualX::Init(void *) { return kFALSE; }
void TVirtualX::ClearWindow() {}
void TVirtualX::CloseWindow() {}
void TVirtualX::ClosePixmap() {}
void TVirtualX::CopyPixmap(Int_t, Int_t, Int_t) {}
void TVirtualX::DrawBox(Int_t, Int_t, Int_t, Int_t, EBoxMode) {}
void TVirtualX::DrawFillArea(Int_t, TPoint *) {}
void TVirtualX::DrawLine(Int_t, Int_t, Int_t, Int_t) {}
void TVirtualX::DrawPolyLine(Int_t, TPoint *) {}
void TVirtualX::DrawPolyMarker(Int_t, TPoint *) {}
void TVirtualX::DrawText(Int_t, Int_t, Float_t, Float_t, const char *, ETextMode) {}

void TVirtualX::GetCharacterUp(Float_t &chupx, Float_t &chupy)
{
   chupx = 0;
   chupy = 1;
}

Int_t TVirtualX::GetDoubleBuffer(Int_t) { return 0; }

void TVirtualX::GetGeometry(Int_t, Int_t &x, Int_t &y, UInt_t &w, UInt_t &h)
{
   x = y = 0;
   w = h = 0;
}

ULong_t TVirtualX::GetPixel(Color_t) { return 0; }

void TVirtualX::GetTextExtent(UInt_t &w, UInt_t &h, char *)
{
   w = h = 0;
}

Float_t TVirtualX::GetTextMagnitude() { return 1; }
Window_t TVirtualX::GetWindowID(Int_t) { return 0; }
Int_t TVirtualX::InitWindow(ULong_t) { return 0; }
Bool_t TVirtualX::IsCmdThread() const { return kTRUE; }
Int_t TVirtualX::OpenPixmap(UInt_t, UInt_t) { return 0; }
void TVirtualX::ResizeWindow(Int_t) {}
void TVirtualX::SelectWindow(Int_t) {}
void TVirtualX::SetCharacterUp(Float_t, Float_t) {}
void TVirtualX::SetClipOFF(Int_t) {}
void TVirtualX::SetClipRegion(Int_t, Int_t, Int_t, UInt_t, UInt_t) {}
void TVirtualX::SetDoubleBuffer(Int_t, Int_t) {}
void TVirtualX::SetDrawMode(EDrawMode mode) { fDrawMode = mode; }
void TVirtualX::SetRGB(Int_t, Float_t, Float_t, Float_t) {}
Int_t TVirtualX::SetTextFont(char *, ETextSetMode) { return 0; }
void TVirtualX::SetTextMagnitude(Float_t) {}
void TVirtualX::UpdateWindow(Int_t) {}
void TVirtualX::Warp(Int_t, Int_t, Window_t) {}
