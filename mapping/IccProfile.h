// An open ICC profile and the two questions the profile chooser asks of it.
#pragma once

#include <lcms2.h>

#include <string>
#include <utility>

namespace orv {

/// Owns a Little CMS profile handle; closes it on destruction. Move-only.
class IccProfile {
public:
    IccProfile() = default;
    /// Opens `path` for reading; the handle stays empty when the file is no readable profile.
    explicit IccProfile(const std::string& path);
    /// Takes ownership of `handle` (may be null).
    explicit IccProfile(cmsHPROFILE handle) : fHandle(handle) {}
    ~IccProfile();
    IccProfile(IccProfile&& other) noexcept;
    IccProfile& operator=(IccProfile&& other) noexcept;
    IccProfile(const IccProfile&) = delete;
    IccProfile& operator=(const IccProfile&) = delete;

    cmsHPROFILE get() const { return fHandle; }
    explicit operator bool() const { return fHandle != nullptr; }
    /// Gives up ownership; the caller closes the handle.
    cmsHPROFILE release() { return std::exchange(fHandle, nullptr); }

private:
    cmsHPROFILE fHandle = nullptr;
};

/// The profile's product description: its description tag, unless that text is empty or begins
/// with "Copyrig" (old profiles put the copyright there); then the product name, taken as the
/// device model description, else the device manufacturer description, else the description tag
/// after all. Empty when the profile has none of them.
std::string ProductDescription(cmsHPROFILE profile);

/// True for an RGB profile that carries all three tone-curve tags (red, green and blue TRC), i.e. a
/// matrix/TRC profile whose curves can be read and inverted. Null handles give false.
bool IsMatrixShaperRgb(cmsHPROFILE profile);

}  // namespace orv
