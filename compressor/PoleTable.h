#pragma once

// Pole values of the relaxation, one zenith and one nadir value per level and
// sweep. The overview run computes them from its own solution (the means of
// the top and bottom rows of the whole level); every later tile and preview
// run reads them back, so that tiles computed apart share one ring value per
// pole and sweep and no seam appears where they meet.

#include <cstdint>
#include <vector>

namespace orv {

class PoleTable {
public:
    struct Level {
        std::vector<double> zenith; ///< one entry per sweep
        std::vector<double> nadir;
    };

    /// One level per entry of `sweepCounts`, each with that many zero entries
    /// per pole (none for a count ≤ 0).
    void Rebuild(const std::vector<std::int32_t>& sweepCounts);

    std::size_t LevelCount() const { return levels_.size(); }
    const Level& operator[](std::size_t k) const { return levels_[k]; }

    /// Stored values; 0 for a level or sweep the table was not built for.
    double Zenith(std::size_t k, std::size_t s) const;
    double Nadir(std::size_t k, std::size_t s) const;
    /// Writes both values; ignored outside the table.
    void Store(std::size_t k, std::size_t s, double zenith, double nadir);

private:
    std::vector<Level> levels_;
};

} // namespace orv
