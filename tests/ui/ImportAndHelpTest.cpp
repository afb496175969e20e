// The import dialog, the version box and the Help menu on real windows.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "MessageBoxAnswer.h"
#include "library/LibraryTestFiles.h"
#include "platform/TextFile.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmImport.h"
#include "ui/TfrmMain.h"

namespace {

TEST(ImportDialog, OpensBySlideshowWhenThereIsAnotherOneAndByFolderOtherwise) {
  TfrmMain window;
  TfrmImport* dialog = window.ImportDialog();
  // Without a loaded slideshow the window's library has no current name, so
  // an empty library stands for "no other slideshow".
  window.Library().SetCatalog({});
  dialog->show();
  EXPECT_TRUE(dialog->rbDir->isChecked());
  EXPECT_FALSE(dialog->cbSlideShow->isEnabled());
  EXPECT_TRUE(dialog->edtDir->isEnabled());
  dialog->rbSlideShow->click();  // nothing to choose by name
  EXPECT_TRUE(dialog->rbDir->isChecked());
  EXPECT_TRUE(dialog->chkDirList->isChecked() && dialog->chkBGMList->isChecked());
  EXPECT_TRUE(dialog->rbAdd->isChecked());
  dialog->hide();

  window.Library().SetCatalog({"旅行", "家族", "海"});
  dialog->show();
  EXPECT_TRUE(dialog->rbSlideShow->isChecked());
  EXPECT_TRUE(dialog->cbSlideShow->isEnabled());
  EXPECT_FALSE(dialog->btnDir->isEnabled());
  EXPECT_EQ(dialog->cbSlideShow->count(), 3);  // no current slideshow loaded: all three
  dialog->rbDir->click();
  EXPECT_FALSE(dialog->cbSlideShow->isEnabled());
  EXPECT_TRUE(dialog->btnDir->isEnabled());
  dialog->hide();
}

TEST(ImportDialog, ImportsFromAChosenFolderAndRemembersIt) {
  QTemporaryDir dir;
  const QString source = dir.filePath("Quillet");
  QDir().mkpath(source);
  MakeImageFolder(dir.filePath("Photos/海"));
  ASSERT_TRUE(WriteTextLines(source + "/DIR.dat", {dir.filePath("Photos/海") + ",0", "../../etc,1"}));
  TfrmMain window;
  TfrmImport* dialog = window.ImportDialog();
  dialog->BrowseFolder = [&](const QString&) { return source; };
  dialog->show();
  dialog->rbDir->click();
  dialog->btnDir->click();
  EXPECT_EQ(dialog->edtDir->text(), source);
  EXPECT_EQ(dialog->edtDir->toolTip(), source);

  MessageBoxAnswer answer;
  dialog->chkBGMList->setChecked(false);
  dialog->btnImport->click();
  EXPECT_EQ(answer.texts, QStringList{"インポートを終了しました。"});
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(window.Library().Folders().size(), 1);
  EXPECT_EQ(window.Library().Folders()[0], (ListEntry{true, "海", dir.filePath("Photos")}));
  EXPECT_EQ(window.Context().Settings.QuilletDir, source);
  EXPECT_EQ(window.Tabs().PageControl1->currentWidget(), window.Tabs().TabDir);
}

TEST(VersionBox, LinkLightsUpUnderThePointerAndOpensTheSite) {
  TfrmAbout about;
  EXPECT_EQ(about.size(), QSize(264, 154));
  EXPECT_EQ(about.lblProduct->text(), "Brinmora");
  EXPECT_TRUE(about.lblProduct->font().bold());
  EXPECT_EQ(about.lblProduct->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0xFF));
  EXPECT_EQ(about.lblVersion->text(), "Version 1.3");
  UrlLabel* link = about.lblURL;

  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(link, &enter);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0xFF));
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_FALSE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

  QUrl opened;
  about.OpenUrl = [&](const QUrl& url) { opened = url; };
  about.show();
  link->OnClick();
  EXPECT_EQ(opened, QUrl(QString::fromLatin1(kProductWebSite)));
  EXPECT_FALSE(about.isVisible());
}

TEST(HelpMenu, OpensTheDocumentsBesideTheProgramAndSaysWhenOneIsMissing) {
  TfrmMain window;
  QList<QUrl> opened;
  window.OpenWithDesktop = [&](const QUrl& url) {
    opened << url;
    return true;
  };
  // The build copies both documents beside the program (the test programs'
  // folder here); a missing one gets a message instead of silence.
  const QString folder = window.Library().ProgramFolder();
  window.Menu().mnHelpDoc->trigger();
  window.Menu().mnReadMe->trigger();
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[0].toLocalFile(), folder + "Brinmoraヘルプ.html");
  EXPECT_EQ(opened[1].toLocalFile(), folder + "ReadMe.txt");

  window.OpenWithDesktop = [](const QUrl&) { return false; };
  MessageBoxAnswer answer;
  window.mnReadMeClick();
  ASSERT_EQ(answer.texts.size(), 1);
  EXPECT_TRUE(answer.texts[0].contains("ReadMe.txt"));
}

}  // namespace
