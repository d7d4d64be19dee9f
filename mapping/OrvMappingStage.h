#pragma once
// What every operator needs to know about the source document, whichever one is
// active: the log2-luminance pyramid of the whole filter rectangle, the source
// statistics, the document profile and the panorama switches.
//
// Pyramid: level sizes halve with rounding up, W × H, ⌊(W + 1)/2⌋ × ⌊(H + 1)/2⌋, …,
// until the smaller side is 4 or less; coarsest level first. Every level stores
// its whole area plus m = min(w, 10) extra columns on each side (no extra rows),
// so a region's horizontal margin can run past the image's left and right edges:
// with panorama on the extra columns wrap around, with it off they repeat the
// edge column.
#include <sigc++/sigc++.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "image/OrvLevelImage.h"

class OrvMappingStage {
 public:
  struct Size {
    int width = 0;
    int height = 0;
  };
  struct Point {
    int x = 0;
    int y = 0;
  };

  /// Empty pyramid, then ResetStage().
  OrvMappingStage();
  OrvMappingStage(const OrvMappingStage&) = delete;
  OrvMappingStage& operator=(const OrvMappingStage&) = delete;

  /// Discards the pyramid and lays out the levels for a width × height source;
  /// their samples are unset until the finest level is filled and CompletePyramid() runs.
  void BuildPyramid(int width, int height);

  /// From the finest level to the coarsest: mean gradient, zenith and nadir values,
  /// side columns, then the next coarser level resampled from this one.
  /// Does nothing while the pyramid has no samples.
  void CompletePyramid();

  /// Clears `list` and appends one region level per pyramid level, coarsest first:
  /// each maps the destination grid `destination` onto its pyramid level and holds
  /// the samples `region` (counts) at `origin` needs, plus the level's margins.
  void PrepareRegion(std::vector<OrvLevelImage>& list, Size destination, Point origin, Size region) const;

  /// Copies into every region level of `list` the pyramid samples it covers.
  /// `list` must come from PrepareRegion() on this pyramid.
  void FillRegion(std::vector<OrvLevelImage>& list) const;

  /// OrvLevelImage flags for regions: 0 with panorama off, otherwise
  /// ZenithFlag and NadirFlag as switched on.
  std::uint32_t BorderMode() const;

  /// Store and emit the matching signal. A flag keeps the low byte of the integer
  /// given (non-zero byte = on); switching panorama completes the pyramid again.
  void SetProfile(const std::string& path);
  void SetPanorama(int flag);
  void SetZenith(int flag);
  void SetNadir(int flag);

  /// Panorama, zenith and nadir off (each emitting), profile = the display's.
  void ResetStage();

  /// Applies the members "profile" (string, only a known profile file), "360 Pano",
  /// "Zenith" and "Nadir" (integers) of a settings object; absent or mistyped ones
  /// leave the current value.
  void LoadStage(const nlohmann::ordered_json& settings);
  /// Writes those four members into a settings object, flags as their stored bytes.
  void SaveStage(nlohmann::ordered_json& settings) const;

  /// Source statistics, written by the full-resolution read.
  void SetStatistics(double minimum, double maximum, double logAverage);
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }
  double LogAverage() const { return logAverage_; }

  /// The pyramid, coarsest level first.
  const std::vector<OrvLevelImage>& Levels() const { return levels_; }
  /// The full-resolution level; throws vigra::PreconditionViolation without a pyramid.
  OrvLevelImage& FinestLevel();

  const std::string& Profile() const { return profile_; }
  bool Panorama() const { return panorama_ != 0; }
  bool Zenith() const { return zenith_ != 0; }
  bool Nadir() const { return nadir_ != 0; }

  sigc::signal<void, std::string> profileChanged;
  sigc::signal<void, bool> panoramaChanged;
  sigc::signal<void, bool> zenithChanged;
  sigc::signal<void, bool> nadirChanged;

 private:
  double minimum_ = 0.0;
  double maximum_ = 0.0;
  double logAverage_ = 0.0;
  std::vector<OrvLevelImage> levels_;
  std::uint8_t panorama_ = 0;
  std::uint8_t zenith_ = 0;
  std::uint8_t nadir_ = 0;
  std::string profile_;
};
