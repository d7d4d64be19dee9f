// ICC profiles generated with Little CMS for the colour tests.
#pragma once

#include <lcms2.h>

#include <stdexcept>
#include <string>

namespace orv::test {

inline void WriteText(cmsHPROFILE profile, cmsTagSignature tag, const std::string& text) {
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(mlu, "en", "US", text.c_str());
    cmsWriteTag(profile, tag, mlu);
    cmsMLUfree(mlu);
}

/// Names the profile; an empty model or manufacturer is left out.
inline cmsHPROFILE Named(cmsHPROFILE profile, const std::string& description, const std::string& model = "",
                         const std::string& manufacturer = "") {
    WriteText(profile, cmsSigProfileDescriptionTag, description);
    if (!model.empty()) WriteText(profile, cmsSigDeviceModelDescTag, model);
    if (!manufacturer.empty()) WriteText(profile, cmsSigDeviceMfgDescTag, manufacturer);
    return profile;
}

/// Saves and closes.
inline void Save(cmsHPROFILE profile, const std::string& path) {
    const bool saved = cmsSaveProfileToFile(profile, path.c_str());
    cmsCloseProfile(profile);
    if (!saved) throw std::runtime_error("cannot save " + path);
}

inline cmsCIExyYTRIPLE SrgbPrimaries() {
    return {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
}

/// Wide-gamut primaries, far from sRGB's.
inline cmsCIExyYTRIPLE WidePrimaries() {
    return {{0.7347, 0.2653, 1.0}, {0.1152, 0.8264, 1.0}, {0.1566, 0.0177, 1.0}};
}

/// A matrix/TRC RGB profile with the same pure gamma on all channels and a D65 white point.
inline cmsHPROFILE GammaRgb(double gamma, const cmsCIExyYTRIPLE& primaries = SrgbPrimaries()) {
    cmsCIExyY white;
    cmsWhitePointFromTemp(&white, 6504);
    cmsToneCurve* curve = cmsBuildGamma(nullptr, gamma);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(curve);
    return profile;
}

inline cmsHPROFILE Grey() {
    cmsToneCurve* curve = cmsBuildGamma(nullptr, 2.2);
    cmsHPROFILE profile = cmsCreateGrayProfile(cmsD50_xyY(), curve);
    cmsFreeToneCurve(curve);
    return profile;
}

/// A header-only CMYK output profile: enough to be told apart by its colour space.
inline cmsHPROFILE Cmyk() {
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    return profile;
}

/// An RGB profile whose blue tone curve tag is missing.
inline cmsHPROFILE RgbWithoutBlueCurve() {
    cmsHPROFILE profile = GammaRgb(2.2);
    cmsWriteTag(profile, cmsSigBlueTRCTag, nullptr);  // removes the tag
    return profile;
}

}  // namespace orv::test
