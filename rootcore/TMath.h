// Numerical helpers.
#ifndef ORV_ROOTCORE_TMATH_H
#define ORV_ROOTCORE_TMATH_H

#include <algorithm>

#include "Rtypes.h"

namespace TMath {
/// Search in the ascending array of n values: the index of an element equal to value (the first
/// of equal ones), else of the largest element below value; -1 when value is below the first element.
template <typename T>
Long64_t BinarySearch(Long64_t n, const T *array, T value)
{
   const T *pind = std::lower_bound(array, array + n, value);
   if (pind != array + n && *pind == value) return pind - array;
   return pind - array - 1;
}
} // namespace TMath

#endif
