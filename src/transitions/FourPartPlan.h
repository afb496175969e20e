#pragma once
// The random plan of a transition that treats four parts of the screen one
// after another (the separate bands, the flip quarters): the order of the
// parts and one two-way choice per part.
#include <array>

struct FourPartPlan {
  std::array<int, 4> Order{0, 1, 2, 3};  // part indices in the order they are treated
  std::array<int, 4> Choices{};          // Choices[i] (0 or 1) belongs to Order[i]
};

// Draws the order (from the list 0..3 the entry at Random(4), then at
// Random(3) of the rest, then Random(2), then the last), then one Random(2)
// per part in that order.
FourPartPlan DrawFourPartPlan();
