#pragma once
// The image counter under the preview: "05/12".
#include <QString>

// index is the 0-based image shown, count the images of the folder. Both
// numbers take the digits of count's width class: two up to 99, three up to
// 999, four up to 9999, five up to 99999, plain decimal beyond.
QString PreviewCounterText(int index, int count);
