#pragma once

#include "image/OrvLevelImage.h"

#include <vector>

namespace orv {

// Working levels whose samples are overwritten anyway are built from the
// geometry alone: the source samples are never read. Levels are built in
// place because a level moves only by copying its pixels.

/// A level with the geometry, pole flags and statistics of `level` and its
/// own samples (contents unspecified).
inline OrvLevelImage SameGeometry(const OrvLevelImage& level)
{
    return OrvLevelImage(level.DestinationWidth(), level.DestinationHeight(), level.FirstColumn(),
                         level.FirstRow(), level.ColumnCount(), level.RowCount(),
                         level.SourceWidth(), level.SourceHeight(), level.MarginBeforeX(),
                         level.MarginBeforeY(), level.MarginAfterX(), level.MarginAfterY(),
                         level.ClipLowX(), level.ClipLowY(), level.ClipHighX(), level.ClipHighY(),
                         level.WindowX(), level.WindowY(), level.Flags(), level.ZenithValue(),
                         level.NadirValue(), level.MeanGradient());
}

/// Appends SameGeometry(level) to `levels` without copying it.
inline OrvLevelImage& AppendSameGeometry(std::vector<OrvLevelImage>& levels,
                                         const OrvLevelImage& level)
{
    return levels.emplace_back(
        level.DestinationWidth(), level.DestinationHeight(), level.FirstColumn(), level.FirstRow(),
        level.ColumnCount(), level.RowCount(), level.SourceWidth(), level.SourceHeight(),
        level.MarginBeforeX(), level.MarginBeforeY(), level.MarginAfterX(), level.MarginAfterY(),
        level.ClipLowX(), level.ClipLowY(), level.ClipHighX(), level.ClipHighY(), level.WindowX(),
        level.WindowY(), level.Flags(), level.ZenithValue(), level.NadirValue(),
        level.MeanGradient());
}

} // namespace orv
