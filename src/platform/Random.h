#pragma once
// The program's one pseudo-random sequence, shared by the play orders, the
// shuffles, the filters and the transitions. Seeded from the clock at start;
// tests seed it with SeedRandom to repeat a run.
#include <cstdint>
#include <optional>

// A uniformly distributed integer in 0..n-1 (0 when n <= 1).
int Random(int n);
// The number the next Random(n) will give, without drawing it: the sequence
// goes on as if this had not been asked.
int PeekRandom(int n);
// Reseeds the generator from the clock (or from the fixed reading below).
void ReseedRandom();
// Makes the clock that ReseedRandom reads return this value from now on, so
// that a seeded run repeats even through filters and transitions that
// reseed; nullopt gives the real clock back.
void FixReseedClock(std::optional<std::uint64_t> reading);
// Reseeds the generator with a fixed value.
void SeedRandom(std::uint64_t seed);
