#pragma once
// The borderless full-screen window in which a slideshow plays: it paints
// ScreenBitmap and carries the overlay label boxes and the loading label.
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "display/DisplaySurface.h"
#include "display/LabelBoxView.h"
#include "display/LabelTextMeasure.h"
#include "engine/SlideControlPorts.h"
#include "library/SlideshowOptions.h"
#include "music/ArtworkView.h"
#include "ui/ArtPaintBox.h"
#include "ui/DisplayPaintArea.h"
#include "ui/ExifListWidget.h"
#include "ui/LabelBoxWidget.h"

class QMenu;

class TfrmDisplay final : public QWidget,
                          public DisplaySurface,
                          public SlideDisplay,
                          public LabelBoxView,
                          public LabelTextMeasure,
                          public ArtworkView {
  Q_OBJECT
 public:
  // mainWindow decides the monitor the window covers (may be null: the
  // primary screen).
  explicit TfrmDisplay(QWidget* mainWindow = nullptr);

  // The fonts of the labels; "ＭＳ Ｐゴシック" is drawn with IPA P Gothic.
  static void RegisterFontSubstitutes();
  static constexpr const char* kLabelFontFace = "ＭＳ Ｐゴシック";

  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
  // The monitor of the main window: MW x MH.
  QSize MonitorSize() const;
  // Colours of the background and the label boxes.
  void ApplyColours(ColorRef background, const DisplayColours& colours);
  // The slideshow menu; a right click or the menu key opens it.
  void SetContextMenu(QMenu* menu);
  // Asked before the menu opens: false swallows the request (it may pause).
  std::function<bool()> OnContextMenuRequest;
  // The menu is about to open, or the window was shown.
  std::function<void()> OnContextMenuGuardCleared;
  // Receives the check marks of the ten label menu items after each layout.
  std::function<void(const PerLabelBox<bool>&)> OnLabelChecks;

  // DisplaySurface
  void PresentFrame(const FrameBitmap& frame) override;
  // SlideDisplay
  bool IsShowing() const override { return isVisible(); }
  void ShowFullScreen() override;
  void CloseDisplay() override;
  bool IsActiveWindow() const override { return isActiveWindow(); }
  void BringToForeground() override;
  bool IsTopmost() const override;
  void MakeTopmost() override;
  void ShowLoading() override;
  void HideLoading() override { lblLoading->hide(); }
  void FocusDisplay() override;
  void HideAllLabels() override;
  // LabelBoxView
  void ApplyLabelLayout(const LabelLayout& layout) override;
  void SetBoxText(LabelBox box, const QString& text) override;
  void HideTextBoxes() override;
  // LabelTextMeasure
  int TextWidth(const QString& text) override;
  int TextHeight() override;
  int ListTextWidth(const QString& text) override;
  int ListLineHeight() override;
  // ArtworkView
  void PaintArtwork(const FrameBitmap& art) override { pbArt->Present(art); }
  LabelRect ArtworkPlace() const override;

  // The loading label with another text ("Making List..."), sized to it.
  void ShowLoadingText(const QString& text);
  QString LoadingText() const { return lblLoading->text(); }

  // Parts for the artwork subsystem and for tests.
  QWidget* ArtPanel() const { return pnlArt; }
  const ArtPaintBox* ArtBox() const { return pbArt; }
  LabelBoxWidget* TextBox(LabelBox box) const;
  QWidget* Box(LabelBox box) const;
  const ExifListWidget* ExifList() const { return lbExif; }
  const QImage& PresentedFrame() const { return paintArea_->Frame(); }
  // The widget that paints the presented frame.
  QWidget* PaintArea() const { return paintArea_; }
  QLabel* LoadingLabel() const { return lblLoading; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CentreLoadingLabel();

  QPointer<QWidget> mainWindow_;
  QPointer<QMenu> contextMenu_;
  DisplayPaintArea* paintArea_;
  LabelBoxWidget* pnlSlideName;
  LabelBoxWidget* pnlGName;
  LabelBoxWidget* pnlNum;
  LabelBoxWidget* pnlDate;
  LabelBoxWidget* pnlBGMName;
  LabelBoxWidget* pnlState;
  LabelBoxWidget* pnlClock;
  LabelBoxWidget* pnlGuide;
  QWidget* pnlExif;
  ExifListWidget* lbExif;
  QWidget* pnlArt;
  ArtPaintBox* pbArt;
  QLabel* lblLoading;
  QFont labelFont_;
  QFont listFont_;
  QFontMetrics labelMetrics_{QFont()};
  QFontMetrics listMetrics_{QFont()};
};
