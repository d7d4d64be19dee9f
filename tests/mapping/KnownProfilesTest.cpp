#include "mapping/IccProfile.h"
#include "mapping/KnownProfiles.h"
#include "mapping/TestProfiles.h"
#include "platform/DisplayProfile.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace orv::test;

/// A colour folder with every kind of profile the chooser must sort out.
class ColourFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "vendor");
        Save(Named(GammaRgb(2.2), "Studio RGB"), folder / "studio.icc");
        Save(Named(GammaRgb(1.8), "Twin RGB"), folder / "twin-b.ICM");
        Save(Named(GammaRgb(2.4), "Twin RGB"), folder / "vendor/twin-a.icc");
        Save(Named(Grey(), "Grey 2.2"), folder / "grey.icc");
        Save(Named(cmsCreateLab4Profile(nullptr), "Lab D50"), folder / "lab.icc");
        Save(Named(Cmyk(), "Press CMYK"), folder / "cmyk.icm");
        Save(Named(RgbWithoutBlueCurve(), "No Blue"), folder / "noblue.icc");
        std::ofstream(folder / "broken.icc") << "not a profile";
        orv::detail::ResetKnownProfileFiles();
    }
    void TearDown() override { orv::detail::ResetKnownProfileFiles(); }

    IsolatedUser user;
    TempFolder folder;
    ScopedEnv colourDir{"ORVELLINE_COLOR_DIR", folder.path()};
};

TEST_F(ColourFolder, KnownFilesAreTheDisplayProfileAndTheFolderContents) {
    const std::string display = orv::DisplayProfilePath();
    const std::set<std::string> expected = {display,
                                            folder / "broken.icc",
                                            folder / "cmyk.icm",
                                            folder / "grey.icc",
                                            folder / "lab.icc",
                                            folder / "noblue.icc",
                                            folder / "studio.icc",
                                            folder / "twin-b.ICM",
                                            folder / "vendor/twin-a.icc"};
    EXPECT_EQ(orv::KnownProfileFiles(), expected);
    EXPECT_TRUE(orv::IsKnownProfileFile(folder / "studio.icc"));
    EXPECT_FALSE(orv::IsKnownProfileFile(folder.path() + "//studio.icc"));

    // Built once: a profile added later stays unknown.
    Save(Named(GammaRgb(2.2), "Late"), folder / "late.icc");
    EXPECT_FALSE(orv::IsKnownProfileFile(folder / "late.icc"));
}

TEST_F(ColourFolder, ChoosableProfilesAreMatrixRgbWithDistinctDescriptions) {
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& choice : orv::ChoosableProfiles()) got.emplace_back(choice.description, choice.path);

    // Set order; "Twin RGB" once, with the path that sorts first ("twin-b.ICM" < "vendor/...").
    // Headless, the display profile is Little CMS's sRGB in the cache.
    const std::string display = orv::DisplayProfilePath();
    auto displayDescription = orv::ProfileDescriptionOf(display);
    ASSERT_TRUE(displayDescription);
    std::vector<std::pair<std::string, std::string>> expected = {
        {"Studio RGB", folder / "studio.icc"},
        {"Twin RGB", folder / "twin-b.ICM"},
    };
    expected.insert(display < folder.path() ? expected.begin() : expected.end(), {*displayDescription, display});
    EXPECT_EQ(got, expected);
}

TEST(ProductDescription, CopyrightDescriptionsGiveWayToTheProductName) {
    const struct {
        const char* description;
        const char* model;
        const char* manufacturer;
        const char* expected;
    } cases[] = {
        {"Studio RGB", "Monitor X", "Maker", "Studio RGB"},
        {"Copyright 1998 Maker", "Monitor X", "Maker", "Monitor X"},
        {"Copyrig", "", "Maker", "Maker"},
        {"Copyright only", "", "", "Copyright only"},
        {"", "Monitor X", "", "Monitor X"},
        {"copyright is not Copyright", "Monitor X", "", "copyright is not Copyright"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        orv::IccProfile profile(Named(GammaRgb(2.2), c.description, c.model, c.manufacturer));
        EXPECT_EQ(orv::ProductDescription(profile.get()), c.expected);
    }
}

}  // namespace
