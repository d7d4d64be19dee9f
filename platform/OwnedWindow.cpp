#include "platform/OwnedWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include "host/HostInterface.h"

namespace orv {

void ApplyToolkitLook() {
  Fl::scheme("gtk+");
  Fl::visual(FL_DOUBLE | FL_INDEX);
  Fl::get_system_colors();
  Fl_Tooltip::delay(1.5f);
  Fl_Tooltip::size(12);
}

// X11 has no owner handle to borrow at creation time as other systems do; the
// window manager takes WM_TRANSIENT_FOR from the mapped window instead.
void ShowOwnedByHost(Fl_Window* window, const OrvPlatformData* platform) {
  ApplyToolkitLook();
  window->show();
  const Window host = platform ? static_cast<Window>(platform->hostWindow) : 0;
  if (host && window->shown()) {
    XSetTransientForHint(fl_display, fl_xid(window), host);
    XFlush(fl_display);
  }
}

}  // namespace orv
