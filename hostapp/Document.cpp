#include "hostapp/Document.h"

#include <cstring>
#include <stdexcept>

namespace orvhost {

Document::Document(int width, int height, int depth) : width_(width), height_(height), depth_(depth) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("the image has no pixels");
  if (depth != 8 && depth != 16 && depth != 32) throw std::invalid_argument("depth must be 8, 16 or 32");
  for (auto& plane : planes_) plane.assign(PlaneBytes(), 0);
}

float Document::Value(int k, int x, int y) const {
  const unsigned char* p = Sample(k, x, y);
  switch (depth_) {
    case 8:
      return *p;
    case 16: {
      uint16_t v;
      std::memcpy(&v, p, 2);
      return v;
    }
    default: {
      float v;
      std::memcpy(&v, p, 4);
      return v;
    }
  }
}

void Document::SetValue(int k, int x, int y, float value) {
  unsigned char* p = Sample(k, x, y);
  switch (depth_) {
    case 8:
      *p = static_cast<unsigned char>(value);
      break;
    case 16: {
      const uint16_t v = static_cast<uint16_t>(value);
      std::memcpy(p, &v, 2);
      break;
    }
    default:
      std::memcpy(p, &value, 4);
  }
}

}  // namespace orvhost
