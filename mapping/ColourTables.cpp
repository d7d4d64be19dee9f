#include "mapping/ColourTables.h"

#include "mapping/IccProfile.h"
#include "platform/DisplayProfile.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace orv {

namespace {

// Samples of the inverse curves that re-encode linear values.
constexpr cmsUInt32Number kInverseSamples = 4096;

const cmsTagSignature kTrcTags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
const cmsTagSignature kColorantTags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag,
                                          cmsSigBlueColorantTag};

ColourChannelTables& MutableInputTables() {
    static ColourChannelTables tables = IdentityColourTables();
    return tables;
}

struct ToneCurveDeleter {
    void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};

// Both tables of one channel from the document's tone curve; false when the curve cannot be inverted.
bool BuildChannel(const cmsToneCurve* curve, std::vector<std::uint16_t>& input, std::vector<std::uint16_t>& output) {
    std::unique_ptr<cmsToneCurve, ToneCurveDeleter> inverse(cmsReverseToneCurveEx(kInverseSamples, curve));
    if (!inverse) return false;
    input.resize(kColourTableSize);
    output.resize(kColourTableSize);
    for (std::size_t v = 0; v < kColourTableSize; ++v) {
        const auto value = static_cast<cmsUInt16Number>(v);
        input[v] = cmsEvalToneCurve16(curve, value);
        output[v] = cmsEvalToneCurve16(inverse.get(), value);
    }
    return true;
}

}  // namespace

ColourChannelTables IdentityColourTables() {
    ColourChannelTables tables;
    for (auto& table : tables) {
        table.resize(kColourTableSize);
        for (std::size_t v = 0; v < kColourTableSize; ++v) table[v] = static_cast<std::uint16_t>(v);
    }
    return tables;
}

DisplayTransform::~DisplayTransform() {
    if (fHandle != nullptr) cmsDeleteTransform(fHandle);
}

DisplayTransform::DisplayTransform(DisplayTransform&& other) noexcept
    : fHandle(std::exchange(other.fHandle, nullptr)) {}

DisplayTransform& DisplayTransform::operator=(DisplayTransform&& other) noexcept {
    if (this != &other) {
        if (fHandle != nullptr) cmsDeleteTransform(fHandle);
        fHandle = std::exchange(other.fHandle, nullptr);
    }
    return *this;
}

ColourTables::ColourTables() : output(IdentityColourTables()) {}

const ColourChannelTables& InputTables() {
    return MutableInputTables();
}

cmsHPROFILE CreateLinearProfile(cmsHPROFILE document) {
    const cmsCIEXYZ* colorants[3];
    for (int k = 0; k < 3; ++k) {
        colorants[k] = static_cast<const cmsCIEXYZ*>(cmsReadTag(document, kColorantTags[k]));
        if (colorants[k] == nullptr) return nullptr;
    }

    IccProfile linear(cmsCreateProfilePlaceholder(cmsGetProfileContextID(document)));
    if (!linear) return nullptr;
    cmsHPROFILE p = linear.get();
    cmsSetProfileVersion(p, cmsGetProfileVersion(document));
    cmsSetDeviceClass(p, cmsSigDisplayClass);
    cmsSetColorSpace(p, cmsSigRgbData);
    cmsSetPCS(p, cmsSigXYZData);
    cmsSetHeaderRenderingIntent(p, INTENT_RELATIVE_COLORIMETRIC);

    // The colorants are already adapted to the D50 connection space, so copying them (rather than
    // rebuilding them from xyY primaries) keeps the document's colours exactly.
    bool ok = true;
    for (int k = 0; k < 3; ++k) ok = ok && cmsWriteTag(p, kColorantTags[k], colorants[k]);
    const auto* white = static_cast<const cmsCIEXYZ*>(cmsReadTag(document, cmsSigMediaWhitePointTag));
    ok = ok && cmsWriteTag(p, cmsSigMediaWhitePointTag, white != nullptr ? white : cmsD50_XYZ());
    if (const void* adaptation = cmsReadTag(document, cmsSigChromaticAdaptationTag))
        ok = ok && cmsWriteTag(p, cmsSigChromaticAdaptationTag, adaptation);

    std::unique_ptr<cmsToneCurve, ToneCurveDeleter> identity(cmsBuildGamma(cmsGetProfileContextID(document), 1.0));
    if (!identity) return nullptr;
    // The tag writer keeps its own copy, so one curve serves all three channels.
    for (cmsTagSignature tag : kTrcTags) ok = ok && cmsWriteTag(p, tag, identity.get());
    if (!ok) return nullptr;

    return linear.release();
}

bool RebuildColourTables(const std::string& chosenPath, const std::string& displayPath, ColourTables& tables) {
    IccProfile document(chosenPath);
    IccProfile display(displayPath);
    if (!document || !display || !IsMatrixShaperRgb(document.get())) return false;

    ColourChannelTables input, output;
    for (int k = 0; k < 3; ++k) {
        const auto* curve = static_cast<const cmsToneCurve*>(cmsReadTag(document.get(), kTrcTags[k]));
        if (curve == nullptr || !BuildChannel(curve, input[k], output[k])) return false;
    }

    IccProfile linear(CreateLinearProfile(document.get()));
    if (!linear) return false;
    DisplayTransform transform(cmsCreateTransform(linear.get(), TYPE_RGB_16, display.get(), TYPE_RGB_16,
                                                  INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE));
    if (!transform) return false;

    // Everything is ready: replace as a whole so a failure above leaves the old state intact.
    // Copied in place: the input buffers stay where render code may have looked them up.
    ColourChannelTables& global = MutableInputTables();
    for (int k = 0; k < 3; ++k) std::copy(input[k].begin(), input[k].end(), global[k].begin());
    tables.output = std::move(output);
    tables.display = std::move(transform);
    return true;
}

bool RebuildColourTables(const std::string& chosenPath, ColourTables& tables) {
    return RebuildColourTables(chosenPath, DisplayProfilePath(), tables);
}

namespace detail {
void ResetInputTables() {
    for (auto& table : MutableInputTables())
        for (std::size_t v = 0; v < kColourTableSize; ++v) table[v] = static_cast<std::uint16_t>(v);
}
}  // namespace detail

}  // namespace orv
