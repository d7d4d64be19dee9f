#pragma once
// Windows of the plug-in open as owned (transient) windows of the host's main
// window: they stay above it and follow it when it is minimised.
class Fl_Window;
struct OrvPlatformData;

namespace orv {

/// Applies the plug-in's look and shows `window` owned by the host window named
/// in `platform` (a plain top-level window when there is none).
void ShowOwnedByHost(Fl_Window* window, const OrvPlatformData* platform);

/// The toolkit look of every plug-in window: scheme, colours, tooltips.
void ApplyToolkitLook();

}  // namespace orv
