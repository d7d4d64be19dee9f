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

// Until the operators exist the render maps nothing: the picture comes back
// through the real read and write paths and the display profile's tables, within
// one code value at 8 bits, eight at 16 bits (16-bit linear values are coarse in
// the shadows) and one float rounding at 32 bits.
TEST_F(CommandLine, MtTamWestComesBackWithinTablePrecisionAtEveryDepth) {
  const fs::path input = SharedImage("MtTamWest.exr");
  if (!fs::exists(input)) GTEST_SKIP() << "no shared test images";
  const fs::path home = dir / "home";
  const std::map<std::string, std::string> env = {
      {"DISPLAY", ""}, {"HOME", home.string()}, {"XDG_CACHE_HOME", (home / "cache").string()}};
  const auto original = orvhost::DecodeImageFile(input.string());
  for (const char* depth : {"8", "16", "32", ""}) {
    const fs::path out = dir / "out.exr";
    std::vector<std::string> args = {"-q", "--no-dialog", input.string(), out.string()};
    if (*depth) args.insert(args.begin(), {"--depth", depth});
    const ProgramRun run = RunOrvelline(args, env);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const int bits = *depth ? std::stoi(depth) : 32;
    const orvhost::Document expected = orvhost::ToDocument(original, bits);
    const orvhost::Document result = orvhost::ToDocument(orvhost::DecodeImageFile(out.string()), bits);
    ASSERT_EQ(result.Width(), expected.Width());
    ASSERT_EQ(result.Height(), expected.Height());
    float worst = 0;
    for (int k = 0; k < 3; ++k)
      for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x) {
          const float a = result.Value(k, x, y), b = expected.Value(k, x, y);
          if (std::isnan(a) && std::isnan(b)) continue;
          const float bound = bits == 32 ? std::fabs(b) * FLT_EPSILON : bits == 8 ? 1.0f : 8.0f;
          ASSERT_LE(std::fabs(a - b), bound) << "depth " << bits << ", plane " << k << " at " << x << "," << y;
          worst = std::max(worst, std::fabs(a - b));
        }
    RecordProperty(std::string("max_difference_") + (*depth ? depth : "default"), std::to_string(worst));
    fs::remove(out);
  }
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
