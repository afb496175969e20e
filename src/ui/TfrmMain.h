#pragma once
// The main window: menus, the option groups, the slideshow, folder and BGM
// lists and the status bar. It owns the library (the current slideshow and
// the slideshow list) and the settings for the whole process, runs the
// start-up steps that concern the window and asks core for every decision.
#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

#include "engine/BackgroundDecoder.h"
#include "engine/Preview.h"
#include "engine/StartUp.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowLibraryView.h"
#include "platform/QtUiThreadPost.h"
#include "ui/DisplayMenuActions.h"
#include "ui/MainMenu.h"
#include "ui/OptionControls.h"
#include "ui/OptionsPanel.h"
#include "ui/QtUserDialogs.h"

class QCheckBox;
class CdMakingUi;
class LibraryTabs;
class QFrame;
class QGroupBox;
class QSpinBox;
class QToolButton;
class PreviewArea;
class ColourEditorPanel;
class TfrmAbout;
class TfrmImport;
class QLabel;
class QPushButton;
class SlideshowSession;
class SlideshowEngine;
class TfrmDisplay;

class TfrmMain : public QMainWindow, public StartUpWindow, public SlideshowLibraryView {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  // A main window whose files lie below programFolder instead of beside the
  // running program (tests run a whole library in a folder of their own).
  explicit TfrmMain(const QString& programFolder, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Steps 1-14 of the main window's creation (arguments without the program).
  void StartUpSequence(const QStringList& arguments);
  // The display window exists: apply its colours, then start the slideshow
  // when "/autostart" or the AutoStart setting asks for it.
  void DisplayWindowCreated(TfrmDisplay* display);

  // Folds the detail options out or in.
  void ToggleDetailOptions();
  bool IsDetailOptionsShown() const;
  // True while the display window is on screen.
  bool IsDisplayShowing() const;
  // The slideshow tab and the list tabs with their commands.
  LibraryTabs* LibraryTabCommands() const { return libraryTabs_; }

  OptionControls& Controls() { return options_; }
  const DetailTabs& Tabs() const { return tabs_; }
  const MainMenuActions& Menu() const { return menu_; }
  MainMenuActions& Menu() { return menu_; }
  DisplayMenuActions* DisplayActions() const { return displayActions_; }
  SlideshowLibrary& Library() { return library_; }
  const StartUpContext& Context() const { return context_; }
  AppSettings& Settings() { return context_.Settings; }
  UserDialogs& Dialogs() { return dialogs_; }
  CdMakingUi& CdMaking() { return *cdMaking_; }
  // The option controls and the application options into the stores.
  void CollectControls();
  QLabel* StatusPanel() const { return statusPanel_; }

  // StartUpWindow
  void CreateWorkingObjects() override;
  void SetReady(bool ready) override;
  void ApplyRunMode(const StartUpContext& context) override;
  void ArrangeOptionsPage() override;
  void BuildFilterTables() override;
  void CollapseAndPlace(RunMode mode) override;
  void ShowProgramFolder(const QString& programFolderWithoutSeparator) override;
  void ApplyCatalog(const CatalogFill& catalog) override;

  // SlideshowLibraryView
  void SetCaption(const QString& caption) override;
  void SetCurrentSlideshowLabel(const QString& text) override;
  void OptionsChanged() override;
  void FolderListChanged() override;
  void BgmListChanged() override;
  void CatalogChanged() override;
  void CurrentFolderImagesChanged() override;
  void ShowStartHint(const QString& text) override;
  void HideStartHint() override;
  void DisplayColoursChanged() override;
  void ResetPlayState() override;
  void PrepareMusicPlayer(const QString& lastPlayBgm) override;
  void ResetPreviewPageJump() override;

  // Rebuilds the preview picture of the current image and repaints it.
  void RefreshPreview();
  // Rewrites the image counter under the preview ("05/12").
  void RefreshPreviewCounter();
  // Finishes a preview picture still being decoded (a slideshow start does
  // this first).
  void SettlePreview() { preview_.Settle(); }
  const Preview& PreviewState() const { return preview_; }
  PreviewArea* PreviewPanel() const { return pnlDisplay_; }
  QLabel* ImageCounter() const { return lblSumUpImg_; }
  ColourEditorPanel* ColourPanel() const { return colourPanel_; }

  // "オプションのリセット": asks, then every option back to its default.
  void btnResetClick();

  // The version box and the import dialog the program made; without them
  // the window makes its own when first needed.
  void UseDialogs(TfrmAbout* about, TfrmImport* import);
  TfrmImport* ImportDialog();
  TfrmAbout* AboutBox();
  // Help menu: the help page and the ReadMe beside the program.
  void mnHelpDocClick();
  void mnReadMeClick();
  // Opens a file or web address with the desktop; replaceable for tests.
  std::function<bool(const QUrl&)> OpenWithDesktop;

  // The slideshow engine, once the display window exists.
  SlideshowEngine* Engine();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Files and folders dropped from a file manager join the lists.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QWidget* BuildPreview();
  void ConnectControls();
  void SyncOptionsFromControls();
  void ShowPreviewBackground();
  void ShowPreviewPicture();
  void ShowOptionsInControls();
  // The colours of the options panel reach the slideshow, the display
  // window and the preview background.
  void ApplyColours();
  void ApplyPageJumpState();
  void PreviewPrevClick();
  void PreviewNextClick();
  bool IsSlideshowIdle();
  void RebuildRecentWorkMenu();
  void KeepBottomOnScreen();
  void FocusActiveListTab();
  void AttachImportDialog();
  // The start command of a later slideshow engine; autostart lands here.
  void StartOrPause();

  QtUserDialogs dialogs_;
  SlideshowLibrary library_;
  StartUpContext context_;
  OptionControls options_;
  DetailTabs tabs_{};
  MainMenuActions menu_{};
  DisplayMenuActions* displayActions_;
  CdMakingUi* cdMaking_ = nullptr;
  LibraryTabs* libraryTabs_ = nullptr;

  QGroupBox* grpBasic_ = nullptr;
  QGroupBox* grpDetail_ = nullptr;
  QPushButton* btnSlide_ = nullptr;
  QPushButton* btnOption_ = nullptr;
  QPushButton* btnReset_ = nullptr;
  PreviewArea* pnlDisplay_ = nullptr;
  QToolButton* sbtnPrevPic_ = nullptr;
  QToolButton* sbtnNextPic_ = nullptr;
  QCheckBox* chkPage_ = nullptr;
  QSpinBox* udPage_ = nullptr;
  // The preview decodes on a worker of its own; declared before preview_ so
  // the preview's request goes first, then the worker, then the hand-backs.
  QtUiThreadPost previewPost_;
  std::unique_ptr<BackgroundDecoder> previewDecoder_;
  Preview preview_;
  ColourEditorPanel* colourPanel_ = nullptr;
  TfrmAbout* about_ = nullptr;
  TfrmImport* import_ = nullptr;
  QLabel* lblStartInfo_ = nullptr;
  QLabel* lblSumUpImg_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QAction* pmnOpenExeDir_ = nullptr;

  bool ready_ = false;
  bool showingOptions_ = false;
  bool started_ = false;  // the close sequence saves only what start-up loaded
  bool closing_ = false;
  bool closed_ = false;
  TfrmDisplay* display_ = nullptr;
  // The slideshow engine and its wiring, from the display window's creation on.
  std::unique_ptr<SlideshowSession> session_;
  // The music file a load handed over before the player existed (start-up
  // loads the last slideshow before the display window and its player).
  QString pendingHandOver_;
};
