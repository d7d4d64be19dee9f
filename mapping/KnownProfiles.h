// The ICC profile files the plug-in knows about: the display's profile and the installed ones.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orv {

/// Process-wide set of full paths (byte-wise order): DisplayProfilePath() plus every profile file
/// in the colour folders (FindProfileFiles(ColourFolders())). Built on the first call, which may
/// open the X display once; never refreshed afterwards. Toolkit thread only.
const std::set<std::string>& KnownProfileFiles();

/// Membership by exact path.
bool IsKnownProfileFile(const std::string& path);

/// One entry of the profile chooser.
struct ProfileChoice {
    std::string description;  ///< ProductDescription() of the profile
    std::string path;         ///< the first known file, in set order, with that description
};

/// The known profiles a document may use (IsMatrixShaperRgb), one entry per distinct non-empty
/// product description, in set order of their first file. Files that do not open are left out.
std::vector<ProfileChoice> ChoosableProfiles();

/// ProductDescription() of the file at `path`; nothing when it does not open as a profile.
std::optional<std::string> ProfileDescriptionOf(const std::string& path);

namespace detail {
/// Forgets the set so that the next KnownProfileFiles() builds it again (tests change folders).
void ResetKnownProfileFiles();
}  // namespace detail

}  // namespace orv
