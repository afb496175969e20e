#pragma once
// The program's one pseudo-random sequence, shared by the play orders, the
// shuffles, the filters and the transitions. Seeded from the clock at start;
// tests seed it with SeedRandom to repeat a run.
#include <cstdint>

// A uniformly distributed integer in 0..n-1 (0 when n <= 1).
int Random(int n);
// Reseeds the generator from the clock.
void ReseedRandom();
// Reseeds the generator with a fixed value.
void SeedRandom(std::uint64_t seed);
