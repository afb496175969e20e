#include "ui/TfrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/PreviewCounter.h"
#include "engine/PreviewNavigation.h"
#include "engine/PreviewPicture.h"
#include "engine/SlideshowEngine.h"
#include "engine/StartUpClose.h"
#include "filters/FilterTables.h"
#include "library/HelpDocuments.h"
#include "library/LibraryTexts.h"
#include "library/OptionsReset.h"
#include "library/WindowPlacement.h"
#include "platform/ProgramFolder.h"
#include "ui/ColourEditorPanel.h"
#include "ui/CdMakingUi.h"
#include "ui/EntryListView.h"
#include "ui/LibraryTabs.h"
#include "ui/OptionBinding.h"
#include "ui/PreviewArea.h"
#include "ui/ProgramIcon.h"
#include "ui/SlideshowSession.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmDisplay.h"
#include "ui/TfrmImport.h"
#include "ui/VideoExportCommand.h"

namespace {

constexpr int kListHeightNormal = 248;
constexpr int kListHeightCdMaking = 231;

QString WithoutTrailingSeparator(QString folder) {
  if (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : TfrmMain(RunningProgramFolder(), parent) {}

TfrmMain::TfrmMain(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(this),
      library_(programFolder, dialogs_),
      displayActions_(new DisplayMenuActions(this)),
      previewDecoder_(std::make_unique<BackgroundDecoder>(previewPost_)) {
  setObjectName(QStringLiteral("frmMain"));
  preview_.UseDecoder(previewDecoder_.get(), [this](Preview::Outcome outcome) {
    if (outcome != Preview::Outcome::Unchanged) ShowPreviewPicture();
  });
  setWindowIcon(ProgramIcon());
  setWindowTitle(CaptionBase(RunMode::Normal));
  setAcceptDrops(true);

  menu_ = BuildMainMenu(this);
  InstallVideoExportCommand(*this);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("pnlMain"));
  grpBasic_ = BuildBasicOptions(options_, central);
  grpDetail_ = BuildDetailOptions(options_, tabs_, central);

  btnSlide_ = new QPushButton(QStringLiteral("スライドショー再生"), central);
  btnSlide_->setObjectName(QStringLiteral("btnSlide"));
  btnSlide_->setEnabled(false);
  btnSlide_->setMinimumHeight(28);
  btnOption_ = new QPushButton(QStringLiteral("▼ 詳細オプション"), central);
  btnOption_->setObjectName(QStringLiteral("btnOption"));
  btnReset_ = new QPushButton(QStringLiteral("オプションのリセット"), central);
  btnReset_->setObjectName(QStringLiteral("btnReset"));
  btnReset_->setEnabled(false);

  auto* right = new QVBoxLayout;
  right->addWidget(grpBasic_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnSlide_, 1);
  buttons->addWidget(btnOption_);
  buttons->addWidget(btnReset_);
  right->addLayout(buttons);

  auto* top = new QHBoxLayout;
  top->addWidget(BuildPreview(), 0, Qt::AlignTop);
  top->addLayout(right, 1);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 4);
  layout->addLayout(top);
  layout->addWidget(grpDetail_);
  setCentralWidget(central);
  // The window always takes the size its contents ask for, so folding the
  // detail group in and out resizes it.
  this->layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Folding the detail group in and out changes only the height: the window
  // is as wide as the widest of the two states from the start.
  central->setMinimumWidth(central->sizeHint().width());

  statusPanel_ = new QLabel(this);
  statusPanel_->setObjectName(QStringLiteral("StatusBar1Panel0"));
  statusPanel_->setToolTipDuration(5000);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setToolTipDuration(5000);
  statusBar()->addWidget(statusPanel_, 1);
  auto* statusMenu = new QMenu(this);
  statusMenu->setObjectName(QStringLiteral("PopupStatus"));
  pmnOpenExeDir_ = statusMenu->addAction(QStringLiteral("プログラムの場所を開く(&O)"));
  pmnOpenExeDir_->setObjectName(QStringLiteral("pmnOpenExeDir"));
  statusBar()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(statusBar(), &QWidget::customContextMenuRequested, this,
          [this, statusMenu](const QPoint& at) { statusMenu->popup(statusBar()->mapToGlobal(at)); });

  ShowOptions(options_, library_.Options());
  ShowAppOptions(options_, context_.Settings);
  ConnectControls();
  libraryTabs_ = new LibraryTabs(*this, library_, dialogs_);
  cdMaking_ = new CdMakingUi(*this);
}

TfrmMain::~TfrmMain() {
  // The list commands go before the controls they watch.
  delete libraryTabs_;
  library_.SetView(nullptr);
}

QWidget* TfrmMain::BuildPreview() {
  auto* box = new QWidget(centralWidget());
  pnlDisplay_ = new PreviewArea(box);
  pnlDisplay_->setObjectName(QStringLiteral("pnlDisplay"));
  pnlDisplay_->setFixedSize(kPreviewAreaWidth, kPreviewAreaHeight);
  pnlDisplay_->setToolTipDuration(5000);
  lblStartInfo_ = new QLabel(pnlDisplay_);
  lblStartInfo_->setObjectName(QStringLiteral("lblStartInfo"));
  lblStartInfo_->setWordWrap(true);
  lblStartInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblStartInfo_->setStyleSheet(QStringLiteral("color: white;"));
  lblStartInfo_->hide();
  ShowPreviewBackground();

  lblSumUpImg_ = new QLabel(QStringLiteral("画像枚数："), box);
  lblSumUpImg_->setObjectName(QStringLiteral("lblSumUpImg"));
  sbtnPrevPic_ = new QToolButton(box);
  sbtnPrevPic_->setObjectName(QStringLiteral("sbtnPrevPic"));
  sbtnPrevPic_->setArrowType(Qt::LeftArrow);
  sbtnPrevPic_->setToolTip(QStringLiteral("前の画像"));
  sbtnPrevPic_->setAccessibleName(QStringLiteral("前の画像"));
  sbtnNextPic_ = new QToolButton(box);
  sbtnNextPic_->setObjectName(QStringLiteral("sbtnNextPic"));
  sbtnNextPic_->setArrowType(Qt::RightArrow);
  sbtnNextPic_->setToolTip(QStringLiteral("次の画像、又はジャンプ先の画像"));
  sbtnNextPic_->setAccessibleName(QStringLiteral("次の画像、又はジャンプ先の画像"));
  auto* counter = new QHBoxLayout;
  counter->addWidget(lblSumUpImg_, 1);
  counter->addWidget(sbtnPrevPic_);
  counter->addWidget(sbtnNextPic_);

  chkPage_ = new QCheckBox(QStringLiteral("プレビュー画像ジャンプ先指定"), box);
  chkPage_->setObjectName(QStringLiteral("chkPage"));
  // The up-down control and its number field (Edit5) are one spin box here.
  udPage_ = new QSpinBox(box);
  udPage_->setObjectName(QStringLiteral("udPage"));
  udPage_->setAccessibleName(QStringLiteral("ジャンプ先の画像番号"));
  udPage_->setRange(1, kPreviewJumpMax);
  udPage_->setFixedWidth(72);
  auto* jump = new QHBoxLayout;
  jump->addSpacing(20);
  jump->addWidget(udPage_);
  jump->addStretch();

  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 8, 0, 0);
  layout->addWidget(pnlDisplay_);
  layout->addLayout(counter);
  layout->addWidget(chkPage_);
  layout->addLayout(jump);
  layout->addStretch();
  box->setFixedWidth(kPreviewAreaWidth + 8);
  ApplyPageJumpState();
  return box;
}

void TfrmMain::ConnectControls() {
  OptionControls& c = options_;
  auto sync = [this] { SyncOptionsFromControls(); };
  auto syncAndRules = [this] {
    SyncOptionsFromControls();
    if (!showingOptions_) ApplyOptionControlStates(options_);
  };
  for (QSpinBox* spin : {c.udInterval, c.udLimitNum, c.udChangeNum, c.udPhotoLongSize})
    connect(spin, &QSpinBox::valueChanged, this, sync);
  for (QComboBox* combo : {c.cbUnit, c.cbDir, c.cbBGM, c.cbFilter, c.cbTransition, c.cbIncrease,
                           c.cbIncFrame, c.cbArtSize, c.cbArtEffect, c.cbSelectGName,
                           c.cbGGroupPos, c.cbTitleTag})
    connect(combo, &QComboBox::currentIndexChanged, this, sync);
  connect(c.cbImg, &QComboBox::currentIndexChanged, this, syncAndRules);
  connect(c.cbChangeTiming, &QComboBox::currentIndexChanged, this, syncAndRules);
  connect(c.chkUseLimit, &QCheckBox::toggled, this, [this] {
    SyncOptionsFromControls();
    if (ready_ && !showingOptions_) ApplyOptionControlStates(options_);
  });
  for (QCheckBox* box : {c.chkUseLabel, c.chkUseBGM, c.chkIncRotate, c.chkSlideName, c.chkGName,
                         c.chkNum, c.chkDate, c.chkBGMName, c.chkState, c.chkArt, c.chkClock,
                         c.chkExif, c.chkGuide})
    connect(box, &QCheckBox::toggled, this, sync);
  for (QListWidget* list : {c.clbFilter, c.clbTransition, c.clbIncrease})
    connect(list, &QListWidget::itemChanged, this, sync);
  connect(c.edtArtName, &QLineEdit::textChanged, this, sync);
  connect(c.cbColor, &QComboBox::currentIndexChanged, this, [this] { ShowSelectedColour(options_); });
  connect(c.chkAutoStart, &QCheckBox::toggled, this,
          [this] { CollectAppOptions(options_, context_.Settings); });
  connect(c.chkNoSaver, &QCheckBox::toggled, this,
          [this] { CollectAppOptions(options_, context_.Settings); });

  // A check mark set in a list view is a change of the working copy.
  connect(tabs_.lvDirList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
    const int row = tabs_.lvDirList->indexOfTopLevelItem(item);
    if (row >= 0 && row < library_.Folders().size())
      library_.Folders()[row].IsChecked = item->checkState(0) == Qt::Checked;
  });
  connect(tabs_.lvBGMList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
    const int row = tabs_.lvBGMList->indexOfTopLevelItem(item);
    if (row >= 0 && row < library_.Bgms().size())
      library_.Bgms()[row].IsChecked = item->checkState(0) == Qt::Checked;
  });

  connect(btnOption_, &QPushButton::clicked, this, &TfrmMain::ToggleDetailOptions);
  connect(menu_.mnOption, &QAction::triggered, this, &TfrmMain::ToggleDetailOptions);
  connect(menu_.mnExit, &QAction::triggered, this, &TfrmMain::close);
  connect(displayActions_->pmnExit, &QAction::triggered, this, &TfrmMain::close);
  auto openProgramFolder = [this] {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(WithoutTrailingSeparator(library_.ProgramFolder())));
  };
  connect(menu_.OpenExePlace, &QAction::triggered, this, openProgramFolder);
  connect(pmnOpenExeDir_, &QAction::triggered, this, openProgramFolder);
  connect(menu_.Tool1, &QMenu::aboutToShow, this, &TfrmMain::RebuildRecentWorkMenu);

  colourPanel_ = new ColourEditorPanel(options_, this, [this] { ApplyColours(); });
  btnReset_->setEnabled(true);
  menu_.mnReset->setEnabled(true);
  connect(btnReset_, &QPushButton::clicked, this, &TfrmMain::btnResetClick);
  connect(menu_.mnReset, &QAction::triggered, this, &TfrmMain::btnResetClick);

  OpenWithDesktop = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  menu_.mnImportList->setEnabled(true);
  connect(menu_.mnImportList, &QAction::triggered, this, [this] { ImportDialog()->exec(); });
  if (tabs_.SlideshowButtons.size() > 1) {
    QPushButton* btnImportSlideShow = tabs_.SlideshowButtons[1];
    btnImportSlideShow->setEnabled(true);
    connect(btnImportSlideShow, &QPushButton::clicked, this, [this] { ImportDialog()->exec(); });
  }
  for (QAction* item : {menu_.mnHelpDoc, menu_.mnReadMe, menu_.mnAbout}) item->setEnabled(true);
  connect(menu_.mnHelpDoc, &QAction::triggered, this, &TfrmMain::mnHelpDocClick);
  connect(menu_.mnReadMe, &QAction::triggered, this, &TfrmMain::mnReadMeClick);
  connect(menu_.mnAbout, &QAction::triggered, this, [this] { AboutBox()->exec(); });

  connect(sbtnPrevPic_, &QToolButton::clicked, this, &TfrmMain::PreviewPrevClick);
  connect(sbtnNextPic_, &QToolButton::clicked, this, &TfrmMain::PreviewNextClick);
  connect(chkPage_, &QCheckBox::toggled, this, &TfrmMain::ApplyPageJumpState);
  // While a slideshow plays the selector shows the drawn filter; the
  // preview follows only the user's choice while idle.
  connect(c.cbFilter, &QComboBox::currentIndexChanged, this, [this] {
    if (!showingOptions_ && IsSlideshowIdle()) RefreshPreview();
  });
}

void TfrmMain::CollectControls() {
  SyncOptionsFromControls();
  CollectAppOptions(options_, context_.Settings);
}

void TfrmMain::SyncOptionsFromControls() {
  if (showingOptions_) return;
  CollectOptions(options_, library_.Options());
}

void TfrmMain::ShowPreviewBackground() {
  pnlDisplay_->SetBackground(QColor(RedOf(options_.BkColor), GreenOf(options_.BkColor), BlueOf(options_.BkColor)));
}

void TfrmMain::RebuildRecentWorkMenu() {
  const bool cdMaking = context_.RunMode.Mode == RunMode::CdMaking;
  menu_.mnCDMake->menuAction()->setVisible(!cdMaking);
  menu_.mnParentExe->setVisible(cdMaking);
  cdMaking_->FillRecentWorkMenu(menu_.mnCDEdit);
  menu_.mnCDEdit->menuAction()->setVisible(!context_.Settings.RecentWorkFolders.isEmpty());
}

// ---- start-up ---------------------------------------------------------------

void TfrmMain::StartUpSequence(const QStringList& arguments) {
  library_.SetView(this);
  context_ = RunStartUpSequence(*this, library_, arguments);
  started_ = true;
}

void TfrmMain::CreateWorkingObjects() {
  tabs_.PageControl1->setTabVisible(tabs_.PageControl1->indexOf(tabs_.TabRegular), false);
  tabs_.PageControl1->setTabVisible(tabs_.PageControl1->indexOf(tabs_.TabCDMake), false);
}

void TfrmMain::SetReady(bool ready) { ready_ = ready; }

void TfrmMain::ApplyRunMode(const StartUpContext& context) {
  context_.ProgramFolder = context.ProgramFolder;
  context_.RunMode = context.RunMode;
  context_.Settings = context.Settings;
  context_.Arguments = context.Arguments;
  ShowAppOptions(options_, context_.Settings);

  const RunMode mode = context.RunMode.Mode;
  setWindowTitle(CaptionBase(mode));
  const bool cdPlay = mode == RunMode::CdPlay;
  const bool cdMaking = mode == RunMode::CdMaking;
  menu_.mnImportList->setVisible(!cdPlay);
  menu_.Tool1->menuAction()->setVisible(!cdPlay);
  const int listHeight = cdMaking ? kListHeightCdMaking : kListHeightNormal;
  tabs_.lvDirList->setFixedHeight(listHeight);
  tabs_.lvBGMList->setFixedHeight(listHeight);
  tabs_.lblDirHint->setVisible(cdMaking);
  tabs_.lblBGMHint->setVisible(cdMaking);
  options_.edtArtName->setEnabled(!cdPlay);
  cdMaking_->ApplyRunMode(mode);
  RebuildRecentWorkMenu();
}

void TfrmMain::ArrangeOptionsPage() {
  tabs_.PageControl1->setCurrentWidget(tabs_.TabSlideShow);
  SizeEntryListColumns(tabs_.lvDirList);
  SizeEntryListColumns(tabs_.lvBGMList);
  // The shortcuts carry their keys from creation; the arrow keys start with
  // the hidden list-navigation items because no slideshow runs yet.
  menu_.SetArrowKeysActive(true);
  displayActions_->SetVolumeKeysActive(false);
}

void TfrmMain::BuildFilterTables() { ::BuildFilterTables(); }

void TfrmMain::CollapseAndPlace(RunMode mode) {
  grpDetail_->hide();
  btnOption_->setText(QStringLiteral("▼ 詳細オプション"));
  menu_.mnOption->setChecked(false);
  layout()->activate();
  adjustSize();
  QScreen* monitor = screen();
  if (!monitor) return;
  const QRect area = monitor->geometry();
  const QSize size = frameGeometry().size();
  if (mode == RunMode::CdMaking)
    move(area.topLeft());
  else
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void TfrmMain::ShowProgramFolder(const QString& programFolderWithoutSeparator) {
  statusPanel_->setText(ProgramFolderStatusText(programFolderWithoutSeparator));
  statusPanel_->setToolTip(programFolderWithoutSeparator);
  statusBar()->setToolTip(programFolderWithoutSeparator);
}

void TfrmMain::ApplyCatalog(const CatalogFill& catalog) {
  context_.Catalog = catalog;
  tabs_.PageControl1->setTabVisible(tabs_.PageControl1->indexOf(tabs_.TabSlideShow),
                                    !catalog.HideSlideshowTab);
  for (QPushButton* button : tabs_.SlideshowButtons) button->setVisible(!catalog.HideSlideshowButtons);
}

void TfrmMain::DisplayWindowCreated(TfrmDisplay* display) {
  display_ = display;
  library_.DisplayWindowCreated(context_.Settings.Ver);
  session_ = std::make_unique<SlideshowSession>(*this, *display);
  PrepareMusicPlayer(pendingHandOver_);
  pendingHandOver_.clear();
  // The button and the File menu's item start the same command once the
  // display window exists to play in.
  btnSlide_->setEnabled(true);
  menu_.mnSlide->setEnabled(true);
  connect(btnSlide_, &QPushButton::clicked, this, &TfrmMain::StartOrPause);
  if (ShouldAutoStart(context_.Settings, context_.Arguments, context_.RunMode.Mode)) StartOrPause();
}

void TfrmMain::StartOrPause() {
  if (session_) session_->StartOrPause();
}

// ---- fold-out -----------------------------------------------------------------

bool TfrmMain::IsDetailOptionsShown() const { return grpDetail_->isVisibleTo(this); }

void TfrmMain::ToggleDetailOptions() {
  const bool show = !IsDetailOptionsShown();
  grpDetail_->setVisible(show);
  btnOption_->setText(show ? QStringLiteral("▲ 詳細オプション") : QStringLiteral("▼ 詳細オプション"));
  menu_.mnOption->setChecked(show);
  if (show) FocusActiveListTab();
  dialogs_.ProcessPendingMessages();
  KeepBottomOnScreen();
}

// The list of the shown list tab takes the keyboard focus.
void TfrmMain::FocusActiveListTab() {
  QWidget* page = tabs_.PageControl1->currentWidget();
  if (page == tabs_.TabDir) tabs_.lvDirList->setFocus();
  else if (page == tabs_.TabBGM) tabs_.lvBGMList->setFocus();
}

void TfrmMain::KeepBottomOnScreen() {
  layout()->activate();
  QScreen* monitor = screen();
  if (!monitor || !isVisible()) return;
  const QRect frame = frameGeometry();
  const int top = TopKeepingBottomAboveWorkArea(frame, monitor->availableGeometry());
  if (top != frame.y()) move(x(), y() + (top - frame.y()));
}

// ---- what the library shows ---------------------------------------------------

void TfrmMain::SetCaption(const QString& caption) { setWindowTitle(caption); }

void TfrmMain::SetCurrentSlideshowLabel(const QString& text) {
  tabs_.lblCurrentSlideShow->setText(text);
}

void TfrmMain::OptionsChanged() {
  // A slideshow was (re)loaded: the colour clipboard and undo start afresh.
  if (colourPanel_) colourPanel_->Editor().Forget();
  ShowOptionsInControls();
}

void TfrmMain::ShowOptionsInControls() {
  showingOptions_ = true;
  ShowOptions(options_, library_.Options());
  showingOptions_ = false;
  ShowPreviewBackground();
}

void TfrmMain::ApplyColours() {
  SyncOptionsFromControls();
  if (display_) display_->ApplyColours(options_.BkColor, options_.Colours);
  ShowPreviewBackground();
}

void TfrmMain::btnResetClick() {
  SyncOptionsFromControls();
  ResetAllOptions(library_, context_.Settings, dialogs_, [this] {
    ShowOptionsInControls();
    ShowAppOptions(options_, context_.Settings);
    if (display_) display_->ApplyColours(options_.BkColor, options_.Colours);
    if (session_) {
      session_->Engine().Music().ApplyStoredVolume(context_.Settings.WMPVol);
      session_->Engine().Control().OnIntervalChanged();
    }
  });
}

void TfrmMain::FolderListChanged() {
  FillEntryListView(tabs_.lvDirList, library_.Folders(), library_.CurrentFolderIndex());
}

void TfrmMain::BgmListChanged() {
  FillEntryListView(tabs_.lvBGMList, library_.Bgms(), library_.CurrentBgmIndex());
}

void TfrmMain::CatalogChanged() {
  QListWidget* list = tabs_.lbSlideShow;
  const QSignalBlocker blocker(list);
  list->clear();
  list->addItems(library_.Catalog());
  const int index = library_.CatalogIndex();
  if (index >= 0 && index < list->count()) list->setCurrentRow(index);
}

void TfrmMain::CurrentFolderImagesChanged() {
  if (library_.CurrentFolderImages().isEmpty()) {
    preview_.Clear();
    ShowPreviewPicture();
    return;
  }
  RefreshPreview();
  RefreshPreviewCounter();
}

void TfrmMain::ShowStartHint(const QString& text) {
  lblStartInfo_->setText(QtUserDialogs::ToDisplayText(text));
  lblStartInfo_->setGeometry(10, 10, 180, kPreviewAreaHeight - 20);
  lblStartInfo_->show();
  lblSumUpImg_->clear();
}

void TfrmMain::HideStartHint() { lblStartInfo_->hide(); }

void TfrmMain::DisplayColoursChanged() {
  options_.BkColor = library_.Options().BkColor;
  options_.Colours = library_.Options().Colours;
  ShowSelectedColour(options_);
  ShowPreviewBackground();
}

SlideshowEngine* TfrmMain::Engine() { return session_ ? &session_->Engine() : nullptr; }

void TfrmMain::ResetPlayState() {
  if (!session_) return;
  session_->Engine().Music().ResetPlayState();
  session_->Engine().Show().ResetPrefetch();
}

// The library passes an empty path when music is off or the file is gone.
void TfrmMain::PrepareMusicPlayer(const QString& lastPlayBgm) {
  if (!session_) {
    pendingHandOver_ = lastPlayBgm;
    return;
  }
  BgmController& music = session_->Engine().Music();
  music.SetUseBgm(library_.Options().UseBGM);
  music.HandOverLastPlayedBgm(lastPlayBgm);
}

// ---- dialogs and help ---------------------------------------------------------------

void TfrmMain::UseDialogs(TfrmAbout* about, TfrmImport* import) {
  about_ = about;
  import_ = import;
  if (import_) AttachImportDialog();
}

void TfrmMain::AttachImportDialog() {
  ImportHooks hooks;
  hooks.ShowFolderTab = [this] { tabs_.PageControl1->setCurrentWidget(tabs_.TabDir); };
  hooks.ShowBgmTab = [this] { tabs_.PageControl1->setCurrentWidget(tabs_.TabBGM); };
  hooks.FolderListChanged = [this] { FolderListChanged(); };
  hooks.BgmListChanged = [this] { BgmListChanged(); };
  hooks.FolderListEmptied = [this] { ShowStartHint(kStartHintText); };
  hooks.RemoveFolderDuplicates = [this] {
    if (libraryTabs_) libraryTabs_->Editor().RemoveDuplicates(ListKind::Folders);
  };
  hooks.RemoveBgmDuplicates = [this] {
    if (libraryTabs_) libraryTabs_->Editor().RemoveDuplicates(ListKind::Music);
  };
  import_->Attach(library_, context_.Settings, dialogs_, std::move(hooks));
}

TfrmImport* TfrmMain::ImportDialog() {
  if (!import_) {
    import_ = new TfrmImport(this);
    AttachImportDialog();
  }
  return import_;
}

TfrmAbout* TfrmMain::AboutBox() {
  if (!about_) about_ = new TfrmAbout(this);
  return about_;
}

void TfrmMain::mnHelpDocClick() {
  OpenProgramDocument(library_.ProgramFolder(), kHelpFileName, dialogs_,
                      [this](const QString& path) { return OpenWithDesktop(QUrl::fromLocalFile(path)); });
}

void TfrmMain::mnReadMeClick() {
  OpenProgramDocument(library_.ProgramFolder(), kReadMeFileName, dialogs_,
                      [this](const QString& path) { return OpenWithDesktop(QUrl::fromLocalFile(path)); });
}

// ---- preview ---------------------------------------------------------------------

bool TfrmMain::IsSlideshowIdle() {
  SlideshowEngine* engine = Engine();
  return !engine || engine->Control().State() == PlayState::Idle;
}

void TfrmMain::RefreshPreview() {
  const QStringList& images = library_.CurrentFolderImages();
  if (images.isEmpty()) return;
  HideStartHint();
  const Preview::Outcome outcome = preview_.Refresh(images, library_.CurrentImageIndex(),
                                                    options_.cbFilter->currentIndex(), options_.BkColor, dialogs_);
  // A pending picture is painted by the preview's ready hook when it comes.
  if (outcome == Preview::Outcome::Unchanged || outcome == Preview::Outcome::Pending) return;
  ShowPreviewPicture();
}

void TfrmMain::ShowPreviewPicture() {
  pnlDisplay_->ShowPicture(preview_.PreviewBitmap(),
                           preview_.PicturePosition(pnlDisplay_->width(), pnlDisplay_->height()));
  pnlDisplay_->setToolTip(QtUserDialogs::ToDisplayText(preview_.ToolTip()));
}

void TfrmMain::RefreshPreviewCounter() {
  lblSumUpImg_->setText(
      PreviewCounterText(library_.CurrentImageIndex(), static_cast<int>(library_.CurrentFolderImages().size())));
  lblSumUpImg_->show();
}

void TfrmMain::ApplyPageJumpState() {
  const bool jump = chkPage_->isChecked();
  udPage_->setEnabled(jump);
  sbtnPrevPic_->setEnabled(!jump);
}

void TfrmMain::ResetPreviewPageJump() {
  chkPage_->setChecked(false);
  ApplyPageJumpState();
}

void TfrmMain::PreviewPrevClick() {
  const int count = static_cast<int>(library_.CurrentFolderImages().size());
  if (count == 0 || !IsSlideshowIdle()) return;
  library_.SetCurrentImageIndex(PreviousPreviewIndex(library_.CurrentImageIndex(), count));
  RefreshPreview();
  RefreshPreviewCounter();
}

void TfrmMain::PreviewNextClick() {
  const int count = static_cast<int>(library_.CurrentFolderImages().size());
  if (count == 0 || !IsSlideshowIdle()) return;
  PreviewJump jump;
  jump.On = chkPage_->isChecked();
  jump.FieldText = udPage_->cleanText();
  jump.Position = udPage_->value();
  const PreviewStep step = NextPreviewStep(library_.CurrentImageIndex(), count, jump);
  if (jump.On) {
    udPage_->setValue(step.Position);
    // The field shows the number the jump used, also after a typed text
    // that was no number.
    if (auto* field = udPage_->findChild<QLineEdit*>()) field->setText(step.FieldText);
  }
  library_.SetCurrentImageIndex(step.Index);
  RefreshPreview();
  RefreshPreviewCounter();
}

bool TfrmMain::IsDisplayShowing() const { return display_ && display_->isVisible(); }

// ---- dropped files ----------------------------------------------------------------

namespace {

QStringList DroppedLocalPaths(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  return paths;
}

}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedLocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
  if (!DroppedLocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  const QStringList paths = DroppedLocalPaths(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  libraryTabs_->DropFiles(paths);
}

// ---- close ----------------------------------------------------------------------

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (closed_ || !started_) {
    event->accept();
    return;
  }
  // A termination signal can arrive while the sequence processes messages;
  // a data-folder copy in progress finishes first.
  if (closing_ || cdMaking_->IsBusy()) {
    event->ignore();
    return;
  }
  closing_ = true;
  CloseHooks hooks;
  // The controls are read after the stop: while a slideshow runs, the effect
  // selectors show the effects in use, and the stop puts the configured ones back.
  hooks.StopSlideshowIfRunning = [this] {
    if (session_) session_->StopIfRunning();
    SyncOptionsFromControls();
    CollectAppOptions(options_, context_.Settings);
  };
  hooks.FinishCdMaking = [this] { return cdMaking_->FinishCdMaking(); };
  const bool mayClose = CloseSequence(library_, context_.Settings, dialogs_, hooks);
  closing_ = false;
  if (!mayClose) {
    event->ignore();
    return;
  }
  closed_ = true;
  event->accept();
}
