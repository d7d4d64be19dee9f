#include "platform/Display.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace orv {

bool DisplayAvailable() {
  static const bool available = [] {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    Display* display = XOpenDisplay(name);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
  }();
  return available;
}

}  // namespace orv
