// ROOT's start-up and shut-down for the plug-in library.
//
// Start-up (when the library loads, or at the first use, whichever is earlier): without an
// application object, create "RootApp", install TGFltk ("Fltk") as the drawing back end and
// clear the back-end factory so nothing replaces it; in every case create the 10 x 10 embedded
// canvas "myCanvas", which becomes the current pad and so the mother of every Fl_TPad.
// Nothing here opens the display: a process that never shows a window pays nothing for it.
//
// Shut-down (at unload): delete the canvas, the back end (TGFltk's destructor installs the batch
// back end) and the application, in that order.
#ifndef ORV_ROOTFLTK_ORVROOTSTARTUP_H
#define ORV_ROOTFLTK_ORVROOTSTARTUP_H

class TCanvas;

class OrvRootStartup {
public:
   /// The holder, started on first use.
   static OrvRootStartup &Instance();

   TCanvas *GetCanvas() const { return fCanvas; }

   OrvRootStartup(const OrvRootStartup &) = delete;
   OrvRootStartup &operator=(const OrvRootStartup &) = delete;

private:
   OrvRootStartup();
   ~OrvRootStartup();

   TCanvas *fCanvas = nullptr;
};

#endif
