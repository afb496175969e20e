#include "export/LabelOverlay.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

// The display's label faces: 13 pixels for the boxes, 12 for the Exif list.
constexpr const char* kLabelFontFace = "ＭＳ Ｐゴシック";
constexpr int kLabelFontPixels = 13;
constexpr int kListFontPixels = 12;

QFont FaceFont(int pixels) {
  QFont::insertSubstitution(QString::fromUtf8(kLabelFontFace), QStringLiteral("IPAPGothic"));
  QFont f(QString::fromUtf8(kLabelFontFace));
  f.setPixelSize(pixels);
  return f;
}

QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// Text and background colour of a text box.
std::pair<ColorRef, ColorRef> BoxColours(LabelBox box, const DisplayColours& c) {
  switch (box) {
    case LabelBox::SlideName: return {c.SlideNameFColor, c.SlideNameColor};
    case LabelBox::GName: return {c.GNameFColor, c.GNameColor};
    case LabelBox::Num: return {c.NumFColor, c.NumColor};
    case LabelBox::Date: return {c.DateFColor, c.DateColor};
    case LabelBox::BGMName: return {c.BGMNameFColor, c.BGMNameColor};
    case LabelBox::State: return {c.StateFColor, c.StateColor};
    case LabelBox::Clock: return {c.ClockFColor, c.ClockColor};
    case LabelBox::Guide: return {c.GuideFColor, c.GuideColor};
    case LabelBox::Exif: return {c.ExifFColor, c.ExifColor};
    case LabelBox::Art: break;
  }
  return {0, kArtworkPanelColor};
}

}  // namespace

LabelOverlay::LabelOverlay(const DisplayColours& colours)
    : colours_(colours),
      labelFont_(FaceFont(kLabelFontPixels)),
      listFont_(FaceFont(kListFontPixels)),
      labelMetrics_(labelFont_),
      listMetrics_(listFont_) {}

bool LabelOverlay::Available() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

void LabelOverlay::SetBoxText(LabelBox box, const QString& text) {
  layout_.Boxes[static_cast<std::size_t>(Index(box))].Text = text;
}

void LabelOverlay::HideTextBoxes() {
  for (int i = 0; i < kLabelBoxCount; ++i) {
    const LabelBox box = static_cast<LabelBox>(i);
    if (box != LabelBox::Exif && box != LabelBox::Art) layout_.Boxes[static_cast<std::size_t>(i)].Visible = false;
  }
}

void LabelOverlay::Draw(FrameBitmap& frame) const {
  if (frame.Empty()) return;
  QImage image(frame.Pixels.data(), frame.Width, frame.Height, static_cast<qsizetype>(frame.RowBytes()),
               QImage::Format_BGR888);
  QPainter p(&image);
  for (int i = 0; i < kLabelBoxCount; ++i) {
    const LabelBox box = static_cast<LabelBox>(i);
    const LabelBoxState& s = layout_.Boxes[static_cast<std::size_t>(i)];
    if (!s.Visible || box == LabelBox::Art || s.Rect.Width <= 0 || s.Rect.Height <= 0) continue;
    const auto [text, background] = BoxColours(box, colours_);
    const QRect rect(s.Rect.Left, s.Rect.Top, s.Rect.Width, s.Rect.Height);
    p.fillRect(rect, ToQColor(background));
    p.setPen(ToQColor(text));
    if (box == LabelBox::Exif) {
      p.setFont(listFont_);
      const LabelRect& r = layout_.ExifListRect;
      int y = r.Top;
      for (const QString& line : layout_.ExifLines) {
        p.drawText(QRect(r.Left, y, r.Width, listMetrics_.height()), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += listMetrics_.height();
      }
    } else {
      p.setFont(labelFont_);
      p.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, s.Text);
    }
  }
}
