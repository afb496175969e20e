#pragma once
// Puzzle: the screen cut into 6 × 5 tiles on a dark ground; the old tiles are
// scrambled, the new tiles scrambled over them, and then the new picture is
// laid out tile by tile in place, about one tile in five in grey.
#include "bitmap/FrameBitmap.h"
#include "transitions/RunTransition.h"

constexpr int kPuzzleColumns = 6;
constexpr int kPuzzleRows = 5;
constexpr int kPuzzleGap = 2;       // pixels around every tile
constexpr int kPuzzleSleepMs = 26;
constexpr ColorRef kPuzzleGround = 0x313131;  // RGB(49, 49, 49)

// 91 frames: the old tiles in place on the ground (shown without a sleep),
// then 30 moves of old tiles, 30 of new tiles and 30 placings, each followed
// by a 26 ms sleep. The tile positions and the grey tiles come from Random.
// The last frame is not the new screen: it keeps the ground between the
// tiles and the grey tiles.
void Puzzle(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context);
