// Needs an X server (run under xvfb-run); skipped without DISPLAY.
#include "platform/DisplayProfile.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>
#include <lcms2.h>

// After the test framework, whose names the X headers' macros (None, Bool) would clobber.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ProfileBytes() {
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    Bytes bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets the root window's profile property for the lifetime of the object.
class RootProfileProperty {
public:
    explicit RootProfileProperty(const Bytes& bytes) : fDisplay(XOpenDisplay(nullptr)) {
        if (fDisplay == nullptr) return;
        fAtom = XInternAtom(fDisplay, "_ICC_PROFILE", False);
        XChangeProperty(fDisplay, DefaultRootWindow(fDisplay), fAtom, XA_CARDINAL, 8, PropModeReplace,
                        bytes.data(), static_cast<int>(bytes.size()));
        XSync(fDisplay, False);
    }
    ~RootProfileProperty() {
        if (fDisplay == nullptr) return;
        XDeleteProperty(fDisplay, DefaultRootWindow(fDisplay), fAtom);
        XCloseDisplay(fDisplay);
    }
    bool ok() const { return fDisplay != nullptr; }

private:
    Display* fDisplay;
    Atom fAtom = None;
};

class DisplayProfileX11 : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || display[0] == '\0') {
            GTEST_SKIP() << "no X display";
        }
    }
    orv::test::TempFolder root;
    orv::test::ScopedEnv cache{"XDG_CACHE_HOME", root / "cache"};
};

TEST_F(DisplayProfileX11, RootWindowProfileIsCachedUnderItsOwnName) {
    const Bytes bytes = ProfileBytes();
    RootProfileProperty property(bytes);
    ASSERT_TRUE(property.ok());
    const std::string path = orv::DisplayProfilePath();
    EXPECT_EQ(path, root / "cache/orvelline/display.icc");
    EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(DisplayProfileX11, MissingOrBrokenPropertyFallsBackToSrgb) {
    EXPECT_EQ(orv::DisplayProfilePath(), orv::SrgbProfilePath());
    RootProfileProperty property(Bytes(200, 0x42));
    ASSERT_TRUE(property.ok());
    EXPECT_EQ(orv::DisplayProfilePath(), orv::SrgbProfilePath());
}

}  // namespace
