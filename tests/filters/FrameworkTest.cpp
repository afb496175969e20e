// The catalogue entry point, the shuffle draw and the white border.
#include <gtest/gtest.h>

#include <set>

#include "Reference.h"
#include "filters/AddNoise.h"
#include "filters/ApplyFilter.h"
#include "filters/DrawShuffleFilter.h"
#include "filters/FilterKind.h"
#include "filters/FramedResult.h"
#include "filters/GaussianBlur.h"
#include "filters/GreyToneFilters.h"
#include "transitions/TransitionKind.h"

namespace {

TEST(FilterKind, CatalogueNamesInOrder) {
  EXPECT_STREQ(kFilterNames[0], "なし");
  EXPECT_STREQ(kFilterNames[static_cast<int>(FilterKind::SoftFocus)], "ソフトフォーカス");
  EXPECT_STREQ(kFilterNames[static_cast<int>(FilterKind::BleachBypass)], "ブリーチバイパス");
  EXPECT_STREQ(kFilterNames[static_cast<int>(FilterKind::Shuffle)], "シャッフル");
}

TEST(ApplyFilter, NoneShuffleAndOutOfRangeKindsLeaveThePicture) {
  const FrameBitmap picture = ref::PhotoLikePicture(20, 14, 1);
  for (int kind : {0, 22, 23, -1, 1000}) {
    FrameBitmap p = picture;
    ApplyFilter(kind, p, FilterContext{});
    EXPECT_EQ(p, picture) << kind;
  }
}

TEST(ApplyFilter, DispatchUsesTheCataloguesFixedArguments) {
  const FrameBitmap picture = ref::PhotoLikePicture(60, 40, 2);
  FrameBitmap a = picture, b = picture;
  ApplyFilter(12, a, FilterContext{});
  SoftFocus(b, 8, 0.2);
  EXPECT_EQ(a, b);
  a = b = picture;
  SeedRandom(5);
  ApplyFilter(13, a, FilterContext{});
  SeedRandom(5);
  AddNoise(b, 8, 0.2);
  EXPECT_EQ(a, b);
  a = b = picture;
  ApplyFilter(2, a, FilterContext{});
  SepiaFilter(b, true);
  EXPECT_EQ(a, b);
  a = b = picture;
  SeedRandom(6);
  ApplyFilter(3, a, FilterContext{});
  SeedRandom(6);
  MonotoneFilter(b, true);
  EXPECT_EQ(a, b);
}

TEST(FramedResult, MarginsAndTheIncreaseException) {
  FrameBitmap picture = ref::RandomPicture(1368, 1026, 3);
  const FrameBitmap original = picture;
  FilterContext context;
  context.FrameMargin = 27;
  FramedResult(picture, context);
  ASSERT_EQ(picture.Width, 1422);
  ASSERT_EQ(picture.Height, 1080);
  EXPECT_EQ(picture.At(27, 27)[0], original.At(0, 0)[0]);
  EXPECT_EQ(0, std::memcmp(picture.At(27, 27 + 500), original.Row(500), original.RowBytes()));
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{26, 500}, std::pair{1395, 500}, std::pair{700, 1053}})
    for (int c = 0; c < 3; ++c) EXPECT_EQ(picture.At(x, y)[c], 255) << x << "," << y;

  FrameBitmap pile = original;
  context.ActiveTransition = static_cast<int>(TransitionKind::Increase);
  context.SlideshowRunning = true;
  FramedResult(pile, context);
  EXPECT_EQ(pile, original);
  // Increase chosen but nothing running (the preview): the border is there.
  context.SlideshowRunning = false;
  FramedResult(pile, context);
  EXPECT_EQ(pile.Width, 1422);
}

TEST(FramedResult, AnEmptyPictureBecomesTheBorderAlone) {
  for (int margin : {0, 3}) {
    FrameBitmap empty;
    FilterContext context;
    context.FrameMargin = margin;
    FramedResult(empty, context);
    EXPECT_EQ(empty, ref::Uniform(2 * margin, 2 * margin, 255, 255, 255)) << margin;
  }
}

FilterChecks Checked(std::initializer_list<int> indices) {
  FilterChecks checks{};
  for (int i : indices) checks[i] = true;
  return checks;
}

std::vector<int> Draws(const FilterChecks& checks, int count, FilterBag& bag, int& active) {
  std::vector<int> drawn;
  for (int i = 0; i < count; ++i) drawn.push_back(DrawShuffleFilter(bag, checks, active, nullptr));
  return drawn;
}

TEST(DrawShuffleFilter, OnlyNoneCheckedAlwaysGivesNone) {
  FilterBag bag;
  int active = 22;
  EXPECT_EQ(Draws(Checked({0}), 5, bag, active), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(active, 0);
  FilterBag empty;
  active = 22;
  EXPECT_EQ(Draws(Checked({}), 3, empty, active), (std::vector<int>{0, 0, 0}));
}

TEST(DrawShuffleFilter, NoneAndOneOtherAlternateStartingWithNone) {
  FilterBag bag;
  int active = 22;  // the selector still stands on "シャッフル" at the first draw
  EXPECT_EQ(Draws(Checked({0, 7}), 6, bag, active), (std::vector<int>{0, 7, 0, 7, 0, 7}));
  EXPECT_EQ(active, 7);
}

TEST(DrawShuffleFilter, EveryCheckedFilterOncePerRound) {
  SeedRandom(11);
  FilterBag bag;
  int active = 22;
  const std::vector<int> drawn = Draws(Checked({2, 13, 21}), 12, bag, active);
  for (int round = 0; round < 4; ++round) {
    const std::set<int> seen(drawn.begin() + round * 3, drawn.begin() + round * 3 + 3);
    EXPECT_EQ(seen, (std::set<int>{2, 13, 21})) << round;
  }
  // With none checked as well: none between every pair, still each once per round.
  FilterBag bag2;
  active = 22;
  const std::vector<int> mixed = Draws(Checked({0, 4, 5}), 8, bag2, active);
  for (int i = 0; i < 8; i += 2) EXPECT_EQ(mixed[i], 0);
  EXPECT_EQ((std::set<int>{mixed[1], mixed[3]}), (std::set<int>{4, 5}));
  EXPECT_EQ((std::set<int>{mixed[5], mixed[7]}), (std::set<int>{4, 5}));
}

TEST(DrawShuffleFilter, RefillTakesAscendingIndicesAndProcessesMessagesPerItem) {
  SeedRandom(3);
  FilterBag bag;
  int active = 22;
  int messages = 0;
  const FilterChecks checks = Checked({1, 9, 14});
  DrawShuffleFilter(bag, checks, active, [&] { ++messages; });
  EXPECT_EQ(messages, kFilterCount);
  // The drawn one came out of the bag 1, 9, 14 at position Random(3).
  SeedRandom(3);
  const int position = Random(3);
  std::vector<int> full{1, 9, 14};
  EXPECT_EQ(active, full[position]);
  full.erase(full.begin() + position);
  EXPECT_EQ(bag, full);
  // No refill while the bag holds entries: no messages.
  DrawShuffleFilter(bag, checks, active, [&] { ++messages; });
  EXPECT_EQ(messages, kFilterCount);
  // The last entry is taken without a draw.
  SeedRandom(99);
  const int before = Random(1000);
  SeedRandom(99);
  DrawShuffleFilter(bag, checks, active, nullptr);
  EXPECT_TRUE(bag.empty());
  EXPECT_EQ(Random(1000), before);
}

}  // namespace
