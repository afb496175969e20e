#include "transitions/PuzzleTransition.h"

#include <array>

#include "filters/GreyToneFilters.h"
#include "platform/Random.h"
#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

void Puzzle(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  constexpr int kTiles = kPuzzleColumns * kPuzzleRows;
  // Tile sizes of a screen smaller than the gaps come out zero or negative;
  // such tiles copy nothing.
  const int tw = (next.Width - (kPuzzleColumns + 1) * kPuzzleGap) / kPuzzleColumns;
  const int th = (next.Height - (kPuzzleRows + 1) * kPuzzleGap) / kPuzzleRows;
  const auto left = [tw](int tile) { return (tw + kPuzzleGap) * (tile % kPuzzleColumns) + kPuzzleGap; };
  const auto top = [th](int tile) { return (th + kPuzzleGap) * (tile / kPuzzleColumns) + kPuzzleGap; };
  const auto copyTile = [&](int to, const FrameBitmap& source, int from) {
    CopyRect(screen, left(to), top(to), source, left(from), top(from), tw, th);
  };

  FrameBitmap grey;
  grey.Assign(screens.New());
  GrayscaleFilter(grey);

  screen.Fill(kPuzzleGround);
  for (int tile = 0; tile < kTiles; ++tile) copyTile(tile, screens.Old(), tile);
  context.Surface.PresentFrame(screen);

  std::array<bool, kTiles> done{};
  const auto drawFreeTile = [&done] {
    int column, row;
    do {
      column = Random(kPuzzleColumns);
      row = Random(kPuzzleRows);
    } while (done[static_cast<std::size_t>(row * kPuzzleColumns + column)]);
    return row * kPuzzleColumns + column;
  };

  // The source tiles in row order, each to a free place drawn at random.
  const auto scramble = [&](const FrameBitmap& source) {
    done.fill(false);
    for (int from = 0; from < kTiles; ++from) {
      const int to = drawFreeTile();
      copyTile(to, source, from);
      done[static_cast<std::size_t>(to)] = true;
      SleepAndPresent(context, kPuzzleSleepMs);
    }
  };
  scramble(screens.Old());
  scramble(screens.New());

  done.fill(false);
  for (int placed = 0; placed < kTiles; ++placed) {
    const int tile = drawFreeTile();
    const bool inGrey = Random(1000) % 5 == 0;
    copyTile(tile, inGrey ? grey : screens.New(), tile);
    done[static_cast<std::size_t>(tile)] = true;
    SleepAndPresent(context, kPuzzleSleepMs);
  }
}
