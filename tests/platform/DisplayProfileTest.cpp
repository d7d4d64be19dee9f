#include "platform/DisplayProfile.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <fstream>

namespace {

bool SystemSrgbExists() {
    for (const char* path : {"/usr/share/color/icc/sRGB.icc", "/usr/share/color/icc/colord/sRGB.icc"})
        if (std::ifstream(path)) return true;
    return false;
}

TEST(DisplayProfile, HeadlessFallsBackToAnSrgbProfile) {
    orv::test::IsolatedUser user;
    const std::string path = orv::DisplayProfilePath();
    ASSERT_FALSE(path.empty());
    if (!SystemSrgbExists()) {
        EXPECT_EQ(path, user.root / "cache/orvelline/sRGB.icc");
    }

    cmsHPROFILE profile = cmsOpenProfileFromFile(path.c_str(), "r");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(cmsGetColorSpace(profile), cmsSigRgbData);
    EXPECT_TRUE(cmsIsTag(profile, cmsSigRedTRCTag));
    cmsCloseProfile(profile);

    // The cached profile is reused, not written again.
    EXPECT_EQ(orv::DisplayProfilePath(), path);
}

TEST(DisplayProfile, UnwritableCacheWithoutSystemSrgbGivesNoPath) {
    if (SystemSrgbExists()) {
        GTEST_SKIP() << "a system sRGB profile is installed";
    }
    orv::test::IsolatedUser user;
    std::ofstream(user.root / "cache") << "a file where the cache folder should be";
    EXPECT_EQ(orv::SrgbProfilePath(), "");
    EXPECT_EQ(orv::DisplayProfilePath(), "");
}

}  // namespace
