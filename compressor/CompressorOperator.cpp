#include "compressor/CompressorOperator.h"

#include "compressor/CompressorGradientField.h"
#include "compressor/CompressorSolver.h"

namespace orv {

void ApplyCompressor(vigra::BasicImage<float>& output, const std::vector<OrvLevelImage>& pyramid,
                     bool overviewRun, double sourceMinimum, double sourceMaximum,
                     const CompressorParameters& parameters, CompressorTables& tables)
{
    if (overviewRun) {
        CompressorParameters current = parameters;
        current.SetLuminanceRange(sourceMinimum, sourceMaximum);
        // Built for the pyramid actually mapped, so later runs on lists of the
        // same image never index past the tables.
        tables.Rebuild(current, int(pyramid.size()));
    }

    std::vector<OrvLevelImage> divergence = AttenuationMaps(pyramid, parameters.compression);
    ContrastScaledDivergence(pyramid, divergence, tables);

    std::vector<OrvLevelImage> solution;
    CascadeSolve(divergence, solution, tables.sweepCounts, tables.poleTable,
                 overviewRun && tables.recomputePoles);
    ExtractSolution(solution, output);
}

} // namespace orv
