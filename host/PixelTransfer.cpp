#include "host/PixelTransfer.h"

#include <cstring>
#include <vector>

#include "host/HostRecord.h"

namespace orv {

std::mutex& HostCriticalSection() {
  static std::mutex lock;
  return lock;
}

// For now every tile is copied unchanged: each plane is fetched through the
// host's advance-state loop and written back through the channel ports.
void ProcessTile(TileExtent tileSize, OrvRunContext&, TileExtent, TileOrigin origin) {
  const int bytes = gFilterRecord->depth / 8;
  const size_t rowBytes = static_cast<size_t>(tileSize.width) * bytes;
  std::vector<unsigned char> buffer(rowBytes * tileSize.height);
  const OrvRect32 rect{origin.y, origin.x, origin.y + tileSize.height, origin.x + tileSize.width};

  std::lock_guard<std::mutex> hostLock(HostCriticalSection());
  gFilterRecord->inputRate = 1 << 16;
  gFilterRecord->inputPadding = 255;
  SetInputRect(rect);
  int16_t plane = 0;
  for (OrvChannelDesc* channel = gFilterRecord->documentInfo->targetCompositeChannels; channel && plane < 3;
       channel = channel->next, ++plane) {
    gFilterRecord->inLoPlane = gFilterRecord->inHiPlane = plane;
    gFilterRecord->advanceState();
    const auto* source = static_cast<const unsigned char*>(gFilterRecord->inData);
    for (int row = 0; row < tileSize.height; ++row)
      std::memcpy(buffer.data() + row * rowBytes, source + static_cast<size_t>(row) * gFilterRecord->inRowBytes,
                  rowBytes);
    const OrvPixelMemoryDesc memory{buffer.data(), channel->depth * tileSize.width, channel->depth, 0,
                                    channel->depth};
    ChannelPorts()->writePixelsToBaseLevel(channel->writePort, &rect, &memory);
  }
}

}  // namespace orv
