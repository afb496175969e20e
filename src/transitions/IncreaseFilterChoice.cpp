#include "transitions/IncreaseFilterChoice.h"

#include <array>
#include <bitset>
#include <initializer_list>
#include <utility>

#include "platform/Random.h"

namespace {

using Excluded = std::bitset<kFilterCount>;

// Single filters and inclusive ranges of filters, as one set.
Excluded Set(std::initializer_list<std::pair<int, int>> ranges) {
  Excluded s;
  for (const auto& [from, to] : ranges)
    for (int c = from; c <= to; ++c) s.set(static_cast<std::size_t>(c));
  return s;
}

// The pile filters that may not follow each image filter 1..21.
const std::array<Excluded, kFilterCount>& ExcludedAfter() {
  static const std::array<Excluded, kFilterCount> table = {
      Set({{0, 0}}),                                                  // 0: every filter but none
      Set({{1, 1}}),                                                  // 1
      Set({{2, 2}}),                                                  // 2
      Set({{3, 3}}),                                                  // 3
      Set({{4, 4}, {9, 9}, {14, 14}}),                                // 4
      Set({{5, 5}, {7, 9}, {14, 15}}),                                // 5
      Set({{6, 9}, {14, 15}}),                                        // 6
      Set({{5, 10}, {14, 15}, {21, 21}}),                             // 7
      Set({{5, 9}, {15, 16}, {20, 21}}),                              // 8
      Set({{4, 10}, {14, 16}, {18, 18}, {20, 21}}),                   // 9
      Set({{10, 10}, {14, 14}, {18, 18}, {20, 21}}),                  // 10
      Set({{6, 9}, {11, 11}, {13, 13}}),                              // 11
      Set({{5, 8}, {12, 12}}),                                        // 12
      Set({{5, 8}, {13, 13}}),                                        // 13
      Set({{10, 10}, {14, 15}, {18, 18}}),                            // 14
      Set({{5, 8}, {10, 10}, {12, 15}, {18, 18}, {20, 21}}),          // 15
      Set({{4, 9}, {12, 13}, {15, 16}, {18, 21}}),                    // 16
      Set({{10, 10}, {14, 17}, {19, 19}, {21, 21}}),                  // 17
      Set({{5, 5}, {7, 8}, {10, 10}, {13, 15}, {18, 18}, {20, 20}}),  // 18
      Set({{10, 10}, {14, 15}, {18, 20}}),                            // 19
      Set({{7, 8}, {10, 10}, {13, 16}, {18, 18}, {20, 20}}),          // 20
      Set({{15, 15}, {21, 21}}),                                      // 21
  };
  return table;
}

}  // namespace

bool PileFilterFollows(int imageFilter, int pileFilter) {
  if (pileFilter < 0 || pileFilter >= kFilterCount) return false;
  // An image filter outside the catalogue (the shuffle entry) counts as none.
  if (imageFilter < 0 || imageFilter >= kFilterCount) imageFilter = 0;
  return !ExcludedAfter()[static_cast<std::size_t>(imageFilter)].test(static_cast<std::size_t>(pileFilter));
}

int DrawIncreaseFilter(std::vector<int>& bag, const FilterChecks& increaseCheck, int imageFilter) {
  if (bag.empty()) {
    for (int kind = 0; kind < kFilterCount; ++kind)
      if (increaseCheck[static_cast<std::size_t>(kind)]) bag.push_back(kind);
  }
  if (bag.empty()) return 0;
  if (bag.size() == 1) {
    const int only = bag.front();
    bag.clear();
    return PileFilterFollows(imageFilter, only) ? only : 0;
  }
  const std::size_t attempts = bag.size();
  for (std::size_t i = 0; i < attempts; ++i) {
    const int at = Random(static_cast<int>(bag.size()));
    const int kind = bag[static_cast<std::size_t>(at)];
    bag.erase(bag.begin() + at);
    if (PileFilterFollows(imageFilter, kind)) return kind;
  }
  return 0;
}
