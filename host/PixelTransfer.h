#pragma once
// Moving pixels between the host's buffers and the plug-in's images.
#include <mutex>

class OrvRunContext;

namespace orv {

struct TileExtent {
  int width = 0;
  int height = 0;
};
struct TileOrigin {
  int x = 0;
  int y = 0;
};

/// The process-wide lock around every call into the host's pixel routines;
/// render workers take it with std::lock_guard so it is released on every path.
std::mutex& HostCriticalSection();

/// The per-tile step of the final render: read, map, write.
void ProcessTile(TileExtent tileSize, OrvRunContext& context, TileExtent imageSize, TileOrigin origin);

}  // namespace orv
