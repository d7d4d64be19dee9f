// The abstract drawing back end. Every operation has a harmless default, so the default
// instance, gGXBatch, draws nothing and needs no display; a real back end overrides what it
// can do and is installed through TVirtualX::Instance().
//
// Pixel coordinates are relative to the window being drawn, y growing downwards.
#ifndef ORV_ROOTCORE_TVIRTUALX_H
#define ORV_ROOTCORE_TVIRTUALX_H

#include "TAttFill.h"
#include "TAttLine.h"
#include "TAttMarker.h"
#include "TAttText.h"
#include "TNamed.h"
#include "TPoint.h"

typedef ULong_t Handle_t;
typedef Handle_t Window_t;
typedef Handle_t Pixmap_t;
typedef Handle_t Drawable_t;

class TVirtualX : public TNamed, public TAttLine, public TAttFill, public TAttText, public TAttMarker {
public:
   enum EDrawMode { kCopy = 1, kXor, kInvert };
   enum EBoxMode { kHollow, kFilled };
   enum ETextMode { kClear, kOpaque };
   enum ETextSetMode { kCheck, kLoad };

   TVirtualX() = default;
   TVirtualX(const char *name, const char *title);
   ~TVirtualX() override;
   TVirtualX(const TVirtualX &) = delete;
   TVirtualX &operator=(const TVirtualX &) = delete;

   // Attribute setters of the bases stay visible beside the overloads below.
   using TAttText::SetTextFont;

   virtual Bool_t Init(void *display = nullptr);
   virtual void ClearWindow();
   virtual void CloseWindow();
   virtual void ClosePixmap();
   virtual void CopyPixmap(Int_t wid, Int_t xpos, Int_t ypos);

   /// Rectangle with corners (x1, y1) and (x2, y2); mode kHollow outlines, kFilled fills.
   virtual void DrawBox(Int_t x1, Int_t y1, Int_t x2, Int_t y2, EBoxMode mode);
   virtual void DrawFillArea(Int_t n, TPoint *xy);
   virtual void DrawLine(Int_t x1, Int_t y1, Int_t x2, Int_t y2);
   virtual void DrawPolyLine(Int_t n, TPoint *xy);
   virtual void DrawPolyMarker(Int_t n, TPoint *xy);
   /// Text at (x, y) turned by angle degrees (counter-clockwise) and scaled by mgn.
   virtual void DrawText(Int_t x, Int_t y, Float_t angle, Float_t mgn, const char *text, ETextMode mode);

   virtual void GetCharacterUp(Float_t &chupx, Float_t &chupy);
   virtual Int_t GetDoubleBuffer(Int_t wid);
   /// Position and size of window wid; the default reports an empty window at the origin.
   virtual void GetGeometry(Int_t wid, Int_t &x, Int_t &y, UInt_t &w, UInt_t &h);
   virtual ULong_t GetPixel(Color_t cindex);
   /// Width and height in pixels of mess in the current text attributes; 0 by default.
   virtual void GetTextExtent(UInt_t &w, UInt_t &h, char *mess);
   virtual Float_t GetTextMagnitude();
   virtual Window_t GetWindowID(Int_t wid);
   virtual Int_t InitWindow(ULong_t window);
   virtual Bool_t IsCmdThread() const;
   virtual Int_t OpenPixmap(UInt_t w, UInt_t h);
   virtual void ResizeWindow(Int_t wid);
   virtual void SelectWindow(Int_t wid);
   /// Text direction as an up vector: (0, 1) is upright, (-1, 0) turned by 90 degrees.
   virtual void SetCharacterUp(Float_t chupx, Float_t chupy);
   virtual void SetClipOFF(Int_t wid);
   virtual void SetClipRegion(Int_t wid, Int_t x, Int_t y, UInt_t w, UInt_t h);
   virtual void SetDoubleBuffer(Int_t wid, Int_t mode);
   virtual void SetDrawMode(EDrawMode mode);
   virtual void SetRGB(Int_t cindex, Float_t r, Float_t g, Float_t b);
   /// Loads a font by name; 0 on success. The default loads nothing and reports success.
   virtual Int_t SetTextFont(char *fontname, ETextSetMode mode);
   virtual void SetTextMagnitude(Float_t mgn);
   virtual void UpdateWindow(Int_t mode);
   virtual void Warp(Int_t ix, Int_t iy, Window_t id = 0);

   /// The current back end; gGXBatch until another is installed. Assign to install one.
   static TVirtualX *&Instance();
   /// The back end that draws nothing; made on first use and kept for the life of the process.
   static TVirtualX *Batch();

protected:
   EDrawMode fDrawMode = kCopy;
};

/// Factory a host may set to make its own back end; null means the current one stays.
extern TVirtualX *(*gPtr2VirtualX)();

#define gVirtualX (TVirtualX::Instance())
#define gGXBatch (TVirtualX::Batch())

#endif
