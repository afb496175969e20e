#include "transitions/VectorUnit.h"

VectorUnit WidestVectorUnit() {
#if defined(__x86_64__) || defined(__i386__)
  static const VectorUnit widest = [] {
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vbmi"))
      return VectorUnit::Avx512;
    if (__builtin_cpu_supports("avx2")) return VectorUnit::Avx2;
    return VectorUnit::Sse2;
  }();
  return widest;
#else
  return VectorUnit::Plain;
#endif
}

VectorUnit UsableVectorUnit(VectorUnit wanted) {
  const VectorUnit widest = WidestVectorUnit();
  return wanted < widest ? wanted : widest;
}
