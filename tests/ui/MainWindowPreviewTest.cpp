// The preview of the main window with its counter, step buttons and jump,
// on real image files.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include "MessageBoxAnswer.h"
#include "filters/FilterKind.h"
#include "ui/PreviewArea.h"
#include "ui/TfrmMain.h"

namespace {

struct PreviewRig {
  // A folder "旅行" of five 400 x 300 pictures, shown in the preview of a
  // window whose library previews it.
  PreviewRig() {
    const QString folder = dir.filePath(QStringLiteral("旅行"));
    QDir().mkpath(folder);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (int i = 0; i < 5; ++i) {
      QImage image(400, 300, QImage::Format_RGB32);
      image.fill(colours[i]);
      saved = saved && image.save(folder + QStringLiteral("/%1.png").arg(i));
    }
    window.Controls().cbFilter->setCurrentIndex(static_cast<int>(FilterKind::None));
    window.Library().SetView(&window);
    window.Library().Folders() = {ListEntry{true, QStringLiteral("旅行"), dir.path()}};
    window.Library().SetCurrentFolderIndex(0);
    window.Library().BuildCurrentFolderImages();
  }
  template <typename T>
  T* Find(const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }
  QString Counter() { return window.ImageCounter()->text(); }
  // The picture is decoded on a worker; the event loop paints it when it
  // comes back.
  void WaitForPreview() {
    QElapsedTimer waited;
    waited.start();
    while (window.PreviewState().Pending() && waited.elapsed() < 60000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QRgb Centre() {
    WaitForPreview();
    const QImage& picture = window.PreviewPanel()->Picture();
    return picture.isNull() ? 0 : picture.pixel(picture.width() / 2, picture.height() / 2);
  }

  QTemporaryDir dir;
  bool saved = dir.isValid();
  TfrmMain window;
};

TEST(MainWindowPreview, ShowsTheFolderStepsThroughItAndWraps) {
  PreviewRig rig;
  ASSERT_TRUE(rig.saved);
  EXPECT_EQ(rig.Counter(), QStringLiteral("01/05"));
  EXPECT_EQ(rig.Centre(), qRgb(255, 0, 0));
  EXPECT_EQ(rig.window.PreviewPanel()->Picture().size(), QSize(200, 150));
  EXPECT_EQ(rig.window.PreviewPanel()->toolTip(), QStringLiteral("プレビュー画像 ：\n旅行"));

  auto* next = rig.Find<QToolButton>("sbtnNextPic");
  auto* prev = rig.Find<QToolButton>("sbtnPrevPic");
  prev->click();
  EXPECT_EQ(rig.Counter(), QStringLiteral("05/05"));
  EXPECT_EQ(rig.Centre(), qRgb(0, 255, 255));
  next->click();
  next->click();
  EXPECT_EQ(rig.Counter(), QStringLiteral("02/05"));
  EXPECT_EQ(rig.Centre(), qRgb(0, 255, 0));

  // The filter selector filters the preview at once.
  rig.window.Controls().cbFilter->setCurrentIndex(static_cast<int>(FilterKind::Grayscale));
  const QRgb grey = rig.Centre();
  EXPECT_EQ(qRed(grey), qGreen(grey));
  EXPECT_EQ(qGreen(grey), qBlue(grey));
  EXPECT_NE(grey, qRgb(0, 255, 0));
}

TEST(MainWindowPreview, StepsReactAtOnceAndThePictureFollows) {
  PreviewRig rig;
  ASSERT_TRUE(rig.saved);
  EXPECT_EQ(rig.Centre(), qRgb(255, 0, 0));
  auto* next = rig.Find<QToolButton>("sbtnNextPic");
  next->click();
  next->click();
  next->click();
  // The counter moves with every click; the picture waits for its decode.
  EXPECT_EQ(rig.Counter(), QStringLiteral("04/05"));
  const QImage before = rig.window.PreviewPanel()->Picture();
  EXPECT_EQ(before.pixel(before.width() / 2, before.height() / 2), qRgb(255, 0, 0));
  EXPECT_TRUE(rig.window.PreviewState().Pending());
  EXPECT_EQ(rig.Centre(), qRgb(255, 255, 0));
}

TEST(MainWindowPreview, JumpModeTakesTheTypedNumberWithinTheFolder) {
  PreviewRig rig;
  ASSERT_TRUE(rig.saved);
  auto* chkPage = rig.Find<QCheckBox>("chkPage");
  auto* udPage = rig.Find<QSpinBox>("udPage");
  auto* prev = rig.Find<QToolButton>("sbtnPrevPic");
  auto* next = rig.Find<QToolButton>("sbtnNextPic");
  EXPECT_FALSE(udPage->isEnabled());
  EXPECT_TRUE(prev->isEnabled());
  chkPage->setChecked(true);
  EXPECT_TRUE(udPage->isEnabled());
  EXPECT_FALSE(prev->isEnabled());

  udPage->setValue(3);
  next->click();
  EXPECT_EQ(rig.Counter(), QStringLiteral("03/05"));
  udPage->setValue(9);
  next->click();
  EXPECT_EQ(rig.Counter(), QStringLiteral("05/05"));
  EXPECT_EQ(udPage->value(), 5);
  EXPECT_EQ(udPage->text(), QStringLiteral("5"));

  // A field that holds no number gets the control's number back.
  udPage->setValue(2);
  udPage->findChild<QLineEdit*>()->setText(QString());
  next->click();
  EXPECT_EQ(rig.Counter(), QStringLiteral("02/05"));
  EXPECT_EQ(udPage->text(), QStringLiteral("2"));

  // Loading a slideshow switches the jump off.
  rig.window.ResetPreviewPageJump();
  EXPECT_FALSE(chkPage->isChecked());
  EXPECT_FALSE(udPage->isEnabled());
  EXPECT_TRUE(prev->isEnabled());
}

TEST(MainWindowPreview, BrokenImageIsReportedAndEmptyListShowsTheBackground) {
  PreviewRig rig;
  ASSERT_TRUE(rig.saved);
  QFile broken(rig.dir.filePath(QStringLiteral("旅行/1.png")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("no picture");
  broken.close();

  MessageBoxAnswer answer;
  rig.Find<QToolButton>("sbtnNextPic")->click();
  rig.WaitForPreview();
  ASSERT_EQ(answer.texts.size(), 1);
  EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("1.png")));
  EXPECT_TRUE(rig.window.PreviewPanel()->Picture().isNull());
  EXPECT_EQ(rig.Counter(), QStringLiteral("02/05"));

  rig.window.Library().Folders().clear();
  rig.window.Library().BuildCurrentFolderImages();
  EXPECT_TRUE(rig.window.PreviewPanel()->Picture().isNull());
  const QImage shown = rig.window.PreviewPanel()->grab().toImage();
  EXPECT_EQ(shown.pixel(100, 75), qRgb(0, 0, 0));
}

}  // namespace
