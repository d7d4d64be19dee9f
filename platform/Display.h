#pragma once
// Whether a window can be shown at all. Runs without a display (DISPLAY unset,
// or a server that does not answer) must never touch the toolkit's windows,
// because the toolkit ends the process when it cannot open its display.
namespace orv {

/// True when an X display can be opened; asked once per process.
bool DisplayAvailable();

}  // namespace orv
