// Builds the chooser without showing it: no display is needed.
#include "mapping/KnownProfiles.h"
#include "mapping/OrvPSImageUI.h"
#include "mapping/TestProfiles.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>

#include <FL/Fl_Menu_Item.H>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

using namespace orv::test;

class ProfileChooser : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "sub");
        Save(Named(GammaRgb(2.2), "Studio RGB"), folder / "studio.icc");
        Save(Named(GammaRgb(1.8), "Twin RGB"), folder / "twin-a.icc");
        Save(Named(GammaRgb(2.4), "Twin RGB"), folder / "twin-b.icc");
        Save(Named(Grey(), "Grey"), folder / "grey.icc");
        Save(Named(GammaRgb(2.2), "Wide/RGB & Co_1 @2"), folder / "sub/special.icc");
        orv::detail::ResetKnownProfileFiles();
        ui = std::make_unique<OrvPSImageUI>(0, 0, 240, 60);
        ui->profileChosen.connect([this](std::string path) { chosen.push_back(path); });
    }
    void TearDown() override {
        ui.reset();
        orv::detail::ResetKnownProfileFiles();
    }

    std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        Fl_Choice* choice = ui->Choice();
        for (int i = 0; i < choice->size(); ++i)
            if (const char* label = choice->menu()[i].label()) labels.push_back(label);
        return labels;
    }

    int IndexOf(const std::string& label) {
        const auto labels = Labels();
        auto it = std::find(labels.begin(), labels.end(), label);
        return it == labels.end() ? -1 : int(it - labels.begin());
    }

    void Pick(const std::string& label) {
        ui->Choice()->value(IndexOf(label));
        ui->Choice()->do_callback();
    }

    IsolatedUser user;
    TempFolder folder;
    ScopedEnv colourDir{"ORVELLINE_COLOR_DIR", folder.path()};
    std::unique_ptr<OrvPSImageUI> ui;
    std::vector<std::string> chosen;
};

TEST_F(ProfileChooser, OffersEachRgbDescriptionOnceAsAFlatList) {
    const auto labels = Labels();
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "Twin RGB"), 1);
    EXPECT_EQ(IndexOf("Grey"), -1);
    // Shown literally: '&' and '@' are stored doubled because drawing reads single ones as markup.
    EXPECT_NE(IndexOf("Wide/RGB && Co_1 @@2"), -1);
    EXPECT_EQ(labels.size(), orv::ChoosableProfiles().size());
}

TEST_F(ProfileChooser, PickingAnItemEmitsThePathThatSortsFirst) {
    Pick("Twin RGB");
    Pick("Wide/RGB && Co_1 @@2");
    Pick("Studio RGB");
    const std::vector<std::string> expected = {folder / "twin-a.icc", folder / "sub/special.icc",
                                               folder / "studio.icc"};
    EXPECT_EQ(chosen, expected);
}

TEST_F(ProfileChooser, ShowProfileSelectsByDescriptionWithoutEmitting) {
    Fl_Choice* choice = ui->Choice();
    ui->ShowProfile(folder / "twin-b.icc");
    EXPECT_EQ(choice->value(), IndexOf("Twin RGB"));
    ui->ShowProfile(folder / "sub/special.icc");
    EXPECT_EQ(choice->value(), IndexOf("Wide/RGB && Co_1 @@2"));

    // Unreadable files and profiles without an item leave the selection alone.
    ui->ShowProfile(folder / "missing.icc");
    ui->ShowProfile(folder / "grey.icc");
    EXPECT_EQ(choice->value(), IndexOf("Wide/RGB && Co_1 @@2"));
    EXPECT_TRUE(chosen.empty());
}

TEST(MenuLabel, EscapesWhatTheMenuWouldInterpret) {
    const struct {
        const char* text;
        const char* stored;  // what the menu keeps, and fl_draw shows as `text`
    } cases[] = {
        {"plain", "plain"},
        {"a/b/c", "a/b/c"},
        {"back\\slash", "back\\slash"},
        {"_leading", "_leading"},
        {"R&D", "R&&D"},
        {"@circle", "@@circle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Fl_Choice choice(0, 0, 100, 20);
        choice.add(orv::MenuLabel(c.text).c_str(), 0, nullptr);
        ASSERT_EQ(choice.size(), 2);  // one item and the terminator
        EXPECT_STREQ(choice.menu()[0].label(), c.stored);
        EXPECT_EQ(choice.menu()[0].flags & FL_MENU_DIVIDER, 0);
        EXPECT_EQ(choice.menu()[0].submenu(), 0);
    }
}

}  // namespace
