#pragma once
// trunc(n * s) of the exact product, not of the product rounded to a double:
// 4000 * (1080 / 3000.0) is 1439.99999999999995 exactly, which a double
// multiplication would round up to 1440. Both factors are non-negative here.
#include <cmath>

inline int TruncProduct(int n, double s) {
  const double p = static_cast<double>(n) * s;
  const double t = std::trunc(p);
  // When the rounded product is a whole number, the exact one may lie just below it.
  if (t == p && t > 0 && std::fma(static_cast<double>(n), s, -p) < 0) return static_cast<int>(t) - 1;
  return static_cast<int>(t);
}
