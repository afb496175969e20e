#include "display/LabelTexts.h"

#include <gtest/gtest.h>

#include "library/OptionItems.h"

namespace {

TEST(FormatCountTest, DigitsFollowTheTotal) {
  struct Case { int n, total, maxDigits; const char* text; };
  const Case cases[] = {
      {3, 12, 6, "03/12"},          {1, 99, 6, "01/99"},
      {3, 120, 6, "003/120"},       {1, 1000, 6, "0001/1000"},
      {42, 9999, 6, "0042/9999"},   {7, 10000, 6, "00007/10000"},
      {7, 100000, 6, "000007/100000"}, {7, 1000000, 6, "7/1000000"},
      {7, 100000, 5, "7/100000"},   {12, 99999, 5, "00012/99999"},
      {1, 1, 6, "01/01"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatCount(c.n, c.total, c.maxDigits), QString::fromUtf8(c.text))
        << c.n << "/" << c.total << " max " << c.maxDigits;
  }
}

TEST(ImageCountTextTest, SuffixForEveryOrderPair) {
  struct Case { int imageOrder, folderOrder; const char* suffix; };
  const Case cases[] = {
      {kOrderLoopOrAll, kOrderFromTop, " All Image Shuffle"},
      {kOrderLoopOrAll, kOrderLoopOrAll, " All Image Shuffle"},
      {kOrderShuffle, kOrderLoopOrAll, " Folder Loop Image Shuffle"},
      {kOrderFromTop, kOrderLoopOrAll, " Folder Loop"},
      {kOrderFromSelected, kOrderLoopOrAll, " Folder Loop"},
      {kOrderShuffle, kOrderShuffle, " Folder Shuffle Image Shuffle"},
      {kOrderFromTop, kOrderShuffle, " Folder Shuffle"},
      {kOrderShuffle, kOrderFromTop, " Image Shuffle"},
      {kOrderShuffle, kOrderFromSelected, " Image Shuffle"},
      {kOrderFromTop, kOrderFromTop, ""},
      {kOrderFromSelected, kOrderFromSelected, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImageCountText(2, 12, c.imageOrder, c.folderOrder),
              QStringLiteral("03/12") + QString::fromUtf8(c.suffix))
        << c.imageOrder << "," << c.folderOrder;
  }
  EXPECT_EQ(ImageCountText(41, 1234, kOrderLoopOrAll, kOrderFromTop),
            QStringLiteral("0042/1234 All Image Shuffle"));
}

TEST(ImageNameTextTest, FileAndFolderModes) {
  const QString file = QStringLiteral("/photos/Kyoto/IMG_0001.JPG");
  EXPECT_EQ(ImageNameText(0, file, kOrderFromTop, 1, 15), QStringLiteral("★IMG_0001.JPG"));
  EXPECT_EQ(ImageNameText(1, file, kOrderFromTop, 1, 15), QStringLiteral("★02/15. Kyoto"));
  EXPECT_EQ(ImageNameText(1, file, kOrderShuffle, 0, 150), QStringLiteral("★001/150. Kyoto"));
  EXPECT_EQ(ImageNameText(1, file, kOrderLoopOrAll, 1, 15), QStringLiteral("★Kyoto"));
  // Folder numbering stops at five digits.
  EXPECT_EQ(ImageNameText(1, file, kOrderFromTop, 4, 100000), QStringLiteral("★5/100000. Kyoto"));
  // Names are literal: an ampersand stays one.
  EXPECT_EQ(ImageNameText(0, QStringLiteral("/p/Tom & Jerry.png"), 0, 0, 1),
            QStringLiteral("★Tom & Jerry.png"));
}

TEST(DateLabelTextTest, ExifDateOrFileDate) {
  const QDateTime modified(QDate(2009, 4, 5), QTime(13, 2, 11));
  EXPECT_EQ(DateLabelText(QStringLiteral("2021:07:08 09:10:11"), modified),
            QStringLiteral("2021/07/08 09:10:11"));
  EXPECT_EQ(DateLabelText(QString(), modified), QStringLiteral("File 2009/04/05 13:02:11"));
  // A tag that is no date falls back to the file date.
  for (const char* bad : {"    :  :     :  :  ", "2021:13:40 25:61:61", "garbage", "0000:00:00 00:00:00"}) {
    EXPECT_EQ(DateLabelText(QString::fromLatin1(bad), modified),
              QStringLiteral("File 2009/04/05 13:02:11"))
        << bad;
  }
  // Trailing padding of the tag does not matter.
  EXPECT_EQ(DateLabelText(QStringLiteral("2021:07:08 21:10:11  "), modified),
            QStringLiteral("2021/07/08 21:10:11"));
}

TEST(ClockTextTest, TwentyFourHours) {
  EXPECT_EQ(ClockText(QTime(7, 5, 9)), QStringLiteral("07:05:09"));
  EXPECT_EQ(ClockText(QTime(23, 59, 0)), QStringLiteral("23:59:00"));
}

TEST(KeyGuideTest, TwentyFourLinesInTurn) {
  EXPECT_EQ(KeyGuideLine(-1), QStringLiteral("右クリックでメニュー表示"));
  EXPECT_EQ(KeyGuideLine(0), QStringLiteral("右クリックでメニュー表示"));
  EXPECT_EQ(KeyGuideLine(23), QStringLiteral("Brinmoraの終了： Alt + F4"));
  EXPECT_EQ(KeyGuideLine(11), QStringLiteral("音量のリセット： Enter"));
  int p = -1;
  QStringList seen;
  for (int i = 0; i < 25; ++i) {
    seen << KeyGuideLine(p);
    p = NextKeyGuidePosition(p);
  }
  EXPECT_EQ(seen.front(), seen.back());
  EXPECT_EQ(QSet<QString>(seen.begin(), seen.end()).size(), 24);
}

}  // namespace
