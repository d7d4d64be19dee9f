// orvelline as users meet it: options, exit codes, one-line errors, and files
// that are never written or overwritten when something goes wrong.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "hostapp/ImageFiles.h"
#include "hostapp/RunProgram.h"

namespace fs = std::filesystem;

namespace {

const std::map<std::string, std::string> kHeadless = {{"DISPLAY", ""}};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// An 8-bit binary PNM with a smooth pattern.
void WritePnm(const fs::path& path, int width, int height) {
  std::string bytes = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bytes.push_back(static_cast<char>(x % 256));
      bytes.push_back(static_cast<char>(y % 256));
      bytes.push_back(static_cast<char>((x + y) % 256));
    }
  WriteBytes(path, bytes);
}

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

fs::path SharedImage(const char* name) { return fs::path(ORV_SHARED_TESTDATA) / "exr" / name; }

class CommandLine : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    char pattern[] = "/tmp/orvelline-cli-XXXXXX";
    dir = ::mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir); }
  // The folder holds nothing but what the test put there: no output, no temporary leftovers.
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(CommandLine, HelpAndVersionAnswerOnStdoutAndSucceed) {
  const ProgramRun help = RunOrvelline({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: orvelline [OPTIONS] [INPUT] OUTPUT"), std::string::npos);
  EXPECT_NE(help.out.find("3 cancelled"), std::string::npos);
  EXPECT_TRUE(help.err.empty());
  const ProgramRun version = RunOrvelline({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "orvelline 3.0.1\n");
}

TEST_F(CommandLine, UsageErrorsExitWithTwoAndPointToHelp) {
  const std::string out = (dir / "out.png").string();
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--bogus", out},
      {"--depth", "12", out},
      {"--depth"},
      {"a.exr", "b.exr", out},
      {"--dialog", "--no-dialog", out},
      {"--operator", "receptor", out},
      {(dir / "out.xyz").string()},
  };
  for (const auto& args : cases) {
    const ProgramRun run = RunOrvelline(args, kHeadless);
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    EXPECT_EQ(run.exitCode, 2) << shown << run.err;
    EXPECT_EQ(run.err.rfind("orvelline: ", 0), 0u) << shown;
    EXPECT_EQ(Files(), std::vector<std::string>{}) << shown;
  }
}

TEST_F(CommandLine, BadInputIsOneLineNamingTheFileAndWritesNothing) {
  WriteBytes(dir / "garbage.exr", std::string(500, 'x'));
  WriteBytes(dir / "empty.png", "");
  WriteBytes(dir / "zero.ppm", "P6\n0 0\n255\n");
  WritePnm(dir / "good.ppm", 8, 8);
  std::string truncated = ReadBytes(dir / "good.ppm");
  WriteBytes(dir / "truncated.ppm", truncated.substr(0, truncated.size() / 2));
  fs::create_directory(dir / "folder.exr");
  WriteBytes(dir / "out.png", "keep me");

  const std::vector<std::string> inputs = {"missing.exr", "garbage.exr", "empty.png", "zero.ppm", "truncated.ppm",
                                           "folder.exr"};
  for (const std::string& name : inputs) {
    const std::string input = (dir / name).string();
    const ProgramRun run = RunOrvelline({input, (dir / "out.png").string()}, kHeadless);
    EXPECT_EQ(run.exitCode, 1) << name << ": " << run.err;
    EXPECT_EQ(run.err.rfind("orvelline: " + input + ": ", 0), 0u) << run.err;
    EXPECT_EQ(CountLines(run.err), 1) << run.err;
    EXPECT_EQ(ReadBytes(dir / "out.png"), "keep me") << name << ": an existing output stays untouched";
  }
  EXPECT_EQ(Files().size(), inputs.size() + 1) << "no temporary file is left behind";
}

TEST_F(CommandLine, DamagedOpenExrFilesAreRefusedWithoutACrash) {
  const fs::path damaged = fs::path(ORV_SHARED_TESTDATA) / "damaged";
  if (!fs::is_directory(damaged)) GTEST_SKIP() << "no shared test images";
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the decoder's memory budget cannot be enforced under the address sanitizer";
#endif
  for (const auto& entry : fs::directory_iterator(damaged)) {
    const std::string input = entry.path().string();
    const ProgramRun run = RunOrvelline({"-q", input, (dir / "out.exr").string()}, kHeadless);
    ASSERT_GE(run.exitCode, 0) << input << " killed the program";
    EXPECT_EQ(run.exitCode, 1) << input << ": " << run.err;
    EXPECT_EQ(CountLines(run.err), 1) << run.err;
    EXPECT_EQ(run.err.rfind("orvelline: " + input + ": ", 0), 0u) << run.err;
    EXPECT_FALSE(fs::exists(dir / "out.exr"));
  }
  EXPECT_EQ(Files(), std::vector<std::string>{});
}

TEST_F(CommandLine, RefusesToOverwriteTheInputOrToWriteWhereItCannot) {
  WritePnm(dir / "in.ppm", 16, 16);
  const std::string before = ReadBytes(dir / "in.ppm");
  fs::create_directory(dir / "sub");
  struct Case {
    std::string output;
    std::string reason;
  } cases[] = {
      {(dir / "in.ppm").string(), "is the input file"},
      {(dir / "sub" / ".." / "in.ppm").string(), "is the input file"},
      {(dir / "nowhere" / "out.png").string(), "does not exist"},
      {(dir / "sub").string() + "/", "cannot tell the output format"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunOrvelline({(dir / "in.ppm").string(), c.output}, kHeadless);
    EXPECT_NE(run.exitCode, 0) << c.output;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.output << ": " << run.err;
    EXPECT_EQ(CountLines(run.err), 1) << run.err;
    EXPECT_EQ(ReadBytes(dir / "in.ppm"), before);
  }
  const ProgramRun folder = RunOrvelline({(dir / "in.ppm").string(), (dir / "sub.png").string()}, kHeadless);
  EXPECT_EQ(folder.exitCode, 0) << folder.err;
  fs::create_directory(dir / "taken.png");
  const ProgramRun ontoFolder = RunOrvelline({(dir / "in.ppm").string(), (dir / "taken.png").string()}, kHeadless);
  EXPECT_EQ(ontoFolder.exitCode, 1);
  EXPECT_NE(ontoFolder.err.find("is a folder"), std::string::npos) << ontoFolder.err;
}

TEST_F(CommandLine, SampleSceneRendersWithoutADisplay) {
  const fs::path out = dir / "sample-out.png";
  const ProgramRun run = RunOrvelline({"--no-dialog", out.string()}, kHeadless);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Files(), std::vector<std::string>{"sample-out.png"});
  const orvhost::DecodedImage image = orvhost::DecodeImageFile(out.string());
  EXPECT_EQ(image.width, 1200);
  EXPECT_EQ(image.height, 800);
  EXPECT_EQ(image.bits, 16);
  // A picture, not a flat field: dark room and bright sky both present.
  const auto [low, high] = std::minmax_element(image.rgb.begin(), image.rgb.end());
  EXPECT_LT(*low, 0.05f * 65535);
  EXPECT_GT(*high, 0.95f * 65535);
}

// The same picture tone-mapped from documents of every depth keeps its range
// (deep shadows and near-white highlights). 8 and 16 bits hold the same
// clipped picture, so through the linearisation tables their results agree.
TEST_F(CommandLine, MtTamWestTonemapsAlikeAtEveryDepth) {
  const fs::path input = SharedImage("MtTamWest.exr");
  if (!fs::exists(input)) GTEST_SKIP() << "no shared test images";
  const fs::path home = dir / "home";
  const std::map<std::string, std::string> env = {
      {"DISPLAY", ""}, {"HOME", home.string()}, {"XDG_CACHE_HOME", (home / "cache").string()}};
  std::map<std::string, orvhost::DecodedImage> results;
  for (const char* depth : {"8", "16", "32"}) {
    const fs::path out = dir / (std::string("out") + depth + ".png");
    const ProgramRun run = RunOrvelline({"-q", "--depth", depth, input.string(), out.string()}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    results[depth] = orvhost::DecodeImageFile(out.string());
    if (results[depth].bits == 8)  // an 8-bit document is written with 8 bits
      for (float& v : results[depth].rgb) v *= 257.0f;
  }
  for (const auto& [depth, image] : results) {
    const auto [low, high] = std::minmax_element(image.rgb.begin(), image.rgb.end());
    EXPECT_LT(*low, 0.05f * 65535) << depth;
    EXPECT_GT(*high, 0.9f * 65535) << depth;
  }
  const auto& eight = results["8"];
  const auto& sixteen = results["16"];
  ASSERT_EQ(eight.rgb.size(), sixteen.rgb.size());
  double sum = 0;
  for (size_t i = 0; i < eight.rgb.size(); ++i) sum += std::fabs(eight.rgb[i] - sixteen.rgb[i]);
  const double mean = sum / eight.rgb.size() / 65535.0;
  RecordProperty("mean_difference_8_to_16_bits", std::to_string(mean));
  EXPECT_LT(mean, 0.02);
}

TEST_F(CommandLine, InterruptCancelsTheRenderWithExitThreeAndNoFile) {
  WritePnm(dir / "big.ppm", 6000, 3000);
  const fs::path out = dir / "out.png";
  Program program({OrvellinePath(), "--progress", (dir / "big.ppm").string(), out.string()}, kHeadless);
  ASSERT_TRUE(program.WaitForError("%")) << "the render shows progress";
  program.Signal(SIGINT);
  const ProgramRun run = program.Finish();
  EXPECT_EQ(run.exitCode, 3) << run.err;
  EXPECT_NE(run.err.find("cancelled"), std::string::npos);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Files(), std::vector<std::string>{"big.ppm"});
}

}  // namespace
