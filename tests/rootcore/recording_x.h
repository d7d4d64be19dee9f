// A drawing back end that records every drawing call with the attributes in force at the time.
#ifndef ORV_TESTS_ROOTCORE_RECORDING_X_H
#define ORV_TESTS_ROOTCORE_RECORDING_X_H

#include <string>
#include <vector>

#include "TVirtualX.h"

class RecordingX : public TVirtualX {
public:
   struct Call {
      std::string op; // "box", "fill", "line", "polyline", "marker", "text"
      std::vector<TPoint> points;
      int mode = 0;
      std::string text;
      Style_t fillStyle = 0;
      Short_t textAlign = 0;
      Float_t textSize = 0;
   };

   RecordingX() : TVirtualX("Recording", "records drawing calls") {}

   void DrawBox(Int_t x1, Int_t y1, Int_t x2, Int_t y2, EBoxMode mode) override
   {
      Record("box", {P(x1, y1), P(x2, y2)}).mode = mode;
   }
   void DrawFillArea(Int_t n, TPoint *xy) override { Record("fill", {xy, xy + n}); }
   void DrawLine(Int_t x1, Int_t y1, Int_t x2, Int_t y2) override { Record("line", {P(x1, y1), P(x2, y2)}); }
   void DrawPolyLine(Int_t n, TPoint *xy) override { Record("polyline", {xy, xy + n}); }
   void DrawPolyMarker(Int_t n, TPoint *xy) override { Record("marker", {xy, xy + n}); }
   void DrawText(Int_t x, Int_t y, Float_t, Float_t, const char *text, ETextMode) override
   {
      Record("text", {P(x, y)}).text = text;
   }
   void SetCharacterUp(Float_t chupx, Float_t chupy) override
   {
      fUpX = chupx;
      fUpY = chupy;
   }

   std::vector<const Call *> Of(const std::string &op) const
   {
      std::vector<const Call *> found;
      for (const Call &c : calls)
         if (c.op == op) found.push_back(&c);
      return found;
   }

   std::vector<Call> calls;
   Float_t fUpX = 0, fUpY = 1;

private:
   static TPoint P(Int_t x, Int_t y) { return TPoint(SCoord_t(x), SCoord_t(y)); }
   Call &Record(const char *op, std::vector<TPoint> points)
   {
      Call c;
      c.op = op;
      c.points = std::move(points);
      c.fillStyle = fFillStyle;
      c.textAlign = fTextAlign;
      c.textSize = fTextSize;
      calls.push_back(std::move(c));
      return calls.back();
   }
};

/// Installs a RecordingX as the current back end for its lifetime.
class InstalledRecorder {
public:
   InstalledRecorder() : fSaved(gVirtualX) { gVirtualX = &fX; }
   ~InstalledRecorder() { gVirtualX = fSaved; }
   InstalledRecorder(const InstalledRecorder &) = delete;
   InstalledRecorder &operator=(const InstalledRecorder &) = delete;
   RecordingX &operator*() { return fX; }
   RecordingX *operator->() { return &fX; }

private:
   RecordingX fX;
   TVirtualX *fSaved;
};

#endif
