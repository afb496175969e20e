#pragma once
// The main window: menus, the option groups, the slideshow, folder and BGM
// lists and the status bar. It owns the library (the current slideshow and
// the slideshow list) and the settings for the whole process, runs the
// start-up steps that concern the window and asks core for every decision.
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "engine/StartUp.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowLibraryView.h"
#include "ui/DisplayMenuActions.h"
#include "ui/MainMenu.h"
#include "ui/OptionControls.h"
#include "ui/OptionsPanel.h"
#include "ui/QtUserDialogs.h"

class LibraryTabs;
class QFrame;
class QGroupBox;
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
  // The preview shows the images of the current folder row again.
  void RefreshPreview();
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
  void RebuildRecentWorkMenu();
  void KeepBottomOnScreen();
  // The start command of a later slideshow engine; autostart lands here.
  void StartOrPause();

  QtUserDialogs dialogs_;
  SlideshowLibrary library_;
  StartUpContext context_;
  OptionControls options_;
  DetailTabs tabs_{};
  MainMenuActions menu_{};
  DisplayMenuActions* displayActions_;
  LibraryTabs* libraryTabs_ = nullptr;

  QGroupBox* grpBasic_ = nullptr;
  QGroupBox* grpDetail_ = nullptr;
  QPushButton* btnSlide_ = nullptr;
  QPushButton* btnOption_ = nullptr;
  QPushButton* btnReset_ = nullptr;
  QFrame* pnlDisplay_ = nullptr;
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
