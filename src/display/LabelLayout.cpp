#include "display/LabelLayout.h"

namespace {

constexpr int kTextPadX = 8;  // 4 pixels of box colour left and right
constexpr int kTextPadY = 4;  // 2 pixels above and below
constexpr int kExifInset = 4;  // the list sits at (4, 4) inside its box

LabelRect& At(PerLabelBox<LabelRect>& r, LabelBox b) { return r[static_cast<std::size_t>(Index(b))]; }

// Stacks boxes downward from top in the given order.
void StackDown(PerLabelBox<LabelRect>& r, std::initializer_list<LabelBox> order, int top) {
  for (LabelBox b : order) {
    At(r, b).Top = top;
    top += At(r, b).Height;
  }
}

// Stacks boxes upward so that the first of order ends at bottom.
void StackUp(PerLabelBox<LabelRect>& r, std::initializer_list<LabelBox> order, int bottom) {
  for (LabelBox b : order) {
    At(r, b).Top = bottom - At(r, b).Height;
    bottom = At(r, b).Top;
  }
}

void AlignLeft(PerLabelBox<LabelRect>& r, std::initializer_list<LabelBox> boxes, int m) {
  for (LabelBox b : boxes) At(r, b).Left = m;
}

void AlignRight(PerLabelBox<LabelRect>& r, std::initializer_list<LabelBox> boxes, int mw, int m) {
  for (LabelBox b : boxes) At(r, b).Left = mw - At(r, b).Width - m;
}

}  // namespace

PerLabelBox<LabelRect> PlaceLabelBoxes(int mw, int mh, int gGroupPos,
                                       const PerLabelBox<LabelRect>& sizes) {
  using B = LabelBox;
  const int m = kLabelMargin;
  PerLabelBox<LabelRect> r = sizes;
  const bool imagesAtTop = gGroupPos == 0 || gGroupPos == 2;
  const bool imagesOnLeft = gGroupPos == 0 || gGroupPos == 1;

  // Image group: S, G, D, N from top to bottom.
  if (imagesAtTop) {
    StackDown(r, {B::SlideName, B::GName, B::Date, B::Num}, m);
  } else {
    StackUp(r, {B::Num, B::Date, B::GName, B::SlideName}, mh - m);
  }
  if (imagesOnLeft) {
    AlignLeft(r, {B::SlideName, B::GName, B::Date, B::Num}, m);
  } else {
    AlignRight(r, {B::SlideName, B::GName, B::Date, B::Num}, mw, m);
  }

  // Music group in the opposite corner, the artwork farthest from it.
  if (imagesAtTop) {
    StackUp(r, {B::State, B::BGMName, B::Art}, mh - m);
  } else {
    StackDown(r, {B::BGMName, B::State, B::Art}, m);
  }
  if (imagesOnLeft) {
    AlignRight(r, {B::BGMName, B::State, B::Art}, mw, m);
  } else {
    AlignLeft(r, {B::BGMName, B::State, B::Art}, m);
  }

  // Exif at the top, on the side away from the image group when it is at the
  // top, on the image group's side when that is at the bottom.
  const bool exifOnLeft = gGroupPos == 1 || gGroupPos == 2;
  At(r, B::Exif).Top = m;
  if (exifOnLeft) AlignLeft(r, {B::Exif}, m); else AlignRight(r, {B::Exif}, mw, m);

  // Guide above the clock in the remaining bottom corner.
  const bool clockOnLeft = gGroupPos == 0 || gGroupPos == 3;
  StackUp(r, {B::Clock, B::Guide}, mh - m);
  if (clockOnLeft) {
    AlignLeft(r, {B::Clock, B::Guide}, m);
  } else {
    AlignRight(r, {B::Clock, B::Guide}, mw, m);
  }
  return r;
}

std::optional<LabelLayout> ComputeLabelLayout(const LabelLayoutInput& in, LabelTextMeasure& measure) {
  using B = LabelBox;
  if (!in.UseLabel || !in.DisplayShowing) return std::nullopt;
  if (in.MusicOn && !in.BgmPlayListEmpty && !in.PlayerHoldsFile) return std::nullopt;

  LabelLayout out;
  out.Checked = in.Settings;
  const int maxTextWidth = in.MW - kLabelWidthReserve;
  const bool music = in.MusicOn && !in.BgmPlayListEmpty;
  auto on = [&](B b) { return in.Settings[static_cast<std::size_t>(Index(b))]; };
  auto box = [&](B b) -> LabelBoxState& { return out.Boxes[static_cast<std::size_t>(Index(b))]; };

  auto sizeText = [&](B b, bool show, const QString& text, const QString& sizingText) {
    LabelBoxState& s = box(b);
    if (!show || sizingText.isEmpty()) return;
    const QString cutSizing = CutTextToWidth(measure, sizingText, maxTextWidth);
    s.Rect.Width = measure.TextWidth(cutSizing) + kTextPadX;
    s.Rect.Height = measure.TextHeight() + kTextPadY;
    s.Text = &text == &sizingText ? cutSizing : CutTextToWidth(measure, text, maxTextWidth);
  };

  sizeText(B::SlideName, on(B::SlideName), in.SlideName, in.SlideName);
  sizeText(B::GName, on(B::GName), in.GName, in.GName);
  sizeText(B::Num, on(B::Num), in.Num, in.Num);
  sizeText(B::Date, on(B::Date), in.Date, in.Date);
  sizeText(B::BGMName, on(B::BGMName) && music, in.BGMName, in.BGMName);
  // The layout text holds dashes where the running text shows digits; in a
  // proportional font a dash is narrower, and the running text would be cut
  // at both ends of its box. The box is sized for the wider of the two forms.
  QString stateSizing = in.StateLayout;
  QString stateWithDigits = in.StateLayout;
  stateWithDigits.replace(u'-', u'0');
  if (measure.TextWidth(stateWithDigits) > measure.TextWidth(stateSizing)) stateSizing = stateWithDigits;
  sizeText(B::State, on(B::State) && music, in.State.isEmpty() ? in.StateLayout : in.State, stateSizing);
  if (on(B::Art) && music) {
    box(B::Art).Rect.Width = in.ArtWidth;
    box(B::Art).Rect.Height = in.ArtHeight;
  }
  sizeText(B::Clock, on(B::Clock), in.Clock, in.Clock);

  if (on(B::Exif) && in.ExifLines.size() > kFixedExifLines) {
    int widest = 0;
    for (const QString& line : in.ExifLines) {
      widest = std::max(widest, measure.ListTextWidth(line));
    }
    widest = std::min(widest, maxTextWidth);
    out.ExifLines = in.ExifLines;
    out.ExifListRect = {kExifInset, kExifInset, widest + 2,
                        measure.ListLineHeight() * static_cast<int>(in.ExifLines.size()) + 2};
    box(B::Exif).Rect.Width = out.ExifListRect.Width + 2 * kExifInset;
    box(B::Exif).Rect.Height = out.ExifListRect.Height + 2 * kExifInset;
  }
  sizeText(B::Guide, on(B::Guide), in.Guide, in.Guide);

  PerLabelBox<LabelRect> sizes;
  for (int i = 0; i < kLabelBoxCount; ++i) sizes[static_cast<std::size_t>(i)] = out.Boxes[static_cast<std::size_t>(i)].Rect;
  const PerLabelBox<LabelRect> placed = PlaceLabelBoxes(in.MW, in.MH, in.GGroupPos, sizes);
  for (int i = 0; i < kLabelBoxCount; ++i) {
    LabelBoxState& s = out.Boxes[static_cast<std::size_t>(i)];
    s.Rect = placed[static_cast<std::size_t>(i)];
    // A box with nothing to show takes no room and is not mapped at all.
    s.Visible = out.Checked[static_cast<std::size_t>(i)] && s.Rect.Width > 0 && s.Rect.Height > 0;
  }
  return out;
}
