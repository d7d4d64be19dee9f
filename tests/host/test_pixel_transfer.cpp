// Pixel transfer: sample conversions, the full-resolution read, sampled region
// reads through the host, tile writes, and documents the render must cope with.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>
#include <vigra/error.hxx>

#include "dialog/OrvRunContext.h"
#include "host/HostRecord.h"
#include "host/LinkedPlugin.h"
#include "host/PixelTransfer.h"
#include "host/ResultCodes.h"
#include "mapping/ColourTables.h"
#include "mapping/OrvMappingStage.h"

namespace {

using orvhost::Document;
using orvhost::FilterHost;
using orvhost::RunMode;

std::vector<std::uint16_t> Table(std::uint16_t (*entry)(int)) {
  std::vector<std::uint16_t> table(orv::kColourTableSize);
  for (int v = 0; v < 65536; ++v) table[v] = entry(v);
  return table;
}

TEST(SampleConversion, InputIndicesAndOutputSamplesAtTheEdges) {
  orv::detail::ResetInputTables();  // identity: a linear value is the table index
  const orv::ColourChannelTables& input = orv::InputTables();
  EXPECT_EQ(orv::SourceSample(input, 0, std::uint8_t{255}), 65535.0f);
  EXPECT_EQ(orv::SourceSample(input, 1, std::uint8_t{1}), 257.0f);
  EXPECT_EQ(orv::SourceSample(input, 2, std::uint16_t{32768}), 65535.0f);
  EXPECT_EQ(orv::SourceSample(input, 0, std::uint16_t{1}), 1.0f);
  EXPECT_EQ(orv::SourceSample(input, 0, 3.5f), 3.5f) << "32-bit samples bypass the tables";

  const auto identity = Table([](int v) { return std::uint16_t(v); });
  const auto marked = Table([](int v) { return std::uint16_t(v == 0 ? 4660 : 65535); });
  struct Case {
    float value;
    int eight, sixteen;  // through the identity table
  } cases[] = {
      {65535.0f, 255, 32767}, {65535.9f, 255, 32767}, {1e30f, 255, 32767}, {256.0f, 1, 128},
      {255.9f, 0, 127},       {-0.5f, 0, 0},          {-70000.0f, 0, 0},   {std::nanf(""), 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(orv::OutputSample8(identity, c.value), c.eight) << c.value;
    EXPECT_EQ(orv::OutputSample16(identity, c.value), c.sixteen) << c.value;
  }
  // Below 0 is clamped onto entry 0, never wrapped onto a high entry.
  EXPECT_EQ(orv::OutputSample16(marked, -1.0f), 4660 / 2);
  EXPECT_EQ(orv::OutputSample8(marked, -1.0f), 4660 / 256);
  EXPECT_EQ(orv::OutputSample32(65535.0f), 1.0f);
  EXPECT_EQ(orv::OutputSample32(-65535.0f), -1.0f) << "no table, no clamp at 32 bits";
}

// The plug-in's view of a host, as during a start call, without running the filter.
class HostSession : public ::testing::Test {
 protected:
  // The host serves the document by reference: the fixture keeps it.
  void Open(Document served) {
    document = std::move(served);
    host = std::make_unique<FilterHost>(document, orvhost::HostOptions{});
    gFilterRecord = host->Record();
    const void* suite = nullptr;
    host->BasicSuite()->acquireSuite(ORV_CHANNEL_PORTS_SUITE, ORV_CHANNEL_PORTS_SUITE_VERSION, &suite);
    orv::SetChannelPorts(static_cast<const OrvChannelPortsSuite*>(suite));
  }
  void TearDown() override {
    orv::SetChannelPorts(nullptr);
    gFilterRecord = nullptr;
  }
  void SetUp() override { orv::detail::ResetInputTables(); }

  Document document;
  std::unique_ptr<FilterHost> host;
  OrvMappingStage stage;
};

Document Uniform(int width, int height, int depth, float value) {
  Document document(width, height, depth);
  for (int k = 0; k < 3; ++k)
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) document.SetValue(k, x, y, value);
  return document;
}

float Finest(const OrvMappingStage& stage, int x, int y) {
  const OrvLevelImage& level = stage.Levels().back();
  return level.Row(y)[x - level.XMap()(0, 0)];
}

TEST_F(HostSession, AUniformImageTakesTheSmallestNormalFloatAsMinimum) {
  Open(Uniform(7, 5, 8, 10));
  stage.BuildPyramid(7, 5);
  orv::ReadChannelLevel(stage);
  EXPECT_EQ(stage.Minimum(), double(FLT_MIN));
  EXPECT_EQ(stage.Maximum(), 2570.0);
  EXPECT_FLOAT_EQ(Finest(stage, 6, 4), std::log2(2570.0f));
  EXPECT_NEAR(stage.LogAverage(), 2570.0, 1e-6);
}

TEST_F(HostSession, ABlackPixelCountsAsTheMinimumAndNonFiniteSamplesAreClamped) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  Document pixels = Uniform(4, 2, 32, 0.5f);
  // Row 0: black, NaN, −Inf, +Inf in one channel; (3, 1): +Inf beside −Inf.
  pixels.SetValue(0, 0, 0, 0.0f), pixels.SetValue(1, 0, 0, 0.0f), pixels.SetValue(2, 0, 0, 0.0f);
  pixels.SetValue(1, 1, 0, std::nanf(""));
  pixels.SetValue(2, 2, 0, -kInf);
  pixels.SetValue(0, 3, 0, kInf);
  pixels.SetValue(0, 3, 1, kInf), pixels.SetValue(1, 3, 1, -kInf);
  pixels.SetValue(2, 0, 1, 0.25f);
  Open(std::move(pixels));
  stage.BuildPyramid(4, 2);
  orv::ReadChannelLevel(stage);
  EXPECT_EQ(stage.Minimum(), 0.25);
  EXPECT_EQ(stage.Maximum(), 0.5);
  const float lowest = std::log2(0.25f), highest = std::log2(0.5f);
  EXPECT_EQ(Finest(stage, 0, 0), lowest) << "black";
  EXPECT_EQ(Finest(stage, 1, 0), lowest) << "NaN";
  EXPECT_EQ(Finest(stage, 2, 0), lowest) << "-Inf";
  EXPECT_EQ(Finest(stage, 3, 0), highest) << "+Inf";
  EXPECT_EQ(Finest(stage, 3, 1), lowest) << "+Inf and -Inf";
  for (const OrvLevelImage& level : stage.Levels())
    for (int y = 0; y < level.Height(); ++y)
      for (int x = 0; x < level.Width(); ++x) ASSERT_TRUE(std::isfinite(level.Row(y)[x]));
  EXPECT_TRUE(std::isfinite(stage.LogAverage()));
}

TEST_F(HostSession, AllBlackDocumentStaysFinite) {
  Open(Uniform(3, 3, 16, 0));
  stage.BuildPyramid(3, 3);
  orv::ReadChannelLevel(stage);
  EXPECT_EQ(Finest(stage, 1, 1), std::log2(FLT_MIN));
  EXPECT_EQ(stage.Minimum(), double(FLT_MIN));
}

// A 32-bit document whose box means are exact in float.
Document Ramp(int width, int height) {
  Document document(width, height, 32);
  for (int k = 0; k < 3; ++k)
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) document.SetValue(k, x, y, float(x + 64 * y + 4096 * k));
  return document;
}

TEST_F(HostSession, RegionsAreReadAtTheRateOfTheirLevelAsBoxMeans) {
  const int width = 41, height = 37;  // odd: the last reduced samples cover fewer pixels
  Open(Ramp(width, height));
  stage.BuildPyramid(width, height);  // levels 41, 21, 11, 6, 3 wide
  struct Case {
    int levelFromFinest, rate;
  } cases[] = {{0, 1}, {1, 2}, {2, 4}};
  for (const Case& c : cases) {
    const OrvLevelImage& level = stage.Levels()[stage.Levels().size() - 1 - c.levelFromFinest];
    const int w = level.SourceWidth(), h = level.SourceHeight();
    // The whole level, sampled one to one: the preview's kind of list.
    std::vector<OrvLevelImage> list;
    stage.PrepareRegion(list, {w, h}, {0, 0}, {w, h});
    orv::RgbImage rgb(w, h);
    orv::ReadLevelRegion(stage, list, rgb);
    EXPECT_EQ(host->Record()->inputRate, c.rate << 16);
    for (int k = 0; k < 3; ++k)
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
          double sum = 0;
          int count = 0;
          for (int y = j * c.rate; y < std::min(height, (j + 1) * c.rate); ++y)
            for (int x = i * c.rate; x < std::min(width, (i + 1) * c.rate); ++x, ++count)
              sum += document.Value(k, x, y);
          ASSERT_FLOAT_EQ(rgb(i, j)[k], float(sum / count)) << "rate " << c.rate << ", " << i << "," << j;
        }
  }
}

TEST_F(HostSession, AnEmptyOrMisSizedImageIsRefusedWithoutHoldingTheHost) {
  Open(Ramp(20, 20));
  stage.BuildPyramid(20, 20);
  std::vector<OrvLevelImage> list;
  stage.PrepareRegion(list, {20, 20}, {0, 0}, {5, 5});
  orv::RgbImage empty, wrong(6, 5);
  EXPECT_THROW(orv::ReadLevelRegion(stage, list, empty), vigra::PreconditionViolation);
  EXPECT_THROW(orv::ReadLevelRegion(stage, list, wrong), vigra::PreconditionViolation);
  ASSERT_TRUE(orv::HostCriticalSection().try_lock()) << "the lock was released";
  orv::HostCriticalSection().unlock();
}

TEST_F(HostSession, ATileIsWrittenThroughTheOutputTablesAtItsOwnSize) {
  Open(Uniform(10, 4, 8, 0));
  OrvRunContext context;  // identity tables until a profile is applied
  std::vector<OrvRect32> writes;
  host->onWrite = [&](const OrvRect32& r) { writes.push_back(r); };
  orv::RgbImage tile(3, 2);
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 3; ++i) tile(i, j) = vigra::RGBValue<float>(65535.0f, 256.0f * i, -1.0f);
  orv::WriteTile(context, 1, 7, tile);
  ASSERT_EQ(writes.size(), 3u);
  for (const OrvRect32& r : writes)
    EXPECT_EQ((std::tuple{r.top, r.left, r.bottom, r.right}), (std::tuple{1, 7, 3, 10}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(host->Output().Value(0, 7 + i, 2), 255);
    EXPECT_EQ(host->Output().Value(1, 7 + i, 2), i);
    EXPECT_EQ(host->Output().Value(2, 7 + i, 2), 0) << "a negative value stays black";
  }
  EXPECT_EQ(host->Output().Value(0, 6, 2), 0) << "left of the tile untouched";
}

// Whole runs through the linked entry points.
struct Render {
  explicit Render(const Document& input) : host(input, {}) {}
  int16_t Invoke() { return orvhost::InvokeFilter(LinkedPlugin(), host, RunMode::NoDialog).result; }
  FilterHost host;
};

TEST(SmallDocuments, RenderAtEveryDepthWithEveryOperator) {
  for (const char* op : {"Simplex", "Receptor", "Compressor"})
    for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {1, 7}, {3, 2}})
      for (int depth : {8, 16, 32}) {
        ::setenv("ORVELLINE_OPERATOR", op, 1);
        const Document input = PatternDocument(w, h, depth);
        Render run(input);
        ASSERT_EQ(run.Invoke(), 0) << op << " " << w << " x " << h << " at " << depth;
        const float white = depth == 8 ? 255.0f : depth == 16 ? 32768.0f : 1.0f;
        for (int k = 0; k < 3; ++k)
          for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
              const float v = run.host.Output().Value(k, x, y);
              EXPECT_TRUE(v >= 0.0f && v <= white) << op << " " << w << " x " << h << " at " << depth << ": " << v;
            }
        ::unsetenv("ORVELLINE_OPERATOR");
      }
}

TEST(ChannelCount, OnlyTheFirstThreeChannelsAreUsedAndFewerAreRefused) {
  const Document input = PatternDocument(12, 9, 8);
  {
    // A fourth channel whose ports the host would not serve: never touched.
    Render run(input);
    OrvChannelDesc* blue = run.host.Record()->documentInfo->targetCompositeChannels->next->next;
    OrvChannelDesc alpha{8, reinterpret_cast<OrvChannelReadPort>(uintptr_t{99}),
                         reinterpret_cast<OrvChannelWritePort>(uintptr_t{99}), "Alpha", nullptr};
    blue->next = &alpha;
    int writes = 0;
    run.host.onWrite = [&](const OrvRect32&) { ++writes; };
    EXPECT_EQ(run.Invoke(), 0);
    EXPECT_EQ(writes, 3);
    blue->next = nullptr;
  }
  {
    Render run(input);
    run.host.Record()->documentInfo->targetCompositeChannels->next->next = nullptr;
    int writes = 0;
    run.host.onWrite = [&](const OrvRect32&) { ++writes; };
    testing::internal::CaptureStderr();
    EXPECT_EQ(run.Invoke(), orv::kResultBadMode);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("2 colour channels"), std::string::npos);
    EXPECT_EQ(writes, 0);
  }
}

}  // namespace
