#include "mapping/ReceptorOperator.h"

#include <cmath>
#include <limits>

#include "mapping/OperatorLevel.h"

namespace orv {

ReceptorCurve::ReceptorCurve(const ReceptorParameters& parameters, double logAverage, double maximum)
    : a(static_cast<float>(0.03 * parameters.brightness + 0.7)),
      k(std::log(0.03 * parameters.compression + 0.7) / std::log(0.5)),
      d(logAverage),
      e(maximum / logAverage),
      g(std::log10(e + 1.0)) {}

float ReceptorCurve::Map(float p) const {
  const float t = std::exp2(p);
  const float u = std::pow(t, a);
  const float v = static_cast<float>(u / d);
  const double n = std::log(v + 1.0);
  const double m = std::log(8.0 * std::pow(v / e, k) + 2.0);
  float ratio = static_cast<float>(n / m / g);
  // A pixel so dark that v + 1 rounds to 1 would map to log2 0 = −∞; keep it
  // at the darkest representable value instead.
  if (!(ratio >= std::numeric_limits<float>::min())) ratio = std::numeric_limits<float>::min();
  return static_cast<float>(std::log(ratio) / 0.6931471806);
}

void ApplyReceptor(const ReceptorParameters& parameters, double logAverage, double maximum,
                   const std::vector<OrvLevelImage>& levels, vigra::BasicImage<float>& output) {
  const ReceptorCurve curve(parameters, logAverage, maximum);
  ForEachCoreRow(OperatorLevel(levels), output, [&curve](const float* in, float* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = curve.Map(in[i]);
  });
}

}  // namespace orv
