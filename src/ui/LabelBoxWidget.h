#pragma once
// One overlay label: an opaque box of one colour with one line of text
// centred in it. The text is drawn as it stands (an ampersand is no
// mnemonic).
#include <QColor>
#include <QFont>
#include <QWidget>

class LabelBoxWidget final : public QWidget {
 public:
  explicit LabelBoxWidget(QWidget* parent);
  void SetText(const QString& text);
  const QString& Text() const { return text_; }
  void SetColours(const QColor& text, const QColor& background);
  void SetTextFont(const QFont& font);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor textColour_ = Qt::white;
  QColor background_ = Qt::black;
};
