#include "transitions/FourPartPlan.h"

#include "platform/Random.h"

FourPartPlan DrawFourPartPlan() {
  FourPartPlan plan;
  std::array<int, 4> left{0, 1, 2, 3};
  for (int i = 0, count = 4; i < 4; ++i, --count) {
    const int at = Random(count);  // the last one is taken without a draw
    plan.Order[static_cast<std::size_t>(i)] = left[static_cast<std::size_t>(at)];
    for (int j = at; j + 1 < count; ++j)
      left[static_cast<std::size_t>(j)] = left[static_cast<std::size_t>(j) + 1];
  }
  for (int& choice : plan.Choices) choice = Random(2);
  return plan;
}
