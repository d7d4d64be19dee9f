// The settings file: its place, the formatted style, and typed reading.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialog/SettingsDocument.h"

namespace fs = std::filesystem;

namespace {

std::string Formatted(const orv::SettingsObject& value) {
  std::ostringstream out;
  orv::WriteFormatted(out, value);
  return out.str();
}

TEST(SettingsDocument, WritesTheFormattedStyle) {
  orv::SettingsObject document = orv::SettingsObject::object();
  document["dialog_x"] = 12;
  document["scale"] = 1.0;
  document["profile"] = "/usr/share/color/icc/a \"b\".icc";
  document["Orvelline"] = {{"Active", "Simplex"}, {"Simplex", {{"PostProcessing", {{"Black", 0.25}}}}}};
  document["Curve"] = {0.0, 1e20};
  document["empty"] = orv::SettingsObject::object();
  const std::string expected =
      "{\n"
      "    \"dialog_x\" : 12,\n"
      "    \"scale\" : 1.000000000000000,\n"
      "    \"profile\" : \"/usr/share/color/icc/a \\\"b\\\".icc\",\n"
      "    \"Orvelline\" : {\n"
      "        \"Active\" : \"Simplex\",\n"
      "        \"Simplex\" : {\n"
      "            \"PostProcessing\" : {\n"
      "                \"Black\" : 0.2500000000000000\n"
      "            }\n"
      "        }\n"
      "    },\n"
      "    \"Curve\" : [\n"
      "        0.000000000000000,\n"
      "        1.000000000000000e+20\n"
      "    ],\n"
      "    \"empty\" : {\n"
      "    }\n"
      "}";
  EXPECT_EQ(Formatted(document), expected);
}

TEST(SettingsDocument, RoundTripKeepsRealsRealAndIntegersInteger) {
  char pattern[] = "/tmp/orvelline-settings-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  const std::string path = (dir / "orvelline 3.0.1.prefs").string();
  orv::SettingsObject document = {{"load", 1}, {"scale", 2.0}, {"third", 1.0 / 3.0}, {"profile", "p"}};
  ASSERT_TRUE(orv::WriteSettingsDocument(path, document));
  const auto back = orv::ReadSettingsDocument(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(orv::IntegerMember(*back, "load"), 1);
  EXPECT_EQ(orv::RealMember(*back, "scale"), 2.0);
  EXPECT_NEAR(*orv::RealMember(*back, "third"), 1.0 / 3.0, 1e-16);
  // Members of the other number type count as absent.
  EXPECT_FALSE(orv::RealMember(*back, "load"));
  EXPECT_FALSE(orv::IntegerMember(*back, "scale"));
  EXPECT_FALSE(orv::StringMember(*back, "load"));
  EXPECT_EQ(orv::StringMember(*back, "profile"), "p");
  EXPECT_EQ(orv::ObjectMember(*back, "profile"), nullptr);

  std::ofstream(path) << "{ \"load\" : 1, ";  // cut short
  EXPECT_FALSE(orv::ReadSettingsDocument(path));
  EXPECT_FALSE(orv::ReadSettingsDocument((dir / "missing.prefs").string()));
  EXPECT_FALSE(orv::WriteSettingsDocument((dir / "no" / "such" / "folder.prefs").string(), document));
  fs::remove_all(dir);
}

TEST(SettingsDocument, FileLivesBesideTheToolkitsPreferencesOfTheVendor) {
  char pattern[] = "/tmp/orvelline-home-XXXXXX";
  const fs::path home = ::mkdtemp(pattern);
  const std::string previous = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", home.c_str(), 1);
  const std::string path = orv::SettingsFilePath();
  ::setenv("HOME", previous.c_str(), 1);
  EXPECT_EQ(fs::path(path).filename(), "orvelline 3.0.1.prefs");
  EXPECT_EQ(path.rfind(home.string(), 0), 0u) << path;
  EXPECT_TRUE(fs::is_directory(fs::path(path).parent_path())) << "the vendor folder is created";
  fs::remove_all(home);
}

}  // namespace
