// Path helpers of gSystem and the resources of gEnv.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TEnv.h"
#include "TSystem.h"
#include "error_capture.h"

namespace fs = std::filesystem;

namespace {
// Sets environment variables for one test and restores them afterwards.
class ScopedEnv {
public:
   void Set(const char *name, const char *value)
   {
      const char *old = std::getenv(name);
      fSaved.push_back({name, old ? old : "", old != nullptr});
      if (value)
         setenv(name, value, 1);
      else
         unsetenv(name);
   }
   ~ScopedEnv()
   {
      for (auto it = fSaved.rbegin(); it != fSaved.rend(); ++it) {
         if (it->had)
            setenv(it->name.c_str(), it->value.c_str(), 1);
         else
            unsetenv(it->name.c_str());
      }
   }

private:
   struct Saved {
      std::string name, value;
      bool had;
   };
   std::vector<Saved> fSaved;
};

struct Owned {
   void operator()(char *p) const { delete[] p; }
};
using OwnedText = std::unique_ptr<char, Owned>;

class TempDir : public testing::Test {
protected:
   void SetUp() override
   {
      char pattern[] = "/tmp/rootcore_test_XXXXXX";
      ASSERT_NE(mkdtemp(pattern), nullptr);
      fRoot = pattern;
   }
   void TearDown() override { fs::remove_all(fRoot); }
   fs::path MakeFile(const fs::path &relative)
   {
      const fs::path path = fRoot / relative;
      fs::create_directories(path.parent_path());
      std::ofstream(path) << "x";
      return path;
   }
   fs::path fRoot;
};

TEST(TSystem, BaseName)
{
   struct Case {
      const char *path, *base;
   } cases[] = {{"/usr/share/fonts/arial.ttf", "arial.ttf"}, {"arial.ttf", "arial.ttf"}, {"/", "/"},
                {"fonts/", ""},                               {"/fonts", "fonts"},         {"", ""}};
   for (const Case &c : cases) EXPECT_STREQ(gSystem->BaseName(c.path), c.base) << c.path;
}

TEST(TSystem, ExpandPathNameVariablesAndHome)
{
   ScopedEnv env;
   env.Set("ORV_TEST_DIR", "/opt/here");
   env.Set("HOME", "/home/tester");
   struct Case {
      const char *in, *out;
   } cases[] = {{"$(ORV_TEST_DIR)/fonts", "/opt/here/fonts"},
                {"$ORV_TEST_DIR/fonts", "/opt/here/fonts"},
                {"a/$ORV_TEST_DIR", "a//opt/here"},
                {"~/fonts", "/home/tester/fonts"},
                {"~", "/home/tester"},
                {"/plain/path", "/plain/path"},
                {"cost$", "cost$"},
                {"a~b", "a~b"}};
   for (const Case &c : cases) {
      OwnedText out(gSystem->ExpandPathName(c.in));
      ASSERT_NE(out, nullptr) << c.in;
      EXPECT_STREQ(out.get(), c.out) << c.in;
      std::string text = c.in;
      EXPECT_FALSE(gSystem->ExpandPathName(text)) << c.in;
      EXPECT_EQ(text, c.out);
   }
}

TEST(TSystem, ExpandPathNameFailsOnUnknownNames)
{
   ScopedEnv env;
   env.Set("ORV_TEST_UNSET", nullptr);
   ErrorCapture capture;
   EXPECT_EQ(gSystem->ExpandPathName("$(ORV_TEST_UNSET)/x"), nullptr);
   std::string text = "~orv_no_such_user_here/x";
   EXPECT_TRUE(gSystem->ExpandPathName(text));
   EXPECT_EQ(text, "~orv_no_such_user_here/x") << "unchanged on failure";
   ASSERT_EQ(ErrorCapture::Reports().size(), 2u);
   EXPECT_EQ(ErrorCapture::Reports()[0].level, kError);
   EXPECT_EQ(ErrorCapture::Reports()[0].location, "TSystem::ExpandPathName");
}

TEST(TSystem, RootsysFromEnvironmentOrBuiltIn)
{
   ScopedEnv env;
   env.Set("ROOTSYS", "/opt/root");
   OwnedText fromEnv(gSystem->ExpandPathName("$(ROOTSYS)/fonts"));
   EXPECT_STREQ(fromEnv.get(), "/opt/root/fonts");

   env.Set("ROOTSYS", nullptr);
   const char *builtin = gSystem->Getenv("ROOTSYS");
   ASSERT_NE(builtin, nullptr);
   EXPECT_EQ(builtin[0], '/');
   OwnedText fromBuiltin(gSystem->ExpandPathName("$(ROOTSYS)/fonts"));
   EXPECT_EQ(std::string(fromBuiltin.get()), std::string(builtin) + "/fonts");
}

TEST_F(TempDir, WhichSearchesTheFolderList)
{
   const fs::path second = MakeFile("b/arial.ttf");
   MakeFile("c/arial.ttf");
   fs::create_directories(fRoot / "a");
   const std::string search = (fRoot / "a").string() + ":" + (fRoot / "b").string() + ":" + (fRoot / "c").string();
   OwnedText found(gSystem->Which(search.c_str(), "arial.ttf", kReadPermission));
   ASSERT_NE(found, nullptr);
   EXPECT_EQ(fs::path(found.get()), second) << "the first folder holding it wins";

   EXPECT_EQ(gSystem->Which(search.c_str(), "times.ttf", kReadPermission), nullptr);
   EXPECT_EQ(gSystem->Which(search.c_str(), "", kReadPermission), nullptr);
}

TEST_F(TempDir, WhichExpandsTheFolderAndTakesAbsoluteNames)
{
   const fs::path font = MakeFile("fonts/cour.ttf");
   ScopedEnv env;
   env.Set("ROOTSYS", fRoot.c_str());
   OwnedText found(gSystem->Which("$(ROOTSYS)/fonts/", "cour.ttf", kReadPermission));
   ASSERT_NE(found, nullptr);
   EXPECT_EQ(fs::path(found.get()), font);

   OwnedText absolute(gSystem->Which("/nowhere", font.c_str(), kFileExists));
   ASSERT_NE(absolute, nullptr);
   EXPECT_STREQ(absolute.get(), font.c_str());
   EXPECT_EQ(gSystem->Which(fRoot.c_str(), (fRoot / "missing.ttf").c_str(), kFileExists), nullptr);
}

TEST(TEnv, FontPathDefault)
{
#ifdef ORV_ROOT_FONT_DIR
   EXPECT_STREQ(gEnv->GetValue("Root.TTFontPath", "unset"), ORV_ROOT_FONT_DIR);
#else
   EXPECT_STREQ(gEnv->GetValue("Root.TTFontPath", "unset"), "$(ROOTSYS)/fonts");
#endif
}

TEST(TEnv, TypedValuesAndDefaults)
{
   TEnv env;
   EXPECT_STREQ(env.GetValue("Orv.Missing", "dflt"), "dflt");
   EXPECT_EQ(env.GetValue("Orv.Missing", 7), 7);
   EXPECT_EQ(env.GetValue("Orv.Missing", 2.5), 2.5);
   EXPECT_FALSE(env.Defined("Orv.Missing"));

   env.SetValue("Orv.Count", 42);
   env.SetValue("Orv.Ratio", 0.1);
   env.SetValue("Orv.Text", "hello");
   EXPECT_TRUE(env.Defined("Orv.Count"));
   EXPECT_EQ(env.GetValue("Orv.Count", 0), 42);
   EXPECT_EQ(env.GetValue("Orv.Ratio", 0.0), 0.1);
   EXPECT_STREQ(env.GetValue("Orv.Text", ""), "hello");
   EXPECT_EQ(env.GetValue("Orv.Text", 3), 3) << "not a number: the default";

   struct Case {
      const char *text;
      int value;
   } cases[] = {{"yes", 1}, {"TRUE", 1}, {"on", 1}, {"no", 0}, {"False", 0}, {"off", 0}, {"-12", -12}, {"0x10", 16}};
   for (const Case &c : cases) {
      env.SetValue("Orv.Flag", c.text);
      EXPECT_EQ(env.GetValue("Orv.Flag", 99), c.value) << c.text;
   }
}
} // namespace
