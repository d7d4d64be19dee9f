// Where installed ICC profiles live.
#pragma once

#include <string>
#include <vector>

namespace orv {

/// The folders searched for ICC profiles: $ORVELLINE_COLOR_DIR alone when it is set and not empty;
/// otherwise UserDataFolder() + "/color/icc", /usr/local/share/color/icc, /usr/share/color/icc and
/// /var/lib/color/icc, in that order. Folders need not exist.
std::vector<std::string> ColourFolders();

/// Every regular file named "*.icc" or "*.icm" (extension in any letter case) directly in one of
/// `folders` or in one of their immediate sub-folders, as folder + "/" + [sub-folder + "/"] + name.
/// Folders that do not exist or cannot be read are skipped. The result is unsorted.
std::vector<std::string> FindProfileFiles(const std::vector<std::string>& folders);

}  // namespace orv
