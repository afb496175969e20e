#include "platform/Random.h"

#include <chrono>
#include <optional>
#include <random>

namespace {
std::optional<std::uint64_t>& FixedReseedReading() {
  static std::optional<std::uint64_t> reading;
  return reading;
}

std::mt19937_64& Generator() {
  static std::mt19937_64 gen(static_cast<std::uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  return gen;
}

int DrawFrom(std::mt19937_64& generator, int n) {
  if (n <= 1) return 0;
  // Rejection keeps every value equally likely for any n.
  const std::uint64_t range = static_cast<std::uint64_t>(n);
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  std::uint64_t v;
  do {
    v = generator();
  } while (v >= limit);
  return static_cast<int>(v % range);
}
}  // namespace

int Random(int n) { return DrawFrom(Generator(), n); }

int PeekRandom(int n) {
  if (n <= 1) return 0;
  std::mt19937_64 copy = Generator();
  return DrawFrom(copy, n);
}

void ReseedRandom() {
  if (const std::optional<std::uint64_t>& fixed = FixedReseedReading()) {
    Generator().seed(*fixed);
    return;
  }
  Generator().seed(static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch().count()) ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void SeedRandom(std::uint64_t seed) { Generator().seed(seed); }

void FixReseedClock(std::optional<std::uint64_t> reading) { FixedReseedReading() = reading; }
