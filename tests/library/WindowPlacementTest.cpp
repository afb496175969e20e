#include <gtest/gtest.h>

#include "library/WindowPlacement.h"

TEST(WindowPlacementTest, GrownWindowMovesUpToKeepTwentyPixelsAboveTheWorkArea) {
  // A 1920 x 1080 screen with a 40-pixel task bar at the bottom: the work
  // area ends after row 1039, so a window's last row may be 1019.
  const QRect work(0, 0, 1920, 1040);
  const struct {
    QRect frame;
    int top;
  } cases[] = {
      {QRect(100, 300, 700, 600), 300},   // ends at 899: stays
      {QRect(100, 420, 700, 600), 420},   // ends exactly at 1019: stays
      {QRect(100, 500, 700, 600), 420},   // ends at 1099: moves up by 80
      {QRect(100, 100, 700, 1200), 0},    // taller than the work area: stops at its top
  };
  for (const auto& c : cases) EXPECT_EQ(TopKeepingBottomAboveWorkArea(c.frame, work), c.top) << c.frame.y();

  // A task bar at the top moves the work area's top, not its bottom.
  EXPECT_EQ(TopKeepingBottomAboveWorkArea(QRect(0, 600, 700, 600), QRect(0, 40, 1920, 1040)), 460);
}
