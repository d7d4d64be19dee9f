#include "mapping/OperatorLevel.h"

namespace orv {

const OrvLevelImage& OperatorLevel(const std::vector<OrvLevelImage>& levels) {
  for (const OrvLevelImage& level : levels)
    if (level.SourceWidth() == level.DestinationWidth() && level.SourceHeight() == level.DestinationHeight() &&
        !level.Empty())
      return level;
  vigra_precondition(false, "OperatorLevel(): the level list has no level of the destination size.");
  return levels.front();  // not reached
}

}  // namespace orv
