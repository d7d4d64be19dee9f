// Per-user base folders of the XDG base directory layout.
#pragma once

#include <string>

namespace orv {

/// The user's home folder: $HOME, else the password database entry; empty when neither is known.
std::string HomeFolder();

/// $XDG_DATA_HOME when it is an absolute path, else HomeFolder() + "/.local/share".
std::string UserDataFolder();

/// $XDG_CACHE_HOME when it is an absolute path, else HomeFolder() + "/.cache".
std::string UserCacheFolder();

}  // namespace orv
