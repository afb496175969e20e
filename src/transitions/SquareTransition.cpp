#include "transitions/SquareTransition.h"

#include <cstdint>
#include <vector>

#include "platform/Random.h"
#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

void Square(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  if (!context.KeepRandomSequence) ReseedRandom();
  const int columns = (next.Width + kSquareTile - 1) / kSquareTile;
  const int rows = (next.Height + kSquareTile - 1) / kSquareTile;
  const int tiles = columns * rows;
  std::vector<std::uint8_t> done(static_cast<std::size_t>(tiles), 0);
  for (int placed = 0; placed < tiles; ++placed) {
    int column, row;
    do {
      column = Random(columns);
      row = Random(rows);
    } while (done[static_cast<std::size_t>(row) * columns + column]);
    // Tiles at the right and bottom edges are cut to the screen by the copy.
    CopyRect(context.Screen, column * kSquareTile, row * kSquareTile, screens.New(),
             column * kSquareTile, row * kSquareTile, kSquareTile, kSquareTile);
    if (placed % kSquareTilesPerFrame == 0) context.Surface.PresentFrame(context.Screen);
    done[static_cast<std::size_t>(row) * columns + column] = 1;
  }
  CopyWholeScreen(context.Screen, screens.New());
  context.Surface.PresentFrame(context.Screen);
}
