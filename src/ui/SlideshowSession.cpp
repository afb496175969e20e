#include "ui/SlideshowSession.h"

#include "ui/MenuKeyNames.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>

#include "music/MusicFailureReport.h"
#include "ui/MenuKeyNames.h"
#include "ui/TfrmDisplay.h"
#include "ui/TfrmMain.h"
#include "ui/QtProgressWindow.h"

namespace {

// The display's loading label, as the all-images reshuffle drives it.
class LoadingAdapter final : public LoadingLabel {
 public:
  explicit LoadingAdapter(TfrmDisplay& display) : display_(display) {}
  QString Text() const override { return display_.LoadingLabel()->text(); }
  void SetText(const QString& text) override { display_.LoadingLabel()->setText(text); }
  void Enlarge(int dw, int dh) override {
    QLabel* l = display_.LoadingLabel();
    l->resize(l->sizeHint().width() + dw, l->sizeHint().height() + dh);
  }
  void CentreOnMonitor() override {
    QLabel* l = display_.LoadingLabel();
    const QSize m = display_.MonitorSize();
    l->move((m.width() - l->width()) / 2, (m.height() - l->height()) / 2);
  }
  void Show() override {
    display_.LoadingLabel()->show();
    display_.LoadingLabel()->raise();
    display_.LoadingLabel()->repaint();
  }
  void Hide() override { display_.LoadingLabel()->hide(); }

 private:
  TfrmDisplay& display_;
};

QList<int> SelectedRows(QTreeWidget* list) {
  QList<int> rows;
  for (QTreeWidgetItem* item : list->selectedItems()) rows << list->indexOfTopLevelItem(item);
  std::sort(rows.begin(), rows.end());
  return rows;
}

void SelectOnly(QTreeWidget* list, int row) {
  QTreeWidgetItem* item = list->topLevelItem(row);
  if (item == nullptr) return;
  list->clearSelection();
  item->setSelected(true);
  list->setCurrentItem(item);
  list->scrollToItem(item);
}

}  // namespace

SlideshowSession::SlideshowSession(TfrmMain& main, TfrmDisplay& display)
    : QObject(&main), main_(main), display_(display), dialogs_(&main) {
  player_ = std::make_unique<GstMusicPlayer>(
      [this](const QString& path, const QString& detail) { ReportMusicFailure(dialogs_, path, detail); });
  progress_ = std::make_unique<QtProgressWindow>(&main);
  loading_ = std::make_unique<LoadingAdapter>(display);
  display_.SetMainWindow(&main);

  SlideshowWindows w;
  w.Surface = &display;
  w.Display = &display;
  w.Boxes = &display;
  w.Measure = &display;
  w.Loading = loading_.get();
  w.Progress = progress_.get();
  w.Shell = this;
  w.Dialogs = &dialogs_;
  w.Timers = &timers_;
  w.Pacing = &SystemClock();
  w.Saver = &saver_;
  w.Post = &post_;
  w.Artwork = &display;
  w.MonitorSize = [this] { return display_.MonitorSize(); };
  w.SelectedFolderRows = [this] { return SelectedRows(main_.Tabs().lvDirList); };
  w.SelectedBgmRows = [this] { return SelectedRows(main_.Tabs().lvBGMList); };
  w.SelectFolderRow = [this](int row) { SelectOnly(main_.Tabs().lvDirList, row); };
  w.SelectBgmRow = [this](int row) { SelectOnly(main_.Tabs().lvBGMList, row); };
  w.ShowEffects = [this](int filter, int transition) {
    OptionControls& c = main_.Controls();
    const QSignalBlocker f(c.cbFilter), t(c.cbTransition);
    c.cbFilter->setCurrentIndex(filter);
    c.cbTransition->setCurrentIndex(transition);
  };
  w.RefreshPreview = [this] { main_.CurrentFolderImagesChanged(); };
  engine_ = std::make_unique<SlideshowEngine>(main.Library(), *player_, std::move(w));
  engine_->Music().ApplyStoredVolume(main.Context().Settings.WMPVol);

  contextMenu_ = new QMenu(&display);
  main.DisplayActions()->FillContextMenu(contextMenu_);
  auto* keyNames = new KeyNameMenuStyle;
  keyNames->setParent(contextMenu_);
  contextMenu_->setStyle(keyNames);
  for (QMenu* submenu : contextMenu_->findChildren<QMenu*>()) submenu->setStyle(keyNames);
  main.DisplayActions()->AddShortcutsTo(&display);
  display.SetContextMenu(contextMenu_);
  connect(contextMenu_, &QMenu::aboutToShow, this, &SlideshowSession::ApplyMenuState);
  display.OnContextMenuRequest = [this] { return engine_->Control().BeginContextMenuRequest(); };
  display.OnContextMenuGuardCleared = [this] { engine_->Control().ClearContextMenuGuard(); };
  display.OnLabelChecks = [this](const PerLabelBox<bool>& checks) {
    DisplayMenuActions& a = *main_.DisplayActions();
    QAction* items[] = {a.pmnSlideName, a.pmnGName, a.pmnNum,   a.pmnDate, a.pmnBGMName,
                        a.pmnState,     a.pmnArt,   a.pmnClock, a.pmnExif, a.pmnGuide};
    for (int i = 0; i < kLabelBoxCount; ++i) items[i]->setChecked(checks[static_cast<std::size_t>(i)]);
  };
  display.ApplyColours(main.Library().Options().BkColor, main.Library().Options().Colours);
  ConnectCommands();
  qApp->installEventFilter(this);
}

SlideshowSession::~SlideshowSession() {
  qApp->removeEventFilter(this);
  SetPointerHidden(false);
}

void SlideshowSession::ConnectCommands() {
  DisplayMenuActions& a = *main_.DisplayActions();
  SlideControl& control = engine_->Control();
  BgmController& music = engine_->Music();
  LabelController& labels = engine_->Labels();
  connect(main_.Menu().mnSlide, &QAction::triggered, this, [this] { StartOrPause(); });
  connect(a.pmnSlide, &QAction::triggered, this, [this] { StartOrPause(); });
  connect(a.pmnStopSlide, &QAction::triggered, this, [&control] { control.StopSlideshow(); });
  connect(a.pmnPrevDir, &QAction::triggered, this, [&control] { control.PrevFolder(); });
  connect(a.pmnNextDir, &QAction::triggered, this, [&control] { control.NextFolder(); });
  connect(a.pmnPrevImg, &QAction::triggered, this, [&control] { control.PrevImage(); });
  connect(a.pmnNextImg, &QAction::triggered, this, [&control] { control.NextImage(); });
  connect(a.pmnPrevBGM, &QAction::triggered, this, [&music] { music.PrevBgm(); });
  connect(a.pmnNextBGM, &QAction::triggered, this, [&music] { music.NextBgm(); });
  connect(a.pmnWMPVolUp, &QAction::triggered, this, [&music] { music.VolumeUp(); });
  connect(a.pmnWMPVolDown, &QAction::triggered, this, [&music] { music.VolumeDown(); });
  connect(a.pmnWMPVolReset, &QAction::triggered, this, [&music] { music.VolumeReset(); });
  const std::pair<QAction*, LabelBox> toggles[] = {
      {a.pmnSlideName, LabelBox::SlideName}, {a.pmnGName, LabelBox::GName}, {a.pmnNum, LabelBox::Num},
      {a.pmnDate, LabelBox::Date},           {a.pmnBGMName, LabelBox::BGMName},
      {a.pmnState, LabelBox::State},         {a.pmnArt, LabelBox::Art},     {a.pmnClock, LabelBox::Clock},
      {a.pmnExif, LabelBox::Exif},           {a.pmnGuide, LabelBox::Guide}};
  for (const auto& [action, box] : toggles) {
    const LabelBox which = box;
    connect(action, &QAction::triggered, this, [this, &labels, which] {
      labels.ToggleLabel(which);
      main_.OptionsChanged();  // the label check boxes of the options panel follow
    });
  }
  connect(a.pmnLabelAllShow, &QAction::triggered, this, [this, &labels] {
    labels.ShowAllLabels();
    main_.OptionsChanged();
  });
  connect(a.pmnLabelAllHide, &QAction::triggered, this, [this, &labels] {
    labels.HideAllLabels();
    main_.OptionsChanged();
  });

  OptionControls& c = main_.Controls();
  connect(c.udInterval, &QSpinBox::valueChanged, this, [&control] { control.OnIntervalChanged(); });
  connect(c.cbUnit, &QComboBox::currentIndexChanged, this, [&control] { control.OnIntervalChanged(); });
  connect(c.chkUseLabel, &QCheckBox::toggled, this, [&labels] { labels.OnUseLabelChanged(); });
}

void SlideshowSession::StartOrPause() {
  if (engine_->Control().State() == PlayState::Idle) {
    main_.SettlePreview();
    const SlideshowOptions& o = main_.Library().Options();
    display_.ApplyColours(o.BkColor, o.Colours);
  }
  engine_->Control().StartOrPause();
}

void SlideshowSession::StopIfRunning() {
  const PlayState s = engine_->Control().State();
  if (s == PlayState::Playing || s == PlayState::Paused) engine_->Control().StopSlideshow();
}

void SlideshowSession::ApplyMenuState() {
  const SlideshowOptions& o = main_.Library().Options();
  const SlideMenuState s = ComputeSlideMenuState(engine_->Control().State(), o);
  DisplayMenuActions& a = *main_.DisplayActions();
  a.pmnSlide->setText(s.SlideCaption);
  a.pmnStopSlide->setVisible(s.StopVisible);
  auto submenu = [this](const char* name) { return contextMenu_->findChild<QMenu*>(QString::fromLatin1(name)); };
  if (QMenu* images = submenu("pmnImage")) {
    images->menuAction()->setVisible(s.ImageMenuVisible);
    images->menuAction()->setEnabled(s.ImageMenuEnabled);
    a.pmnPrevImg->setEnabled(s.ImageMenuEnabled);
    a.pmnNextImg->setEnabled(s.ImageMenuEnabled);
  }
  if (QMenu* folders = submenu("pmnDir")) folders->menuAction()->setVisible(s.FolderMenuVisible);
  if (QMenu* music = submenu("pmnBGM")) {
    if (!o.UseBGM) {
      music->menuAction()->setVisible(false);
      music->menuAction()->setEnabled(false);
    } else {
      const BgmMenuState m = engine_->Music().MenuState();
      music->menuAction()->setVisible(m.visible);
      music->menuAction()->setEnabled(m.enabled);
    }
  }
  if (QMenu* labels = submenu("pmnLabel")) {
    labels->menuAction()->setVisible(s.LabelMenuVisible);
    labels->menuAction()->setEnabled(s.LabelMenuVisible);
  }
}

void SlideshowSession::GiveArrowKeysToVolume(bool toVolume) {
  main_.Menu().SetArrowKeysActive(!toVolume);
  main_.DisplayActions()->SetVolumeKeysActive(toVolume);
}

void SlideshowSession::SetPointerHidden(bool hidden) {
  if (hidden == pointerHidden_) return;
  pointerHidden_ = hidden;
  if (hidden) {
    QApplication::setOverrideCursor(Qt::BlankCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

bool SlideshowSession::NoSaver() const { return main_.Context().Settings.NoSaver; }

bool SlideshowSession::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    // An ignored click travels up to the parents; count it once.
    auto* w = qobject_cast<QWidget*>(watched);
    const auto* click = static_cast<QMouseEvent*>(event);
    if (w != nullptr && w->window() == &main_ && click->timestamp() != lastClick_) {
      lastClick_ = click->timestamp();
      engine_->Control().OnMainWindowClick();
    }
  }
  return QObject::eventFilter(watched, event);
}
