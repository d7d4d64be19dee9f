#include "platform/DisplayProfile.h"

#include "platform/UserFolders.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <lcms2.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace orv {

namespace {

using Bytes = std::vector<unsigned char>;

bool IsIccProfile(const Bytes& bytes) {
    if (bytes.empty()) return false;
    cmsHPROFILE profile = cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size()));
    if (profile == nullptr) return false;
    cmsCloseProfile(profile);
    return true;
}

bool OpensAsProfile(const std::string& path) {
    cmsHPROFILE profile = cmsOpenProfileFromFile(path.c_str(), "r");
    if (profile == nullptr) return false;
    cmsCloseProfile(profile);
    return true;
}

// The property of the default screen; empty when there is no display or no profile on it.
Bytes ReadRootWindowProfile() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') return {};  // headless: never try to connect
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return {};

    Bytes bytes;
    const int screen = DefaultScreen(display);
    const std::string atomName = screen == 0 ? "_ICC_PROFILE" : "_ICC_PROFILE_" + std::to_string(screen);
    Atom atom = XInternAtom(display, atomName.c_str(), True);
    if (atom != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        // The length is counted in 32-bit units; ask for everything at once.
        if (XGetWindowProperty(display, RootWindow(display, screen), atom, 0, LONG_MAX / 4, False,
                               AnyPropertyType, &type, &format, &count, &remaining, &data) == Success &&
            data != nullptr) {
            if (format == 8) bytes.assign(data, data + count);
            XFree(data);
        }
    }
    XCloseDisplay(display);
    return bytes;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TemporaryName(const std::string& path) {
    return path + ".tmp." + std::to_string(static_cast<long>(getpid()));
}

// Written under a temporary name and renamed, so a reader never sees half a profile.
bool WriteFileAtomically(const std::string& path, const Bytes& bytes) {
    const std::string temporary = TemporaryName(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) fs::remove(temporary, ec);
    return !ec;
}

bool MakeCacheFolder(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

}  // namespace

std::string ProfileCacheFolder() {
    std::string cache = UserCacheFolder();
    return cache.empty() ? std::string() : cache + "/orvelline";
}

std::string DisplayProfilePath() {
    const Bytes bytes = ReadRootWindowProfile();
    if (IsIccProfile(bytes)) {
        const std::string folder = ProfileCacheFolder();
        if (MakeCacheFolder(folder)) {
            const std::string path = folder + "/display.icc";
            // Rewriting an unchanged profile would only disturb a reader in another process.
            if (ReadFile(path) == bytes || WriteFileAtomically(path, bytes)) return path;
        }
    }
    return SrgbProfilePath();
}

std::string SrgbProfilePath() {
    for (const char* system : {"/usr/share/color/icc/sRGB.icc", "/usr/share/color/icc/colord/sRGB.icc"})
        if (OpensAsProfile(system)) return system;

    const std::string folder = ProfileCacheFolder();
    if (!MakeCacheFolder(folder)) return {};
    const std::string path = folder + "/sRGB.icc";
    if (OpensAsProfile(path)) return path;

    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    if (srgb == nullptr) return {};
    const std::string temporary = TemporaryName(path);
    bool saved = cmsSaveProfileToFile(srgb, temporary.c_str()) != 0;
    cmsCloseProfile(srgb);
    std::error_code ec;
    if (saved) fs::rename(temporary, path, ec);
    if (!saved || ec) {
        fs::remove(temporary, ec);
        return {};
    }
    return path;
}

}  // namespace orv
