// The screen's ICC profile as a file path.
#pragma once

#include <string>

namespace orv {

/// The per-user folder that holds profile files made by the plug-in: UserCacheFolder() + "/orvelline".
std::string ProfileCacheFolder();

/// Path of the display's ICC profile.
///
/// With an X display (DISPLAY set and the server reachable) the bytes of the root window's
/// "_ICC_PROFILE" property ("_ICC_PROFILE_n" for screen n > 0) are written to
/// ProfileCacheFolder() + "/display.icc", and that path is returned. The display is opened only
/// here and closed again before returning; with DISPLAY unset no connection is attempted.
/// Without a display, without the property, or when the bytes are no ICC profile or cannot be
/// cached, the result is SrgbProfilePath().
std::string DisplayProfilePath();

/// An sRGB profile: /usr/share/color/icc/sRGB.icc or colord's /usr/share/color/icc/colord/sRGB.icc
/// when present, else ProfileCacheFolder() + "/sRGB.icc", written by Little CMS when missing.
/// Empty only when none exists and the cache cannot be written.
std::string SrgbProfilePath();

}  // namespace orv
