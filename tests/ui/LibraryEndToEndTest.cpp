// A user builds a library with the mouse through the real main window: a new
// slideshow, its two lists filled through the real file dialogs, edited with
// the buttons and the context menu, a second slideshow, switching back, the
// close; then the files on disk are compared byte for byte. And a real drop
// of files from a file manager.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QPointer>
#include <functional>
#include <memory>

#include "library/LibraryTestFiles.h"
#include "library/ListEditTexts.h"
#include "ui/LibraryTabs.h"
#include "ui/QtProgressWindow.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmSlideShow.h"

namespace {

// A folder holding one real picture: the main window's preview decodes it.
void MakePhotoFolder(const QString& folder, const QString& image = QStringLiteral("a.jpg")) {
  MakeFile(folder + u'/' + image);
  QImage picture(16, 12, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(folder + u'/' + image));
}

// Runs answer on the next modal dialog as soon as it is open, and again
// while it stays open (a file dialog may still be reading its folder when
// first answered).
void AnswerNextDialog(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  auto answered = std::make_shared<QPointer<QWidget>>();
  auto started = std::make_shared<bool>(false);
  QObject::connect(poll, &QTimer::timeout, [poll, answer, answered, started] {
    if (*started && (answered->isNull() || !(*answered)->isVisible())) {
      poll->stop();
      poll->deleteLater();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (*started && modal != answered->data()) return;
    *started = true;
    *answered = modal;
    answer(modal);
  });
  poll->start();
}

// Picks a file in the real file dialog, as a user typing its full path would.
void ChooseInFileDialog(const QString& file) {
  AnswerNextDialog([file](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    // The name typed into the dialog's file name field.
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(file);
    if (dialog->selectedFiles() == QStringList{file}) static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
  });
}

void NameInDialog(const QString& name) {
  AnswerNextDialog([name](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmSlideShow*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->edtSlideShowName->setText(name);
    dialog->btnSlideShowOK->click();
  });
}

void Click(QWidget* widget, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
  QApplication::processEvents();
}

void ClickRow(QTreeWidget* view, int row) {
  Click(view->viewport(), view->visualItemRect(view->topLevelItem(row)).center());
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Closes any message box that was not expected and keeps its text.
struct MessageWatch {
  QStringList texts;
  QTimer timer;
  MessageWatch() {
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        box->done(QMessageBox::No);
      }
    });
    timer.start();
  }
};

struct LibraryWindow : ::testing::Test {
  QTemporaryDir dir;
  QString program = dir.path() + "/program/";
  QString photos = dir.path() + "/Photos";
  MessageWatch messages;

  void SetUp() override {
    QDir().mkpath(program);
    MakePhotoFolder(photos + "/Beach", "b.jpg");
    MakePhotoFolder(photos + "/Alps", "a.png");
    MakeFile(dir.path() + "/Music/song.mp3");
  }
};

TEST_F(LibraryWindow, AUserBuildsTwoSlideshowsWithTheMouse) {
  {
    TfrmMain window(program);
    window.StartUpSequence({});
    window.show();
    const DetailTabs& tabs = window.Tabs();
    LibraryTabs& commands = *window.LibraryTabCommands();
    window.findChild<QPushButton*>("btnOption")->click();
    ASSERT_TRUE(window.IsDetailOptionsShown());

    NameInDialog("旅行");
    tabs.SlideshowButtons[0]->click();
    Settle();
    EXPECT_EQ(window.Library().CurrentName(), "旅行");
    EXPECT_EQ(window.windowTitle(), " Brinmora [旅行]");

    tabs.PageControl1->setCurrentWidget(tabs.TabDir);
    ChooseInFileDialog(photos + "/Beach/b.jpg");
    tabs.DirButtons.Add->click();
    ChooseInFileDialog(photos + "/Alps/a.png");
    tabs.DirButtons.Add->click();
    Settle();
    ASSERT_EQ(tabs.lvDirList->topLevelItemCount(), 2);
    EXPECT_EQ(tabs.lvDirList->headerItem()->text(0), "フォルダ名 (合計:2 チェック:2 選択:1)");

    tabs.PageControl1->setCurrentWidget(tabs.TabBGM);
    ChooseInFileDialog(dir.path() + "/Music/song.mp3");
    tabs.BgmButtons.Add->click();
    Settle();
    ASSERT_EQ(tabs.lvBGMList->topLevelItemCount(), 1);
    EXPECT_EQ(tabs.lvBGMList->topLevelItem(0)->text(1), dir.path() + "/Music");

    // Alps unchecked, moved up, cut and pasted back before Beach.
    tabs.PageControl1->setCurrentWidget(tabs.TabDir);
    tabs.lvDirList->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    ClickRow(tabs.lvDirList, 1);
    tabs.DirButtons.Up->click();
    EXPECT_EQ(tabs.lvDirList->topLevelItem(0)->text(0), "Alps");
    tabs.DirButtons.Cut->click();
    EXPECT_FALSE(tabs.DirButtons.Add->isEnabled()) << "paste mode";
    EXPECT_TRUE(tabs.DirButtons.Paste->isEnabled());
    EXPECT_FALSE(tabs.BgmButtons.Cut->isEnabled());
    ClickRow(tabs.lvDirList, 0);
    tabs.DirButtons.Paste->click();
    EXPECT_EQ(tabs.lvDirList->topLevelItem(0)->text(0), "Alps");
    EXPECT_EQ(tabs.lvDirList->topLevelItem(0)->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(tabs.DirButtons.Add->isEnabled());

    // Sorted by name, descending, from the list's context menu.
    emit tabs.lvDirList->customContextMenuRequested(QPoint(10, 10));
    ListContextMenu& menu = commands.ContextMenu();
    EXPECT_EQ(menu.NameSort->title(), "\"フォルダ名\"で整列(&I)");
    EXPECT_TRUE(menu.pmnOpenSelDir->isVisible());
    EXPECT_FALSE(menu.pmnCopyDataDir->isVisible());
    menu.pmnSrtNameDsc->trigger();
    menu.PopupList->close();
    EXPECT_EQ(tabs.lvDirList->topLevelItem(0)->text(0), "Beach");
    EXPECT_EQ(tabs.lvDirList->topLevelItem(1)->text(0), "Alps");

    // A second slideshow, then back to the first by a click in the list.
    tabs.PageControl1->setCurrentWidget(tabs.TabSlideShow);
    NameInDialog("家族");
    tabs.SlideshowButtons[0]->click();
    Settle();
    EXPECT_EQ(window.Library().CurrentName(), "家族");
    EXPECT_EQ(tabs.lvDirList->topLevelItemCount(), 0);
    QListWidget* list = tabs.lbSlideShow;
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 16);
    Click(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(window.Library().CurrentName(), "旅行");
    EXPECT_EQ(tabs.lvDirList->topLevelItemCount(), 2);
    EXPECT_EQ(tabs.lblCurrentSlideShow->text(), "現在のスライドショー ： 旅行");
    window.close();
  }
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();

  const QString root = program + "SlideShow/";
  // CP932 bytes of the names.
  const QByteArray catalog = QByteArray("\x96\xb3\x91\xe8" "001\r\n" "\x97\xb7\x8d\x73\r\n" "\x89\xc6\x91\xb0\r\n");
  EXPECT_EQ(FileBytes(root + "SlideShow.dat"), catalog);
  EXPECT_EQ(FileBytes(root + "旅行/DIR.dat"), (photos + "/Beach,1\r\n" + photos + "/Alps,0\r\n").toUtf8());
  EXPECT_EQ(FileBytes(root + "旅行/BGM.dat"), (dir.path() + "/Music/song.mp3,1\r\n").toUtf8());
  EXPECT_EQ(FileBytes(root + "旅行/Slide.ini"), FileBytes(SourceFile("tests/library/data/DefaultSlide.ini")));
  EXPECT_EQ(FileBytes(root + "家族/DIR.dat"), QByteArray());
}

TEST_F(LibraryWindow, FilesDroppedFromAFileManagerJoinTheLists) {
  MakePhotoFolder(photos + "/Beach/Day2");
  MakeFile(photos + "/Album/track.mp3");
  MakePhotoFolder(photos + "/Album", "cover.jpg");
  TfrmMain window(program);
  window.StartUpSequence({});
  window.show();
  const DetailTabs& tabs = window.Tabs();

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(photos), QUrl::fromLocalFile(dir.path() + "/Music/song.mp3"),
                QUrl("https://example.org/x.jpg")});
  const QPoint at = window.rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_TRUE(drop.isAccepted());
  QElapsedTimer waited;
  waited.start();
  while (tabs.lvBGMList->topLevelItemCount() == 0 && waited.elapsed() < 5000) QApplication::processEvents();

  EXPECT_TRUE(window.IsDetailOptionsShown()) << "the options open to show the new rows";
  QStringList folders;
  for (int i = 0; i < tabs.lvDirList->topLevelItemCount(); ++i) folders << tabs.lvDirList->topLevelItem(i)->text(0);
  EXPECT_EQ(folders, (QStringList{"Alps", "Beach", "Day2"}));
  ASSERT_EQ(tabs.lvBGMList->topLevelItemCount(), 2);
  EXPECT_EQ(tabs.lvBGMList->topLevelItem(0)->text(0), "track.mp3");
  EXPECT_EQ(tabs.lvBGMList->topLevelItem(1)->text(0), "song.mp3");
  EXPECT_EQ(tabs.PageControl1->currentWidget(), tabs.TabBGM);
  EXPECT_EQ(window.Library().CurrentFolderIndex(), 2);
  EXPECT_FALSE(window.LibraryTabCommands()->Progress().IsShowing());
  window.close();
}

}  // namespace
