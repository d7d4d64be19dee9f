#include "mapping/KnownProfiles.h"

#include "mapping/IccProfile.h"
#include "platform/ColourFolders.h"
#include "platform/DisplayProfile.h"

#include <memory>

namespace orv {

namespace {

std::unique_ptr<std::set<std::string>>& KnownSet() {
    static std::unique_ptr<std::set<std::string>> known;
    return known;
}

}  // namespace

const std::set<std::string>& KnownProfileFiles() {
    std::unique_ptr<std::set<std::string>>& known = KnownSet();
    if (!known) {
        auto files = std::make_unique<std::set<std::string>>();
        const std::string display = DisplayProfilePath();
        if (!display.empty()) files->insert(display);
        for (std::string& path : FindProfileFiles(ColourFolders())) files->insert(std::move(path));
        known = std::move(files);
    }
    return *known;
}

bool IsKnownProfileFile(const std::string& path) {
    return KnownProfileFiles().count(path) != 0;
}

std::vector<ProfileChoice> ChoosableProfiles() {
    std::vector<ProfileChoice> choices;
    std::set<std::string> seen;
    for (const std::string& path : KnownProfileFiles()) {
        IccProfile profile(path);
        if (!IsMatrixShaperRgb(profile.get())) continue;
        std::string description = ProductDescription(profile.get());
        // A nameless profile could not be told apart from its neighbours in the menu.
        if (description.empty() || !seen.insert(description).second) continue;
        choices.push_back({std::move(description), path});
    }
    return choices;
}

std::optional<std::string> ProfileDescriptionOf(const std::string& path) {
    IccProfile profile(path);
    if (!profile) return std::nullopt;
    return ProductDescription(profile.get());
}

namespace detail {
void ResetKnownProfileFiles() {
    KnownSet().reset();
}
}  // namespace detail

}  // namespace orv
