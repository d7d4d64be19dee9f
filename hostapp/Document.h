#pragma once
// The host's document: three colour planes at 8, 16 or 32 bits per sample.
// 16-bit samples use the host range 0 … 32768; 32-bit samples are linear floats
// with 1.0 as white.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvhost {

class Document {
 public:
  Document() = default;
  Document(int width, int height, int depth);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Depth() const { return depth_; }
  int BytesPerSample() const { return depth_ / 8; }
  size_t PlaneBytes() const { return static_cast<size_t>(width_) * height_ * BytesPerSample(); }

  unsigned char* Plane(int k) { return planes_[k].data(); }
  const unsigned char* Plane(int k) const { return planes_[k].data(); }
  unsigned char* Sample(int k, int x, int y) {
    return Plane(k) + (static_cast<size_t>(y) * width_ + x) * BytesPerSample();
  }
  const unsigned char* Sample(int k, int x, int y) const {
    return Plane(k) + (static_cast<size_t>(y) * width_ + x) * BytesPerSample();
  }

  /// A sample of plane k as a linear-scale float: 8 bits 0 … 255, 16 bits 0 … 32768.
  float Value(int k, int x, int y) const;
  void SetValue(int k, int x, int y, float value);

 private:
  int width_ = 0;
  int height_ = 0;
  int depth_ = 8;
  std::array<std::vector<unsigned char>, 3> planes_;
};

constexpr float kHostMax16 = 32768.0f;

}  // namespace orvhost
