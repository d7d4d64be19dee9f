#pragma once
// Receptor: adaptive logarithmic mapping of scene luminance.
//
// With p the log2 luminance of a pixel, d the image's log-average and e its
// maximum relative to d:
//   v = (2^p)^a / d                      a = 0.03 · Brightness + 0.7
//   D = ln(v + 1) / ln(8 · (v/e)^k + 2) / log10(e + 1)
//   k = ln(0.03 · Compression + 0.7) / ln 0.5
// and the output is log2 D: 0 for a pixel at the image maximum (a = 1), falling
// towards the dark end. The logarithm's base moves smoothly from 2 in the
// shadows to 10 near the maximum; Compression sets how fast (10: plain log10).
// Units: log2 luminance in, log2 relative display luminance out.
#include <vigra/basicimage.hxx>

#include <vector>

#include "image/OrvLevelImage.h"

namespace orv {

struct ReceptorParameters {
  double compression = 5.0;  // 0 … 10
  double brightness = 5.0;   // 0 … 10
};

/// The per-image constants of the mapping, derived once per run.
struct ReceptorCurve {
  ReceptorCurve(const ReceptorParameters& parameters, double logAverage, double maximum);
  float Map(float log2Luminance) const;

  float a;   // brightness exponent
  double k;  // bias exponent
  double d;  // log-average
  double e;  // maximum / log-average
  double g;  // log10(e + 1)
};

void ApplyReceptor(const ReceptorParameters& parameters, double logAverage, double maximum,
                   const std::vector<OrvLevelImage>& levels, vigra::BasicImage<float>& output);

}  // namespace orv
