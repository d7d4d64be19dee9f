#pragma once
// The final render: the filter rectangle in 300 × 300 tiles on (processors + 1)
// threads, while the host's thread watches progress and Cancel.
#include <cstdint>

class OrvRunContext;

namespace orv {

/// How a W × H image splits into tiles; the last column and row may be narrower.
struct TileGrid {
  static constexpr int kTileSize = 300;
  int width = 0;
  int height = 0;

  int Columns() const { return (width + kTileSize - 1) / kTileSize; }
  int Rows() const { return (height + kTileSize - 1) / kTileSize; }
  int Count() const { return Columns() * Rows(); }
  int TileWidth(int x) const { return width - x < kTileSize ? width - x : kTileSize; }
  int TileHeight(int y) const { return height - y < kTileSize ? height - y : kTileSize; }
};

/// Renders every tile of the filter rectangle with the given context, or with a
/// context of its own built from the stored settings when none is given.
void MapFullImage(OrvRunContext* context);

}  // namespace orv
