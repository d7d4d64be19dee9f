#include "mapping/OrvMappingStage.h"

#include <algorithm>
#include <cmath>
#include <vigra/error.hxx>

#include "mapping/KnownProfiles.h"
#include "platform/DisplayProfile.h"

namespace {

// Extra columns a level keeps on each side, and the margin regions may take.
constexpr int kSideColumns = 10;

// Appended in place: moving a level would copy its samples.
void AppendPyramidLevel(std::vector<OrvLevelImage>& levels, int w, int h, std::uint32_t flags) {
  const int mx = std::min(w, kSideColumns), my = std::min(h, kSideColumns);
  levels.emplace_back(w, h, 0, 0, w, h, w, h, -mx, -my, mx, my, -mx, 0, mx, 0, 1, 1, flags);
}

// A level's samples by level coordinates: column x of row y is Row(y)[x + Left()].
struct LevelView {
  explicit LevelView(OrvLevelImage& level)
      : level(level), left(-level.XMap()(0, 0)), w(level.SourceWidth()), h(level.SourceHeight()) {}
  float* Row(int y) { return level.Row(y - level.YMap()(0, 0)) + left; }
  int Right() const { return level.Width() - left - w; }  // extra columns right of w − 1

  OrvLevelImage& level;
  int left;
  int w, h;
};

// Mean magnitude of the central differences (not halved) over the interior;
// a level without interior has none, so 0.
double MeanGradient(LevelView& v) {
  if (v.w < 3 || v.h < 3) return 0.0;
  double sum = 0.0;
  for (int y = 1; y < v.h - 1; ++y) {
    const float* up = v.Row(y - 1);
    const float* row = v.Row(y);
    const float* down = v.Row(y + 1);
    for (int x = 1; x < v.w - 1; ++x) {
      const double dy = double(down[x]) - up[x];
      const double dx = double(row[x + 1]) - row[x - 1];
      sum += std::sqrt(dy * dy + dx * dx);
    }
  }
  return sum / (double(v.w - 2) * double(v.h - 2));
}

double RowMean(const float* row, int w) {
  double sum = 0.0;
  for (int x = 0; x < w; ++x) sum += row[x];
  return sum / w;
}

void FillSideColumns(LevelView& v, bool wrap) {
  const int left = v.left, right = v.Right();
  for (int y = 0; y < v.h; ++y) {
    float* row = v.Row(y);
    for (int k = 1; k <= left; ++k) row[-k] = wrap ? row[v.w - k] : row[0];
    for (int k = 1; k <= right; ++k) row[v.w - 1 + k] = wrap ? row[k - 1] : row[v.w - 1];
  }
}

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

// An integer member's low byte; nothing when absent or not an integer.
bool ReadFlag(const nlohmann::ordered_json& settings, const char* key, int& flag) {
  const auto it = settings.find(key);
  if (it == settings.end() || !it->is_number_integer()) return false;
  const std::uint64_t bits =
      it->is_number_unsigned() ? it->get<std::uint64_t>() : static_cast<std::uint64_t>(it->get<std::int64_t>());
  flag = static_cast<int>(bits & 0xFF);
  return true;
}

}  // namespace

OrvMappingStage::OrvMappingStage() { ResetStage(); }

void OrvMappingStage::BuildPyramid(int width, int height) {
  vigra_precondition(width >= 0 && height >= 0, "OrvMappingStage::BuildPyramid(): sizes must be >= 0.");
  levels_.clear();
  std::vector<Size> sizes;  // finest first
  int w = width, h = height, t = std::min(width, height);
  for (;;) {
    sizes.push_back({w, h});
    if (t <= 4) break;
    t = (t + 1) / 2;
    w = (w + 1) / 2;
    h = (h + 1) / 2;
  }
  levels_.reserve(sizes.size());
  for (auto size = sizes.rbegin(); size != sizes.rend(); ++size)
    AppendPyramidLevel(levels_, size->width, size->height, BorderMode());
}

void OrvMappingStage::CompletePyramid() {
  if (levels_.empty() || levels_.back().Empty()) return;
  for (std::size_t i = levels_.size(); i-- > 0;) {
    OrvLevelImage& level = levels_[i];
    LevelView view(level);
    level.SetMeanGradient(MeanGradient(view));
    level.SetZenithValue(RowMean(view.Row(0), view.w));
    level.SetNadirValue(RowMean(view.Row(view.h - 1), view.w));
    // Side columns before resampling: the coarser level's edge samples read them.
    FillSideColumns(view, Panorama());
    if (i > 0) levels_[i - 1].Resample(level);
  }
}

void OrvMappingStage::PrepareRegion(std::vector<OrvLevelImage>& list, Size destination, Point origin,
                                    Size region) const {
  list.clear();
  list.reserve(levels_.size());
  const bool wrap = Panorama();
  for (const OrvLevelImage& level : levels_) {
    list.emplace_back(destination.width, destination.height, origin.x, origin.y, region.width, region.height,
                      level.SourceWidth(), level.SourceHeight(), level.MarginBeforeX(), level.MarginBeforeY(),
                      level.MarginAfterX(), level.MarginAfterY(), wrap ? level.ClipLowX() : 0, 0,
                      wrap ? level.ClipHighX() : 0, 0, level.WindowX(), level.WindowY(), BorderMode(),
                      level.ZenithValue(), level.NadirValue(), level.MeanGradient());
  }
}

void OrvMappingStage::FillRegion(std::vector<OrvLevelImage>& list) const {
  vigra_precondition(list.size() == levels_.size(),
                     "OrvMappingStage::FillRegion(): the list must be prepared for this pyramid.");
  for (std::size_t n = 0; n < list.size(); ++n) {
    OrvLevelImage& region = list[n];
    const OrvLevelImage& level = levels_[n];
    if (region.Empty()) continue;
    const int x0 = level.XMap()(0, 0), y0 = level.YMap()(0, 0);
    const int* xmap = region.XMap().data();
    const int* ymap = region.YMap().data();
    vigra_precondition(xmap[0] >= x0 && xmap[region.Width() - 1] < x0 + level.Width() && ymap[0] >= y0 &&
                           ymap[region.Height() - 1] < y0 + level.Height(),
                       "OrvMappingStage::FillRegion(): region reaches outside its pyramid level.");
    for (int j = 0; j < region.Height(); ++j) {
      const float* source = level.Row(ymap[j] - y0) - x0;
      float* out = region.Row(j);
      // Within a run the coordinates are consecutive: one block copy each.
      for (const OrvLevelImage::Run& run : region.XRuns())
        std::copy_n(source + xmap[run.start], run.Length(), out + run.start);
    }
  }
}

std::uint32_t OrvMappingStage::BorderMode() const {
  if (!Panorama()) return 0;
  return (Zenith() ? OrvLevelImage::ZenithFlag : 0u) | (Nadir() ? OrvLevelImage::NadirFlag : 0u);
}

void OrvMappingStage::SetProfile(const std::string& path) {
  profile_ = path;
  profileChanged.emit(profile_);
}

void OrvMappingStage::SetPanorama(int flag) {
  panorama_ = LowByte(flag);
  CompletePyramid();
  panoramaChanged.emit(Panorama());
}

void OrvMappingStage::SetZenith(int flag) {
  zenith_ = LowByte(flag);
  zenithChanged.emit(Zenith());
}

void OrvMappingStage::SetNadir(int flag) {
  nadir_ = LowByte(flag);
  nadirChanged.emit(Nadir());
}

void OrvMappingStage::ResetStage() {
  SetPanorama(0);
  SetZenith(0);
  SetNadir(0);
  SetProfile(orv::DisplayProfilePath());
}

void OrvMappingStage::LoadStage(const nlohmann::ordered_json& settings) {
  if (!settings.is_object()) return;
  const auto profile = settings.find("profile");
  if (profile != settings.end() && profile->is_string()) {
    const std::string path = profile->get<std::string>();
    // A profile file that has gone from the colour folders keeps the current one.
    if (orv::IsKnownProfileFile(path)) SetProfile(path);
  }
  int flag = 0;
  if (ReadFlag(settings, "360 Pano", flag)) SetPanorama(flag);
  if (ReadFlag(settings, "Zenith", flag)) SetZenith(flag);
  if (ReadFlag(settings, "Nadir", flag)) SetNadir(flag);
}

void OrvMappingStage::SaveStage(nlohmann::ordered_json& settings) const {
  settings["profile"] = profile_;
  settings["360 Pano"] = int(panorama_);
  settings["Zenith"] = int(zenith_);
  settings["Nadir"] = int(nadir_);
}

void OrvMappingStage::SetStatistics(double minimum, double maximum, double logAverage) {
  minimum_ = minimum;
  maximum_ = maximum;
  logAverage_ = logAverage;
}

OrvLevelImage& OrvMappingStage::FinestLevel() {
  vigra_precondition(!levels_.empty(), "OrvMappingStage::FinestLevel(): there is no pyramid.");
  return levels_.back();
}
