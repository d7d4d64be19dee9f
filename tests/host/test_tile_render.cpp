// The final render: tile geometry, every pixel written exactly once, and Cancel.
#include <gtest/gtest.h>

#include <cfloat>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cmath>
#include <map>
#include <mutex>
#include <thread>
#include <set>
#include <tuple>
#include <vector>

#include "host/LinkedPlugin.h"
#include "host/ResultCodes.h"
#include "host/TileRender.h"

namespace {

using orvhost::Document;
using orvhost::FilterHost;
using orvhost::RunMode;

TEST(TileGrid, SplitsIntoTilesOf300WithNarrowLastOnes) {
  struct Case {
    int width, height, count, lastWidth, lastHeight;
  } cases[] = {
      {301, 300, 2, 1, 300}, {300, 300, 1, 300, 300}, {1, 1, 1, 1, 1}, {2700, 1500, 45, 300, 300},
      {0, 300, 0, 0, 300},   {599, 601, 6, 299, 1},
  };
  for (const Case& c : cases) {
    const orv::TileGrid grid{c.width, c.height};
    EXPECT_EQ(grid.Count(), c.count) << c.width << " x " << c.height;
    if (c.count == 0) continue;
    EXPECT_EQ(grid.TileWidth((grid.Columns() - 1) * 300), c.lastWidth);
    EXPECT_EQ(grid.TileHeight((grid.Rows() - 1) * 300), c.lastHeight);
  }
}

// Records every channel write of a run.
struct WriteLog {
  std::mutex lock;
  std::vector<OrvRect32> rects;
  void Attach(FilterHost& host) {
    host.onWrite = [this](const OrvRect32& r) {
      std::lock_guard<std::mutex> guard(lock);
      rects.push_back(r);
    };
  }
};

// A pointwise operator maps equal source pixels to equal output pixels,
// whichever tile they fall in; outputs stay on the document's scale.
void ExpectPointwiseAndInRange(const Document& input, const Document& output) {
  const float white = input.Depth() == 8 ? 255.0f : input.Depth() == 16 ? 32768.0f : 1.0f;
  std::map<std::array<float, 3>, std::array<float, 3>> seen;
  for (int y = 0; y < input.Height(); ++y)
    for (int x = 0; x < input.Width(); ++x) {
      const std::array<float, 3> in{input.Value(0, x, y), input.Value(1, x, y), input.Value(2, x, y)};
      const std::array<float, 3> out{output.Value(0, x, y), output.Value(1, x, y), output.Value(2, x, y)};
      for (float v : out) ASSERT_TRUE(v >= 0.0f && v <= white) << v << " at " << x << "," << y;
      const auto [it, fresh] = seen.emplace(in, out);
      ASSERT_EQ(it->second, out) << "at " << x << "," << y;
    }
}

// Runs the render with the operator named (through the variable the run
// without dialog takes it from until settings choose it).
struct OperatorScope {
  explicit OperatorScope(const char* name) { ::setenv("ORVELLINE_OPERATOR", name, 1); }
  ~OperatorScope() { ::unsetenv("ORVELLINE_OPERATOR"); }
};

TEST(TileRender, EveryPixelOfEveryPlaneIsWrittenOnceAndMappedAlike) {
  struct Case {
    int width, height, depth;
    bool big;
    const char* op;
  } cases[] = {{301, 300, 8, false, "Receptor"}, {301, 300, 16, false, "Simplex"},
               {301, 300, 32, false, "Receptor"}, {650, 320, 16, true, "Receptor"},
               {1, 1, 8, false, "Simplex"},       {3, 601, 32, false, "Receptor"}};
  for (const Case& c : cases) {
    const OperatorScope scope(c.op);
    const Document input = PatternDocument(c.width, c.height, c.depth);
    orvhost::HostOptions options;
    options.bigDocument = c.big;
    FilterHost host(input, options);
    WriteLog log;
    log.Attach(host);
    const auto outcome = orvhost::InvokeFilter(LinkedPlugin(), host, RunMode::NoDialog);
    ASSERT_EQ(outcome.result, 0);

    std::vector<int> coverage(static_cast<size_t>(c.width) * c.height, 0);
    for (const OrvRect32& r : log.rects)
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++coverage[static_cast<size_t>(y) * c.width + x];
    for (int count : coverage) ASSERT_EQ(count, 3) << c.width << " x " << c.height << ": one write per plane";
    const orv::TileGrid grid{c.width, c.height};
    EXPECT_EQ(log.rects.size(), 3u * grid.Count());
    ExpectPointwiseAndInRange(input, host.Output());
  }
}

TEST(TileRender, A301By300DocumentWritesTwoTilesAtTheirOwnWidth) {
  const Document input = PatternDocument(301, 300, 8);
  FilterHost host(input, {});
  WriteLog log;
  log.Attach(host);
  ASSERT_EQ(orvhost::InvokeFilter(LinkedPlugin(), host, RunMode::NoDialog).result, 0);
  std::set<std::tuple<int, int, int, int>> tiles;
  for (const OrvRect32& r : log.rects) tiles.insert({r.top, r.left, r.bottom, r.right});
  const std::set<std::tuple<int, int, int, int>> expected{{0, 0, 300, 300}, {0, 300, 300, 301}};
  EXPECT_EQ(tiles, expected);
}

TEST(TileRender, CancelStartsNoNewTileAndFinishesTheRunningOnes) {
  // 20 × 2 tiles; the host asks to stop as soon as the first channel is written,
  // and is slow enough that the watcher sees it while tiles remain.
  const Document input = PatternDocument(6000, 600, 8);
  FilterHost host(input, {});
  WriteLog log;
  host.onWrite = [&](const OrvRect32& r) {
    std::lock_guard<std::mutex> guard(log.lock);
    log.rects.push_back(r);
    host.RequestAbort();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  };
  const auto outcome = orvhost::InvokeFilter(LinkedPlugin(), host, RunMode::NoDialog);
  EXPECT_EQ(outcome.result, orv::kResultCancelled);

  std::map<std::pair<int, int>, int> planesPerTile;
  for (const OrvRect32& r : log.rects) ++planesPerTile[{r.top, r.left}];
  EXPECT_LT(planesPerTile.size(), 40u) << "tiles after the cancel were skipped";
  for (const auto& [origin, planes] : planesPerTile)
    EXPECT_EQ(planes, 3) << "a tile that was running is written whole, at " << origin.second << "," << origin.first;
}

}  // namespace

namespace {

TEST(TileRender, AUniformDocumentRendersUniformAndFiniteWithEveryOperator) {
  for (const char* op : {"Simplex", "Receptor", "Compressor"})
    for (int depth : {8, 32}) {
      const OperatorScope scope(op);
      Document input(350, 40, depth);
      for (int k = 0; k < 3; ++k)
        for (int y = 0; y < 40; ++y)
          for (int x = 0; x < 350; ++x) input.SetValue(k, x, y, depth == 8 ? 90.0f : 0.2f);
      FilterHost host(input, {});
      ASSERT_EQ(orvhost::InvokeFilter(LinkedPlugin(), host, RunMode::NoDialog).result, 0) << op;
      const float first = host.Output().Value(0, 0, 0);
      EXPECT_TRUE(std::isfinite(first)) << op << " at " << depth;
      for (int k = 0; k < 3; ++k)
        for (int y = 0; y < 40; ++y)
          for (int x = 0; x < 350; ++x) ASSERT_EQ(host.Output().Value(k, x, y), first) << op << " at " << depth;
    }
}

}  // namespace
