#pragma once
// Small parsers shared by the render subcommands.
#include <QString>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/Random.h"

// "1920x1080" -> width, height (both at least 1).
inline bool ParseSize(const std::string& text, int& width, int& height) {
  char tail = 0;
  return std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) == 2 && width >= 1 && height >= 1 &&
         width <= 65535 && height <= 65535;
}

// Decimal or 0x-prefixed hexadecimal.
inline bool ParseNumber(const std::string& text, std::int64_t& value) {
  try {
    std::size_t used = 0;
    value = std::stoll(text, &used, 0);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

inline int Fail(const QString& reason) {
  std::fprintf(stderr, "%s\n", reason.toUtf8().constData());
  return 1;
}

// --seed S: the generator starts from S, and the clock that filters and
// transitions reseed from reads S too, so the whole run repeats.
inline void ApplySeed(std::int64_t seed) {
  if (seed < 0) return;
  SeedRandom(static_cast<std::uint64_t>(seed));
  FixReseedClock(static_cast<std::uint64_t>(seed));
}
