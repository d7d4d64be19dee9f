// Linearisation tables and the display transform derived from the document's colour profile.
//
// 8- and 16-bit documents hold values encoded by the document profile's tone curves. The input
// tables undo those curves (encoded 16-bit value -> linear 16-bit value, 65535 = full white), the
// output tables apply them again (linear -> encoded) with the curves' 4096-sample inverses, and the
// display transform takes linear RGB in the document profile's primaries to the display's RGB.
// Only matrix/TRC RGB profiles qualify as document profiles.
#pragma once

#include <lcms2.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orv {

/// Entries per channel table: one per 16-bit value.
constexpr std::size_t kColourTableSize = 65536;

/// Three tables (R, G, B) of kColourTableSize entries.
using ColourChannelTables = std::array<std::vector<std::uint16_t>, 3>;

/// Tables with entry v = v in every channel.
ColourChannelTables IdentityColourTables();

/// Owns a Little CMS transform; deletes it on destruction. Move-only.
class DisplayTransform {
public:
    DisplayTransform() = default;
    explicit DisplayTransform(cmsHTRANSFORM handle) : fHandle(handle) {}
    ~DisplayTransform();
    DisplayTransform(DisplayTransform&& other) noexcept;
    DisplayTransform& operator=(DisplayTransform&& other) noexcept;
    DisplayTransform(const DisplayTransform&) = delete;
    DisplayTransform& operator=(const DisplayTransform&) = delete;

    /// Null while no transform exists; the canvases then show linear values as they are.
    cmsHTRANSFORM get() const { return fHandle; }
    explicit operator bool() const { return fHandle != nullptr; }

private:
    cmsHTRANSFORM fHandle = nullptr;
};

/// What one run owns: the output tables and the display transform (TYPE_RGB_16 on both sides).
/// Starts with identity tables and no transform.
struct ColourTables {
    ColourTables();
    ColourChannelTables output;
    DisplayTransform display;
};

/// The process-wide input tables, identity until the first successful RebuildColourTables().
/// Render workers read them concurrently; they change only while no render runs.
const ColourChannelTables& InputTables();

/// Rebuilds everything from the document profile at `chosenPath` and the display profile at
/// `displayPath`:
///   input[k][v]  = TRC k of the document profile at v (16-bit evaluation of the curve),
///   output[k][v] = the curve's inverse with 4096 samples at v,
///   display      = linear RGB with the document's colorants and white point -> display profile,
///                  relative colorimetric, no optimisation (cmsFLAGS_NOOPTIMIZE).
/// When either profile does not open, the document profile is no matrix/TRC RGB profile, or the
/// transform cannot be made, nothing changes (the previous tables and transform stay; before the
/// first success that is identity tables and no transform) and the result is false.
/// Toolkit thread only, while no render runs.
bool RebuildColourTables(const std::string& chosenPath, const std::string& displayPath, ColourTables& tables);

/// Same, with DisplayProfilePath() as display profile.
bool RebuildColourTables(const std::string& chosenPath, ColourTables& tables);

/// A matrix/TRC RGB profile with the colorant tags, media white point (and chromatic adaptation,
/// when present) of `document` but linear (gamma 1) tone curves; null when `document` lacks a
/// colorant tag. The caller closes it.
cmsHPROFILE CreateLinearProfile(cmsHPROFILE document);

namespace detail {
/// Puts the input tables back to identity (tests rebuild from scratch).
void ResetInputTables();
}  // namespace detail

}  // namespace orv
