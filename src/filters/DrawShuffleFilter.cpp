#include "filters/DrawShuffleFilter.h"

#include "platform/Random.h"

namespace {

int DrawFromBag(FilterBag& bag, const FilterChecks& checks, const std::function<void()>& processPendingMessages) {
  if (bag.empty()) {
    for (int i = 0; i < kFilterCount; ++i) {
      if (checks[i] && i != static_cast<int>(FilterKind::None)) bag.push_back(i);
      if (processPendingMessages) processPendingMessages();
    }
  }
  if (bag.empty()) return static_cast<int>(FilterKind::None);
  // The bag may have been changed while messages ran; read its size now.
  const std::size_t position = bag.size() == 1 ? 0 : static_cast<std::size_t>(Random(static_cast<int>(bag.size())));
  const int drawn = bag[position];
  bag.erase(bag.begin() + static_cast<std::ptrdiff_t>(position));
  return drawn;
}

}  // namespace

int DrawShuffleFilter(FilterBag& bag, const FilterChecks& checks, int& activeFilter,
                      const std::function<void()>& processPendingMessages) {
  const int none = static_cast<int>(FilterKind::None);
  const bool alternateWithNone = checks[none] && activeFilter != none;
  activeFilter = alternateWithNone ? none : DrawFromBag(bag, checks, processPendingMessages);
  return activeFilter;
}
