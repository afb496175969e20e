#pragma once
// Which filter the photos already on an Increase pile receive when the next
// photo arrives, when Increase comes from the transition shuffle: a draw from
// the checked pile filters that suit the image filter in force.
#include <vector>

#include "filters/DrawShuffleFilter.h"

// Whether pile filter pileFilter may follow image filter imageFilter: some
// pairs would repeat or spoil the look (a filter never follows itself; no
// image filter accepts every pile filter but none).
bool PileFilterFollows(int imageFilter, int pileFilter);

// The shuffle draw of the pile filter. An empty bag is refilled with the
// checked filters in ascending order; a single entry is taken as it is; with
// more, as many entries as the bag holds are drawn at Random(count) and
// removed until one suits imageFilter. Returns the filter, or 0 when none
// suits or nothing is checked.
int DrawIncreaseFilter(std::vector<int>& bag, const FilterChecks& increaseCheck, int imageFilter);
