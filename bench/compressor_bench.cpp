// One Compressor run (default parameters) over the whole of a 1200 × 800
// source, as the overview run and as a tile-style run reading the tables.

#include "compressor/CompressorOperator.h"
#include "tests/compressor/RegionPyramid.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

void BM_CompressorRun(benchmark::State& state)
{
    const bool overview = state.range(0) != 0;
    const auto pyramid = orv::testing::WholeImage(kWidth, kHeight, 0, orv::testing::RoomScene);
    orv::CompressorParameters parameters;
    orv::CompressorTables tables;
    vigra::BasicImage<float> output(kWidth, kHeight);
    orv::ApplyCompressor(output, pyramid, true, 0.01, 5000.0, parameters, tables);
    for (auto _ : state) {
        orv::ApplyCompressor(output, pyramid, overview, 0.01, 5000.0, parameters, tables);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.counters["Mpixel/s"] = benchmark::Counter(double(state.iterations()) * kWidth * kHeight / 1e6,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CompressorRun)->ArgName("overview")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
