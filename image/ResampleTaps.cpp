#include "image/ResampleTaps.h"

#include <vigra/error.hxx>

#include <algorithm>
#include <cmath>

namespace orv {
namespace detail {

namespace {

// First sample whose centre is not left of c; the last one if none is.
int FirstCentreAtOrAfter(const int* s, int n, double c)
{
    const int* hit =
        std::lower_bound(s, s + n, c, [](int coordinate, double x) { return coordinate + 0.5 < x; });
    return std::min(int(hit - s), n - 1);
}

ResampleTap Single(int index)
{
    ResampleTap tap;
    tap.count = 1;
    tap.index[0] = index;
    tap.weight[0] = 1;
    return tap;
}

ResampleTap Same(const int* s, int n, int t)
{
    const int* hit = std::lower_bound(s, s + n, t);
    int k = int(hit - s);
    if (k == n || (k > 0 && *hit != t && t - s[k - 1] <= s[k] - t))
        k = std::max(k - 1, 0);
    return Single(k);
}

ResampleTap Up(const int* s, int n, double c)
{
    const int k = FirstCentreAtOrAfter(s, n, c);
    if (k == 0)
        return Single(0);
    const double e = s[k];
    const double g = s[k - 1];
    ResampleTap tap;
    tap.count = 2;
    tap.index[0] = k;
    tap.weight[0] = c - 0.5 - g;
    tap.index[1] = k - 1;
    tap.weight[1] = e + 0.5 - c;
    tap.divisor = e - g;
    return tap;
}

ResampleTap Down(const int* s, int n, double c)
{
    const int k = FirstCentreAtOrAfter(s, n, c);
    ResampleTap tap;
    tap.count = 4;
    for (int i = 0; i < 4; ++i)
        tap.index[i] = std::clamp(k - 2 + i, 0, n - 1);
    const double span = double(s[tap.index[3]]) - s[tap.index[0]];
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        tap.weight[i] = span - std::fabs(s[tap.index[i]] + 0.5 - c);
        sum += tap.weight[i];
    }
    if (sum == 0)
        return Single(std::max(k - 1, 0));
    tap.divisor = sum;
    return tap;
}

} // namespace

std::vector<ResampleTap> ResampleTaps(const int* s, int n, int A, const int* t, int m, int T)
{
    vigra_precondition(n >= 1 && A >= 1 && T >= 1 && m >= 0,
                       "ResampleTaps(): need at least one source sample and positive extents.");
    std::vector<ResampleTap> taps(std::size_t(m > 0 ? m : 0));
    const double ratio = double(A) / double(T);
    for (int i = 0; i < m; ++i) {
        const double c = ratio * (t[i] + 0.5);
        if (A == T)
            taps[i] = Same(s, n, t[i]);
        else if (A < T)
            taps[i] = Up(s, n, c);
        else
            taps[i] = Down(s, n, c);
    }
    return taps;
}

} // namespace detail
} // namespace orv
