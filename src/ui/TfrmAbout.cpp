#include "ui/TfrmAbout.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ProgramIcon.h"

namespace {

// The product name's colour: red 00, green 80, blue FF.
const QColor kProductColour(0x00, 0x80, 0xFF);

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

UrlLabel::UrlLabel(const QString& url, const QColor& hoverColour, QWidget* parent)
    : QLabel(url, parent), hoverColour_(hoverColour) {
  setObjectName(QStringLiteral("lblURL"));
  setAccessibleName(url);
  ShowHover(false);
}

void UrlLabel::ShowHover(bool hover) {
  SetTextColour(this, hover ? hoverColour_ : QColor(Qt::black));
  QFont f = font();
  f.setUnderline(hover);
  setFont(f);
  if (hover) setCursor(Qt::PointingHandCursor);
  else unsetCursor();
}

void UrlLabel::enterEvent(QEnterEvent* event) {
  ShowHover(true);
  QLabel::enterEvent(event);
}

void UrlLabel::leaveEvent(QEvent* event) {
  ShowHover(false);
  QLabel::leaveEvent(event);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
  QLabel::mouseReleaseEvent(event);
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setModal(true);
  setFixedSize(264, 154);
  OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("imgIcon"));
  icon->setPixmap(ProgramIcon().pixmap(40, 40));
  icon->setFixedSize(40, 40);

  lblProduct = new QLabel(QString::fromLatin1(kProductName), this);
  lblProduct->setObjectName(QStringLiteral("lblProduct"));
  QFont productFont = lblProduct->font();
  productFont.setBold(true);
  productFont.setPixelSize(16);
  lblProduct->setFont(productFont);
  SetTextColour(lblProduct, kProductColour);

  lblVersion = new QLabel(QString::fromLatin1(kProductVersionText), this);
  lblVersion->setObjectName(QStringLiteral("lblVersion"));
  auto* notice = new QLabel(QStringLiteral("配布元：Brinmora プロジェクト"), this);
  notice->setObjectName(QStringLiteral("lblNotice"));
  lblURL = new UrlLabel(QString::fromLatin1(kProductWebSite), kProductColour, this);
  lblURL->OnClick = [this] {
    close();
    OpenUrl(QUrl(lblURL->text()));
  };
  auto* free = new QLabel(QStringLiteral("Free Software"), this);
  free->setObjectName(QStringLiteral("lblFree"));

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(1);
  for (QLabel* label : {lblProduct, lblVersion, notice, static_cast<QLabel*>(lblURL), free}) texts->addWidget(label);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 8);
  layout->addLayout(top);
  layout->addStretch();
  layout->addLayout(buttons);
}
