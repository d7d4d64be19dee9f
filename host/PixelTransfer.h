#pragma once
// Moving pixels between the host's buffers and the plug-in's images.
//
// Linear scale: 8- and 16-bit samples are linearised through the process-wide
// input tables (0 … 65535, 65535 = white) and re-encoded through the run's output
// tables; 32-bit samples are linear already (1.0 = white) and bypass both tables.
// Only the first three target channels (red, green, blue) are read or written.
#include <cstdint>
#include <mutex>
#include <vector>
#include <vigra/basicimage.hxx>
#include <vigra/rgbvalue.hxx>

#include "mapping/ColourTables.h"

class OrvMappingStage;
class OrvLevelImage;
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

/// Three floats per pixel (red, green, blue), rows contiguous.
using RgbImage = vigra::BasicImage<vigra::RGBValue<float>>;

/// The process-wide lock around every call into the host's pixel routines;
/// render workers take it with std::lock_guard so it is released on every path.
std::mutex& HostCriticalSection();

/// Linear value of host sample s of channel k.
/// 8 bits: input table k at s × 257. 16 bits (host range 0 … 32768): input table k
/// at ⌊s × 65535/32768⌋ modulo 65536. 32 bits: s itself.
inline float SourceSample(const ColourChannelTables& input, int k, std::uint8_t s) { return input[k][s * 257u]; }
inline float SourceSample(const ColourChannelTables& input, int k, std::uint16_t s) {
  return input[k][static_cast<std::uint32_t>(s * 1.999969482421875) & 0xFFFFu];
}
inline float SourceSample(const ColourChannelTables&, int, float s) { return s; }

/// Output table index of a linear value: ⌊v⌋ limited to 0 … 65535 (NaN gives 0),
/// so a value just below 0 stays black instead of wrapping to white.
inline std::uint32_t OutputIndex(float v) {
  if (!(v > 0.0f)) return 0;
  if (v >= 65535.0f) return 65535;
  return static_cast<std::uint32_t>(v);
}
/// Host sample for linear value v of a channel with output table `table`:
/// 8 bits ⌊t / 256⌋, 16 bits ⌊t / 2⌋ (entry 65535 gives 32767), t the table entry;
/// 32 bits v / 65535, no table.
inline std::uint8_t OutputSample8(const std::vector<std::uint16_t>& table, float v) {
  return static_cast<std::uint8_t>(table[OutputIndex(v)] >> 8);
}
inline std::uint16_t OutputSample16(const std::vector<std::uint16_t>& table, float v) {
  return static_cast<std::uint16_t>(table[OutputIndex(v)] >> 1);
}
inline float OutputSample32(float v) { return v / 65535.0f; }

/// Number of target composite channels the host offers; the plug-in needs three.
int ColourChannelCount();

/// Reads the three colour channels at full resolution into the finest level of
/// `stage` (which must be built for the document's size), sets its statistics and
/// completes the pyramid. Per pixel L = mean of the three linear samples, clamped
/// to minimum … maximum, stored as log2 L. Minimum is the smallest sample above the
/// smallest normal float, maximum the largest finite one; a uniform image gets the
/// smallest normal float as minimum. NaN and −Inf samples count as the minimum,
/// +Inf as the maximum, so no non-finite value enters the pyramid. Host thread only.
void ReadChannelLevel(OrvMappingStage& stage);

/// Reads the region of the finest level of `levels` that samples its pyramid level
/// one to one, at the sampling rate that level implies (1 for the last level of the
/// list, doubling per step towards the first), into `rgb`, which must have the
/// region's size. Unknown depths read nothing. Throws vigra::PreconditionViolation
/// for an empty or mis-sized image, before the host is entered.
void ReadLevelRegion(const OrvMappingStage& stage, const std::vector<OrvLevelImage>& levels, RgbImage& rgb);

/// Writes `rgb` (linear 0 … 65535 scale) at (left, top) into the three colour channels.
void WriteTile(const OrvRunContext& context, int top, int left, const RgbImage& rgb);

/// The per-tile step of the final render: prepare and read the region, fill its
/// levels, map (identity until the operators arrive), write.
void ProcessTile(TileExtent tileSize, OrvRunContext& context, TileExtent imageSize, TileOrigin origin);

}  // namespace orv
