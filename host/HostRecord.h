#pragma once
// Access to the current filter record that respects the host's coordinate size:
// when the big-document record says so, its 32-bit rectangles replace the 16-bit ones.
#include "host/PluginExports.h"

namespace orv {

bool UsesBigCoordinates();
OrvRect32 FilterRect();
void SetInputRect(const OrvRect32& rect);
/// Clears the input, output and mask rectangles, which ends the host's continue loop.
void ClearPixelRects();

/// Writes the result word if the host gave one.
void SetResult(int16_t code);
int16_t Result();

/// The ChannelPorts suite acquired for the current start call, or null.
const OrvChannelPortsSuite* ChannelPorts();
void SetChannelPorts(const OrvChannelPortsSuite* suite);

}  // namespace orv
