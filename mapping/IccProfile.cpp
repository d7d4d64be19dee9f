#include "mapping/IccProfile.h"

#include <utility>
#include <vector>

namespace orv {

IccProfile::IccProfile(const std::string& path) : fHandle(cmsOpenProfileFromFile(path.c_str(), "r")) {}

IccProfile::~IccProfile() {
    if (fHandle != nullptr) cmsCloseProfile(fHandle);
}

IccProfile::IccProfile(IccProfile&& other) noexcept : fHandle(std::exchange(other.fHandle, nullptr)) {}

IccProfile& IccProfile::operator=(IccProfile&& other) noexcept {
    if (this != &other) {
        if (fHandle != nullptr) cmsCloseProfile(fHandle);
        fHandle = std::exchange(other.fHandle, nullptr);
    }
    return *this;
}

namespace {

std::string InfoText(cmsHPROFILE profile, cmsInfoType info) {
    // Localised entries fall back to the profile's first one when en-US is missing.
    cmsUInt32Number size = cmsGetProfileInfoASCII(profile, info, "en", "US", nullptr, 0);
    if (size == 0) return {};
    std::vector<char> text(size + 1, '\0');
    cmsGetProfileInfoASCII(profile, info, "en", "US", text.data(), size);
    return std::string(text.data());
}

}  // namespace

std::string ProductDescription(cmsHPROFILE profile) {
    if (profile == nullptr) return {};
    std::string description = InfoText(profile, cmsInfoDescription);
    if (description.compare(0, 7, "Copyrig") != 0 && !description.empty()) return description;
    std::string model = InfoText(profile, cmsInfoModel);
    if (!model.empty()) return model;
    std::string maker = InfoText(profile, cmsInfoManufacturer);
    return maker.empty() ? description : maker;
}

bool IsMatrixShaperRgb(cmsHPROFILE profile) {
    return profile != nullptr && cmsGetColorSpace(profile) == cmsSigRgbData &&
           cmsIsTag(profile, cmsSigRedTRCTag) && cmsIsTag(profile, cmsSigGreenTRCTag) &&
           cmsIsTag(profile, cmsSigBlueTRCTag);
}

}  // namespace orv
