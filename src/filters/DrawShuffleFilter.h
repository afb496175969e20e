#pragma once
// The shuffle draw of filters: every checked filter once per round, in a
// random order, and with "なし" checked every other draw unfiltered.
#include <array>
#include <functional>
#include <vector>

#include "filters/FilterKind.h"

// The indices not yet drawn in the current round, in the order they were put
// in. Empty at start; the slideshow control empties it at every stop.
using FilterBag = std::vector<int>;

// Check marks of the shuffle list, index 0 ("なし") to 21.
using FilterChecks = std::array<bool, kFilterCount>;

// Draws the next filter and sets activeFilter to it (also returned).
// While the bag is refilled, processPendingMessages runs after each item of
// the check list examined (it may be empty).
int DrawShuffleFilter(FilterBag& bag, const FilterChecks& checks, int& activeFilter,
                      const std::function<void()>& processPendingMessages);
