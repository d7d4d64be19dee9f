#include "compressor/CompressorTables.h"

#include "mapping/ToneCurve.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orv {

namespace {

// Per-level tables span [0, 1], the x axis of the frequency and smoothing curves.
std::unique_ptr<TH1D> LevelTable(const char* name, int levelCount,
                                 const CompressorCurve& curve)
{
    auto table = std::make_unique<TH1D>(name, "", levelCount, 0.0, 1.0);
    table->SetDirectory(nullptr);
    FillCurveTable(*table, curve.Evaluator());
    return table;
}

std::int32_t SweepsFrom(double value)
{
    if (!(value > 0.0))
        return 0; // negative and NaN
    return value >= double(INT32_MAX) ? INT32_MAX : std::int32_t(value);
}

} // namespace

std::vector<double> FrequencyFactors(const CompressorParameters& parameters, int levelCount)
{
    std::vector<double> factors;
    if (levelCount <= 0)
        return factors;
    const auto table =
        LevelTable("contrast_frequency_histogram", levelCount, parameters.frequencyCurve);
    factors.reserve(std::size_t(levelCount));
    for (int k = 0; k < levelCount; ++k) {
        // Entry k of the content array: level 0 reads the underflow copy of
        // bin 1, so levels 0 and 1 share a value and the last bin is unused.
        const double v =
            parameters.contrastCollapsed ? parameters.contrast : table->GetArray()[k];
        factors.push_back(std::pow(1.0 + v / 10.0, double(k)));
    }
    return factors;
}

std::unique_ptr<TH1D> IntensityFactorTable(const CompressorParameters& parameters)
{
    const CompressorCurve& curve = parameters.intensityCurve;
    auto table = std::make_unique<TH1D>("contrast_intensity_histogram", "", 100, curve.xMin,
                                        curve.xMax);
    table->SetDirectory(nullptr);
    FillCurveTable(*table, curve.Evaluator());
    double* entries = table->GetArray();
    for (int i = 0; i < table->GetNcells(); ++i)
        entries[i] = parameters.contrastCollapsed ? 1.0 : std::exp2(entries[i]);
    return table;
}

std::vector<std::int32_t> SweepCounts(const CompressorParameters& parameters, int levelCount)
{
    std::vector<std::int32_t> counts;
    if (levelCount <= 0)
        return counts;
    const auto table = LevelTable("smoothing_histogram", levelCount, parameters.smoothingCurve);
    counts.reserve(std::size_t(levelCount));
    for (int k = 0; k < levelCount; ++k) {
        const double value = parameters.smoothingCollapsed
                                 ? std::trunc(parameters.smoothing)
                                 : std::trunc(table->GetArray()[k] + 0.5);
        counts.push_back(SweepsFrom(value));
    }
    return counts;
}

IntensityLookup::IntensityLookup(const TH1D* table)
{
    if (!table || table->GetNcells() < 3)
        return;
    xMin_ = table->GetXaxis()->GetXmin();
    xMax_ = table->GetXaxis()->GetXmax();
    bins_ = table->GetNbinsX();
    content_ = table->GetArray();
    uniformFactor_ = content_[0];
    uniform_ = std::all_of(content_, content_ + bins_ + 2,
                           [this](double c) { return c == uniformFactor_; });
}

void CompressorTables::Rebuild(const CompressorParameters& parameters, int levels)
{
    levels = std::clamp(levels, 0, int(UINT8_MAX));
    levelCount = std::uint8_t(levels);
    frequencyFactors = FrequencyFactors(parameters, levels);
    intensityFactorTable = IntensityFactorTable(parameters);
    sweepCounts = SweepCounts(parameters, levels);
    poleTable.Rebuild(sweepCounts);
}

double CompressorTables::FrequencyFactor(std::size_t k) const
{
    if (frequencyFactors.empty())
        return 1.0;
    return frequencyFactors[std::min(k, frequencyFactors.size() - 1)];
}

} // namespace orv
