#include "compressor/PoleTable.h"

#include <algorithm>

namespace orv {

void PoleTable::Rebuild(const std::vector<std::int32_t>& sweepCounts)
{
    levels_.assign(sweepCounts.size(), Level{});
    for (std::size_t k = 0; k < sweepCounts.size(); ++k) {
        const std::size_t n = std::size_t(std::max<std::int32_t>(sweepCounts[k], 0));
        levels_[k].zenith.assign(n, 0.0);
        levels_[k].nadir.assign(n, 0.0);
    }
}

double PoleTable::Zenith(std::size_t k, std::size_t s) const
{
    return k < levels_.size() && s < levels_[k].zenith.size() ? levels_[k].zenith[s] : 0.0;
}

double PoleTable::Nadir(std::size_t k, std::size_t s) const
{
    return k < levels_.size() && s < levels_[k].nadir.size() ? levels_[k].nadir[s] : 0.0;
}

void PoleTable::Store(std::size_t k, std::size_t s, double zenith, double nadir)
{
    if (k >= levels_.size() || s >= levels_[k].zenith.size())
        return;
    levels_[k].zenith[s] = zenith;
    levels_[k].nadir[s] = nadir;
}

} // namespace orv
