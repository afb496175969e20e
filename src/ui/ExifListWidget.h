#pragma once
// The Exif box's list: its lines one below the other in the 12-pixel list
// font, on the box colour, without border, selection or scroll bars.
#include <QColor>
#include <QStringList>
#include <QWidget>

class ExifListWidget final : public QWidget {
 public:
  explicit ExifListWidget(QWidget* parent);
  // Replaces all lines in one update.
  void SetLines(const QStringList& lines);
  void Clear() { SetLines({}); }
  const QStringList& Lines() const { return lines_; }
  void SetColours(const QColor& text, const QColor& background);
  int LineHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  QColor textColour_ = Qt::white;
  QColor background_ = Qt::black;
};
