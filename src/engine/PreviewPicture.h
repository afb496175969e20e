#pragma once
// The small picture of the main window's preview: the image fitted into the
// preview area, sharpened and passed through the filter selector's filter.
// One call does the whole decode-to-picture work, so it can run wherever the
// caller likes (it touches nothing shared).
#include <QString>

#include "bitmap/FrameBitmap.h"

inline constexpr int kPreviewAreaWidth = 200;
inline constexpr int kPreviewAreaHeight = 150;
inline constexpr int kPreviewSharpenStrength = 10;

// The border kept free around the fitted picture for the framing filters
// (4, 8 and 10): 2.5 % of the area height. Unlike the slideshow, filter 4
// takes no random width here, so the preview of one image is always the same.
int PreviewFrameMargin(int filter, int areaHeight);

struct FilterContext;

// The part of the preview that may run on a worker thread: fits decoded (as
// stored, turned by orientation 0/90/180/270) into the area and sharpens it.
// context receives what the filter needs to know afterwards. Draws no random
// numbers. Throws ImageError when the picture cannot be fitted.
FrameBitmap FitPreviewPicture(const FrameBitmap& decoded, int orientation, int filter, FilterContext& context,
                              int areaWidth = kPreviewAreaWidth, int areaHeight = kPreviewAreaHeight);

// FitPreviewPicture followed by filter ("シャッフル" and "なし" leave it as it
// is). The filter may draw random numbers, so it runs on the user-interface
// thread. Throws ImageError when the picture cannot be fitted.
FrameBitmap PreparePreviewPicture(const FrameBitmap& decoded, int orientation, int filter,
                                  int areaWidth = kPreviewAreaWidth, int areaHeight = kPreviewAreaHeight);

// Decodes file (transparent parts over background), reads its Exif
// orientation and prepares the preview picture. Throws ImageError naming the
// file when it cannot be decoded or fitted.
FrameBitmap DecodePreviewPicture(const QString& file, int filter, ColorRef background,
                                 int areaWidth = kPreviewAreaWidth, int areaHeight = kPreviewAreaHeight);
