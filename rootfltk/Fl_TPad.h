// An FLTK widget that is also a ROOT pad. FLTK places, sizes and redraws it; when it draws,
// ROOT paints the pad's primitives through TGFltk into the widget's rectangle shrunk by the
// insets (the drawing area). Labels that ROOT puts just outside the drawing area land in the
// insets: nothing is clipped.
//
// All pads hang under the one shared canvas "myCanvas", whose pixel size is whatever was set
// last; so every pad sets it to its own drawing area before anything that converts between
// user and pixel coordinates (drawing, events, resizing). Subclasses that convert elsewhere
// must do the same first.
#ifndef ORV_ROOTFLTK_FL_TPAD_H
#define ORV_ROOTFLTK_FL_TPAD_H

#include <FL/Fl_Widget.H>

#include "TPad.h"

class Fl_TPad : public Fl_Widget, public TPad {
public:
   /// A pad named and titled label covering the whole shared canvas, sized to the widget.
   Fl_TPad(int x, int y, int w, int h, const char *label = nullptr);
   ~Fl_TPad() override;

   /// Margins in pixels between the widget's edges and the drawing area; nothing is redrawn.
   void SetInsets(int top, int right, int bottom, int left);
   int GetInsetTop() const { return fInsetTop; }
   int GetInsetRight() const { return fInsetRight; }
   int GetInsetBottom() const { return fInsetBottom; }
   int GetInsetLeft() const { return fInsetLeft; }

   /// Lets ROOT paint the pad; draws neither the FLTK box nor the label, and leaves gPad as it was.
   /// Nothing is painted while the widget or a parent is inactive.
   void draw() override;
   /// Takes no event (returns 0) after bringing the pad's conversions up to date.
   int handle(int event) override;
   void resize(int x, int y, int w, int h) override;
   /// ROOT's refresh request becomes an FLTK redraw: the pad repaints at the next drawing pass.
   void Update() override;

protected:
   /// Sets the shared canvas to this pad's drawing area and recomputes the conversions.
   void SyncCanvasSize();

   int fInsetTop = 0;
   int fInsetRight = 0;
   int fInsetBottom = 0;
   int fInsetLeft = 0;
};

#endif
