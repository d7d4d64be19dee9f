// The final render end to end through the host routines, per operator, and the
// per-pixel post-processing on its own.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "TH1.h"
#include "host/LinkedPlugin.h"
#include "hostapp/SampleScene.h"
#include "mapping/PostProcessing.h"

namespace {

// Operator index: 0 Simplex, 1 Receptor, 2 Compressor. Headless, so the
// watcher loop sleeps instead of drawing a progress window.
void BM_RenderSampleScene(benchmark::State& state) {
  static const char* const kNames[] = {"Simplex", "Receptor", "Compressor"};
  ::unsetenv("DISPLAY");
  ::setenv("ORVELLINE_OPERATOR", kNames[state.range(0)], 1);
  const orvhost::Document document =
      orvhost::ToDocument(orvhost::MakeSampleScene(static_cast<int>(state.range(1)), static_cast<int>(state.range(2))), 32);
  for (auto _ : state) {
    orvhost::FilterHost host(document, {});
    const auto outcome = orvhost::InvokeFilter(LinkedPlugin(), host, orvhost::RunMode::NoDialog);
    if (outcome.result != 0) state.SkipWithError("render failed");
  }
  state.SetLabel(kNames[state.range(0)]);
  state.counters["Mpixel/s"] = benchmark::Counter(double(state.range(1)) * state.range(2) * state.iterations() / 1e6,
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderSampleScene)->Args({0, 2400, 1600})->Args({1, 2400, 1600})->Args({2, 2400, 1600})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MapToOutput(benchmark::State& state) {
  const int count = 300 * 300;
  TH1D table("bench_curve", "", 2048, -10.0, 10.0);
  table.SetDirectory(nullptr);
  for (int bin = 0; bin <= 2049; ++bin) table.SetBinContent(bin, -8.0 + 8.0 * bin / 2049.0);
  std::vector<float> log2(count), rgb(3 * count), out(3 * count);
  for (int i = 0; i < count; ++i) {
    log2[i] = -10.0f + 20.0f * i / count;
    rgb[3 * i] = 0.2f + (i % 7) * 0.1f, rgb[3 * i + 1] = 0.5f, rgb[3 * i + 2] = 0.3f + (i % 5) * 0.1f;
  }
  const double saturation = state.range(0) / 100.0;
  for (auto _ : state) {
    orv::MapToOutput(table, saturation, log2.data(), rgb.data(), out.data(), count);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["Mpixel/s"] = benchmark::Counter(double(count) * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MapToOutput)->Arg(100)->Arg(80);

}  // namespace
