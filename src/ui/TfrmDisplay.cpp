#include "ui/TfrmDisplay.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWindow>

namespace {

constexpr ColorRef kDarkGrey = 3223857;  // loading label and artwork panel
constexpr int kLabelFontPixels = 13;
constexpr int kListFontPixels = 12;
constexpr int kLoadingFontPixels = 19;
constexpr int kLoadingPadding = 10;

QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QFont FaceFont(int pixels, bool bold = false) {
  QFont f(QString::fromUtf8(TfrmDisplay::kLabelFontFace));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

void FillWith(QWidget* w, ColorRef colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

void TfrmDisplay::RegisterFontSubstitutes() {
  QFont::insertSubstitution(QString::fromUtf8(kLabelFontFace), QStringLiteral("IPAPGothic"));
}

TfrmDisplay::TfrmDisplay(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  RegisterFontSubstitutes();
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(QStringLiteral("Brinmora"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  labelFont_ = FaceFont(kLabelFontPixels);
  listFont_ = FaceFont(kListFontPixels);
  labelMetrics_ = QFontMetrics(labelFont_);
  listMetrics_ = QFontMetrics(listFont_);

  paintArea_ = new DisplayPaintArea(this);
  auto makeBox = [this] {
    auto* box = new LabelBoxWidget(paintArea_);
    box->SetTextFont(labelFont_);
    return box;
  };
  pnlSlideName = makeBox();
  pnlGName = makeBox();
  pnlNum = makeBox();
  pnlDate = makeBox();
  pnlBGMName = makeBox();
  pnlState = makeBox();
  pnlClock = makeBox();
  pnlGuide = makeBox();

  pnlExif = new QWidget(paintArea_);
  pnlExif->setAttribute(Qt::WA_TransparentForMouseEvents);
  lbExif = new ExifListWidget(pnlExif);
  lbExif->setFont(listFont_);
  pnlExif->hide();

  pnlArt = new QWidget(paintArea_);
  FillWith(pnlArt, kDarkGrey);
  pbArt = new ArtPaintBox(pnlArt);
  pnlArt->hide();

  lblLoading = new QLabel(QStringLiteral("Now Loading..."), paintArea_);
  lblLoading->setFont(FaceFont(kLoadingFontPixels, true));
  lblLoading->setAlignment(Qt::AlignCenter);
  lblLoading->setTextFormat(Qt::PlainText);
  FillWith(lblLoading, kDarkGrey);
  QPalette lp = lblLoading->palette();
  lp.setColor(QPalette::WindowText, Qt::white);
  lblLoading->setPalette(lp);
  lblLoading->hide();

  ApplyColours(0, DisplayColours{});
  const QSize m = MonitorSize();
  resize(m);
  ShowLoadingText(lblLoading->text());
  lblLoading->hide();
}

QSize TfrmDisplay::MonitorSize() const {
  QScreen* screen = mainWindow_ ? mainWindow_->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

void TfrmDisplay::ApplyColours(ColorRef background, const DisplayColours& c) {
  FillWith(this, background);
  paintArea_->SetBackground(ToQColor(background));
  pnlSlideName->SetColours(ToQColor(c.SlideNameFColor), ToQColor(c.SlideNameColor));
  pnlGName->SetColours(ToQColor(c.GNameFColor), ToQColor(c.GNameColor));
  pnlNum->SetColours(ToQColor(c.NumFColor), ToQColor(c.NumColor));
  pnlDate->SetColours(ToQColor(c.DateFColor), ToQColor(c.DateColor));
  pnlBGMName->SetColours(ToQColor(c.BGMNameFColor), ToQColor(c.BGMNameColor));
  pnlState->SetColours(ToQColor(c.StateFColor), ToQColor(c.StateColor));
  pnlClock->SetColours(ToQColor(c.ClockFColor), ToQColor(c.ClockColor));
  pnlGuide->SetColours(ToQColor(c.GuideFColor), ToQColor(c.GuideColor));
  FillWith(pnlExif, c.ExifColor);
  lbExif->SetColours(ToQColor(c.ExifFColor), ToQColor(c.ExifColor));
}

void TfrmDisplay::PresentFrame(const FrameBitmap& frame) { paintArea_->Present(frame); }

void TfrmDisplay::ShowFullScreen() {
  QScreen* screen = mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen();
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (screen != nullptr) {
    winId();  // the native window must exist before it can be moved to a screen
    windowHandle()->setScreen(screen);
    setGeometry(screen->geometry());
  }
  showFullScreen();
  raise();
  activateWindow();
}

void TfrmDisplay::CloseDisplay() {
  hide();
  setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

void TfrmDisplay::BringToForeground() {
  if (isMinimized()) showFullScreen();
  raise();
  activateWindow();
}

bool TfrmDisplay::IsTopmost() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TfrmDisplay::MakeTopmost() {
  if (IsTopmost()) return;
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, true);  // hides the window
  if (wasVisible) showFullScreen();
}

void TfrmDisplay::ShowLoading() {
  CentreLoadingLabel();
  lblLoading->show();
  lblLoading->raise();
  lblLoading->repaint();
}

void TfrmDisplay::ShowLoadingText(const QString& text) {
  lblLoading->setText(text);
  const QFontMetrics fm(lblLoading->font());
  lblLoading->resize(fm.horizontalAdvance(text) + kLoadingPadding, fm.height() + kLoadingPadding);
  ShowLoading();
}

void TfrmDisplay::CentreLoadingLabel() {
  const QSize m = MonitorSize();
  lblLoading->move((m.width() - lblLoading->width()) / 2, (m.height() - lblLoading->height()) / 2);
}

void TfrmDisplay::FocusDisplay() {
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
}

LabelBoxWidget* TfrmDisplay::TextBox(LabelBox box) const {
  switch (box) {
    case LabelBox::SlideName: return pnlSlideName;
    case LabelBox::GName: return pnlGName;
    case LabelBox::Num: return pnlNum;
    case LabelBox::Date: return pnlDate;
    case LabelBox::BGMName: return pnlBGMName;
    case LabelBox::State: return pnlState;
    case LabelBox::Clock: return pnlClock;
    case LabelBox::Guide: return pnlGuide;
    case LabelBox::Art:
    case LabelBox::Exif: break;
  }
  return nullptr;
}

QWidget* TfrmDisplay::Box(LabelBox box) const {
  if (box == LabelBox::Exif) return pnlExif;
  if (box == LabelBox::Art) return pnlArt;
  return TextBox(box);
}

void TfrmDisplay::HideTextBoxes() {
  for (int i = 0; i < kLabelBoxCount; ++i) {
    if (LabelBoxWidget* b = TextBox(static_cast<LabelBox>(i))) b->hide();
  }
}

void TfrmDisplay::HideAllLabels() {
  for (int i = 0; i < kLabelBoxCount; ++i) Box(static_cast<LabelBox>(i))->hide();
  lbExif->Clear();
}

void TfrmDisplay::ApplyLabelLayout(const LabelLayout& layout) {
  for (int i = 0; i < kLabelBoxCount; ++i) {
    const LabelBox which = static_cast<LabelBox>(i);
    const LabelBoxState& s = layout.Boxes[static_cast<std::size_t>(i)];
    QWidget* w = Box(which);
    if (LabelBoxWidget* text = TextBox(which)) text->SetText(s.Text);
    w->setGeometry(s.Rect.Left, s.Rect.Top, s.Rect.Width, s.Rect.Height);
    if (which == LabelBox::Art) pbArt->setGeometry(0, 0, s.Rect.Width, s.Rect.Height);
    if (which == LabelBox::Exif) {
      lbExif->SetLines(layout.ExifLines);
      const LabelRect& r = layout.ExifListRect;
      lbExif->setGeometry(r.Left, r.Top, r.Width, r.Height);
    }
    w->setVisible(s.Visible);
  }
  lblLoading->raise();
  if (OnLabelChecks) OnLabelChecks(layout.Checked);
}

void TfrmDisplay::SetBoxText(LabelBox box, const QString& text) {
  if (LabelBoxWidget* b = TextBox(box)) b->SetText(text);
}

LabelRect TfrmDisplay::ArtworkPlace() const {
  const QRect r = pnlArt->geometry();
  return LabelRect{r.x(), r.y(), r.width(), r.height()};
}

int TfrmDisplay::TextWidth(const QString& text) { return labelMetrics_.horizontalAdvance(text); }
int TfrmDisplay::TextHeight() { return labelMetrics_.height(); }
int TfrmDisplay::ListTextWidth(const QString& text) { return listMetrics_.horizontalAdvance(text); }
int TfrmDisplay::ListLineHeight() { return listMetrics_.height(); }

void TfrmDisplay::SetContextMenu(QMenu* menu) {
  contextMenu_ = menu;
  if (menu == nullptr) return;
  connect(menu, &QMenu::aboutToShow, this, [this] {
    if (OnContextMenuGuardCleared) OnContextMenuGuardCleared();
  });
}

void TfrmDisplay::contextMenuEvent(QContextMenuEvent* event) {
  if (OnContextMenuRequest && !OnContextMenuRequest()) return;  // swallowed
  if (contextMenu_ == nullptr) {
    if (OnContextMenuGuardCleared) OnContextMenuGuardCleared();
    return;
  }
  contextMenu_->popup(event->globalPos());
}

void TfrmDisplay::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (OnContextMenuGuardCleared) OnContextMenuGuardCleared();
}

void TfrmDisplay::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  paintArea_->setGeometry(rect());
  CentreLoadingLabel();
}
