#include "platform/ColourFolders.h"
#include "platform/UserFolders.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using orv::test::ScopedEnv;
using orv::test::TempFolder;

namespace {

struct UserFolderCase {
    const char* what;
    std::optional<std::string> home, dataHome, cacheHome;
    std::string data, cache;
};

TEST(UserFolders, FollowTheXdgVariablesAndIgnoreRelativeOnes) {
    const UserFolderCase cases[] = {
        {"defaults under HOME", "/h", std::nullopt, std::nullopt, "/h/.local/share", "/h/.cache"},
        {"absolute variables win", "/h", "/d", "/c", "/d", "/c"},
        {"relative variables are invalid", "/h", "rel/d", "rel/c", "/h/.local/share", "/h/.cache"},
        {"empty variables count as unset", "/h", "", "", "/h/.local/share", "/h/.cache"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnv home("HOME", c.home), data("XDG_DATA_HOME", c.dataHome), cache("XDG_CACHE_HOME", c.cacheHome);
        EXPECT_EQ(orv::UserDataFolder(), c.data);
        EXPECT_EQ(orv::UserCacheFolder(), c.cache);
    }
}

TEST(ColourFolders, OwnFolderReplacesTheSystemFolders) {
    ScopedEnv home("HOME", "/h"), data("XDG_DATA_HOME", std::nullopt);
    {
        ScopedEnv own("ORVELLINE_COLOR_DIR", "/profiles/");
        EXPECT_EQ(orv::ColourFolders(), std::vector<std::string>{"/profiles"});
    }
    ScopedEnv own("ORVELLINE_COLOR_DIR", "");
    const std::vector<std::string> expected = {"/h/.local/share/color/icc", "/usr/local/share/color/icc",
                                               "/usr/share/color/icc", "/var/lib/color/icc"};
    EXPECT_EQ(orv::ColourFolders(), expected);
}

TEST(ColourFolders, FindsProfilesInFoldersAndOneLevelOfSubFolders) {
    TempFolder root;
    namespace fs = std::filesystem;
    for (const char* dir : {"a", "a/vendor", "a/vendor/deeper", "a/folder.icc", "b"}) fs::create_directories(root / dir);
    for (const char* file : {"a/one.icc", "a/TWO.ICM", "a/three.Icc", "a/notes.txt", "a/icc", "a/vendor/four.icm",
                             "a/vendor/deeper/too-deep.icc", "b/five.icc"})
        std::ofstream(root / file) << "x";
    fs::create_symlink(root / "a/one.icc", root / "a/link.icc");

    std::vector<std::string> found =
        orv::FindProfileFiles({root / "a", root / "missing", root.path() + "/b/"});
    std::sort(found.begin(), found.end());
    const std::vector<std::string> expected = {root / "a/TWO.ICM",  root / "a/link.icc", root / "a/one.icc",
                                               root / "a/three.Icc", root / "a/vendor/four.icm", root / "b/five.icc"};
    EXPECT_EQ(found, expected);
}

}  // namespace
