#include "host/PixelTransfer.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vigra/error.hxx>

#include "dialog/OrvRunContext.h"
#include "host/HostRecord.h"
#include "image/OrvLevelImage.h"
#include "mapping/OrvMappingStage.h"
#include "mapping/PostProcessing.h"

namespace orv {
namespace {

// Rows of the full-resolution read fetched per host call: the buffer stays near
// this size however large the document, so only the log2 level is full-sized.
constexpr std::size_t kReadBandBytes = std::size_t(1) << 20;

OrvChannelDesc* FirstChannel() {
  return gFilterRecord && gFilterRecord->documentInfo ? gFilterRecord->documentInfo->targetCompositeChannels : nullptr;
}

// Smallest sample above the smallest normal float and largest finite one.
struct Extremes {
  double minimum = FLT_MAX;
  double maximum = FLT_MIN;
};

// sums[i] += linear value of sample i of channel k, tracking the extremes. NaN
// counts as −Inf: the log pass then clamps the pixel to the minimum.
template <class T>
void AccumulateRow(const ColourChannelTables& input, int k, const T* samples, int count, float* sums,
                   Extremes& extremes) {
  for (int i = 0; i < count; ++i) {
    float g = SourceSample(input, k, samples[i]);
    if (std::isnan(g)) g = -std::numeric_limits<float>::infinity();
    if (g > FLT_MIN && g < extremes.minimum) extremes.minimum = g;
    if (g > extremes.maximum && g < FLT_MAX) extremes.maximum = g;
    sums[i] += g;
  }
}

template <class T>
void AccumulateChannels(OrvLevelImage& level, int width, int height, Extremes& extremes) {
  const ColourChannelTables& input = InputTables();
  const int rows = static_cast<int>(std::clamp<std::size_t>(kReadBandBytes / (sizeof(T) * width), 1, height));
  std::vector<T> band(static_cast<std::size_t>(width) * rows);
  const int left = -level.XMap()(0, 0);
  const int32_t depth = 8 * sizeof(T);
  OrvChannelDesc* channel = FirstChannel();
  for (int k = 0; k < 3; ++k, channel = channel->next) {
    for (int top = 0; top < height; top += rows) {
      const int count = std::min(rows, height - top);
      const OrvRect32 rect{top, 0, top + count, width};
      const OrvPixelMemoryDesc memory{band.data(), depth * width, depth, 0, channel->depth};
      ChannelPorts()->readPixelsFromLevel(channel->readPort, 0, &rect, &memory);
      for (int j = 0; j < count; ++j)
        AccumulateRow(input, k, band.data() + static_cast<std::size_t>(j) * width, width, level.Row(top + j) + left,
                      extremes);
    }
  }
}

// Channel k of a row of rgb pixels from host samples.
template <class T>
void ConvertSourceRow(const ColourChannelTables& input, int k, const void* source, int count, float* rgb) {
  const T* samples = static_cast<const T*>(source);
  for (int i = 0; i < count; ++i) rgb[3 * i + k] = SourceSample(input, k, samples[i]);
}

void ConvertSourceRow(int depth, const ColourChannelTables& input, int k, const void* source, int count, float* rgb) {
  switch (depth) {
    case 8:
      return ConvertSourceRow<std::uint8_t>(input, k, source, count, rgb);
    case 16:
      return ConvertSourceRow<std::uint16_t>(input, k, source, count, rgb);
    case 32:
      return ConvertSourceRow<float>(input, k, source, count, rgb);
  }
}

void EncodeRow(const std::vector<std::uint16_t>& table, const float* rgb, int k, int count, std::uint8_t* out) {
  for (int i = 0; i < count; ++i) out[i] = OutputSample8(table, rgb[3 * i + k]);
}
void EncodeRow(const std::vector<std::uint16_t>& table, const float* rgb, int k, int count, std::uint16_t* out) {
  for (int i = 0; i < count; ++i) out[i] = OutputSample16(table, rgb[3 * i + k]);
}
void EncodeRow(const std::vector<std::uint16_t>&, const float* rgb, int k, int count, float* out) {
  for (int i = 0; i < count; ++i) out[i] = OutputSample32(rgb[3 * i + k]);
}

// The three channels are encoded before the host is entered, so other tiles can
// talk to the host meanwhile.
template <class T>
void WriteChannels(const ColourTables& colours, const OrvRect32& rect, const RgbImage& rgb) {
  const int width = rgb.width(), height = rgb.height();
  std::vector<T> planes[3];
  for (int k = 0; k < 3; ++k) {
    planes[k].resize(static_cast<std::size_t>(width) * height);
    for (int j = 0; j < height; ++j)
      EncodeRow(colours.output[k], rgb[j][0].data(), k, width, planes[k].data() + static_cast<std::size_t>(j) * width);
  }
  const int32_t depth = 8 * sizeof(T);
  std::lock_guard<std::mutex> hostLock(HostCriticalSection());
  OrvChannelDesc* channel = FirstChannel();
  for (int k = 0; k < 3; ++k, channel = channel->next) {
    const OrvPixelMemoryDesc memory{planes[k].data(), depth * width, depth, 0, channel->depth};
    ChannelPorts()->writePixelsToBaseLevel(channel->writePort, &rect, &memory);
  }
}

}  // namespace

std::mutex& HostCriticalSection() {
  static std::mutex lock;
  return lock;
}

int ColourChannelCount() {
  int count = 0;
  for (OrvChannelDesc* channel = FirstChannel(); channel; channel = channel->next) ++count;
  return count;
}

void ReadChannelLevel(OrvMappingStage& stage) {
  vigra_precondition(ColourChannelCount() >= 3, "ReadChannelLevel(): the document needs three colour channels.");
  OrvRect32 bounds{};
  ChannelPorts()->levelBounds(FirstChannel()->readPort, 0, &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  OrvLevelImage& level = stage.FinestLevel();
  vigra_precondition(level.SourceWidth() == width && level.SourceHeight() == height,
                     "ReadChannelLevel(): the pyramid must be built for the document's size.");
  if (level.Empty()) return;

  level.FillValue(0.0f);
  Extremes extremes;
  switch (gFilterRecord->depth) {
    case 8:
      AccumulateChannels<std::uint8_t>(level, width, height, extremes);
      break;
    case 16:
      AccumulateChannels<std::uint16_t>(level, width, height, extremes);
      break;
    case 32:
      AccumulateChannels<float>(level, width, height, extremes);
      break;
    default:
      vigra_precondition(false, "ReadChannelLevel(): depth must be 8, 16 or 32.");
  }
  // Nothing above the smallest normal float (a black image): treat it as uniform.
  if (extremes.minimum > extremes.maximum) extremes.minimum = extremes.maximum = FLT_MIN;
  if (extremes.maximum == extremes.minimum) extremes.minimum = FLT_MIN;

  const int left = -level.XMap()(0, 0);
  double total = 0.0;
  for (int y = 0; y < height; ++y) {
    float* row = level.Row(y) + left;
    for (int x = 0; x < width; ++x) {
      double luminance = row[x] / 3.0;
      if (luminance > extremes.maximum) luminance = extremes.maximum;
      if (!(luminance >= extremes.minimum)) luminance = extremes.minimum;  // also NaN (+Inf and −Inf met)
      const double stops = std::log2(luminance);
      row[x] = static_cast<float>(stops);
      total += stops;
    }
  }
  stage.SetStatistics(extremes.minimum, extremes.maximum, std::exp2(total / (double(width) * height)));
  stage.CompletePyramid();
}

void ReadLevelRegion(const OrvMappingStage&, const std::vector<OrvLevelImage>& levels, RgbImage& rgb) {
  vigra_precondition(rgb.width() > 0 && rgb.height() > 0, "ReadLevelRegion(): image must have non-zero size.");
  // The finest level whose destination grid is its own grid is read; every level
  // between it and the list's finest halves the resolution again.
  int rate = 1;
  const OrvLevelImage* read = nullptr;
  for (auto level = levels.rbegin(); level != levels.rend() && !read; ++level) {
    if (level->DestinationWidth() == level->SourceWidth() && level->DestinationHeight() == level->SourceHeight())
      read = &*level;
    else
      rate *= 2;
  }
  vigra_precondition(read != nullptr && rate <= 0x7FFF,
                     "ReadLevelRegion(): no level of the list samples its pyramid level one to one.");
  vigra_precondition(rgb.width() == read->ColumnCount() && rgb.height() == read->RowCount(),
                     "ReadLevelRegion(): image must have the size of the region.");
  const int depth = gFilterRecord->depth;
  if (depth != 8 && depth != 16 && depth != 32) return;

  const ColourChannelTables& input = InputTables();
  const OrvRect32 rect{read->FirstRow(), read->FirstColumn(), read->FirstRow() + read->RowCount(),
                       read->FirstColumn() + read->ColumnCount()};
  std::lock_guard<std::mutex> hostLock(HostCriticalSection());
  gFilterRecord->inputRate = rate << 16;
  gFilterRecord->inputPadding = 255;
  for (int k = 0; k < 3; ++k) {
    SetInputRect(rect);
    gFilterRecord->inLoPlane = gFilterRecord->inHiPlane = static_cast<int16_t>(k);
    gFilterRecord->advanceState();
    const auto* data = static_cast<const unsigned char*>(gFilterRecord->inData);
    for (int j = 0; j < rgb.height(); ++j)
      ConvertSourceRow(depth, input, k, data + static_cast<std::ptrdiff_t>(j) * gFilterRecord->inRowBytes, rgb.width(),
                       rgb[j][0].data());
  }
}

void WriteTile(const OrvRunContext& context, int top, int left, const RgbImage& rgb) {
  const int width = rgb.width(), height = rgb.height();
  if (width == 0 || height == 0) return;
  const OrvRect32 rect{top, left, top + height, left + width};
  switch (gFilterRecord->depth) {
    case 8:
      return WriteChannels<std::uint8_t>(context.Colours(), rect, rgb);
    case 16:
      return WriteChannels<std::uint16_t>(context.Colours(), rect, rgb);
    case 32:
      return WriteChannels<float>(context.Colours(), rect, rgb);
  }
}

void ProcessTile(TileExtent tileSize, OrvRunContext& context, TileExtent imageSize, TileOrigin origin) {
  const OrvMappingStage& stage = context.Stage();
  RgbImage rgb(tileSize.width, tileSize.height);
  std::vector<OrvLevelImage> levels;
  stage.PrepareRegion(levels, {imageSize.width, imageSize.height}, {origin.x, origin.y},
                      {tileSize.width, tileSize.height});
  ReadLevelRegion(stage, levels, rgb);
  stage.FillRegion(levels);

  OperatorChoice& operators = context.Operators();
  vigra::BasicImage<float> mapped(tileSize.width, tileSize.height, 0.0f);
  operators.ApplyActive(mapped, levels);
  // Post-processing reads a pixel's colour before writing it, so it can map in place.
  for (int j = 0; j < rgb.height(); ++j) {
    float* row = rgb[j][0].data();
    MapToOutput(operators.CurveTable(), operators.Saturation(), &mapped(0, j), row, row, rgb.width());
  }
  WriteTile(context, origin.y, origin.x, rgb);
}

}  // namespace orv
