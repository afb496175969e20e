#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/FakeUserDialogs.h"
#include "library/HelpDocuments.h"
#include "library/LibraryTestFiles.h"
#include "platform/Cp932.h"

TEST(HelpDocumentsTest, MissingDocumentIsReportedInsteadOfIgnored) {
  QTemporaryDir dir;
  const QString folder = dir.path() + "/";
  MakeFile(folder + kHelpFileName, "<html></html>");
  FakeUserDialogs dialogs;
  QStringList opened;
  auto open = [&](const QString& path) {
    opened << path;
    return true;
  };
  EXPECT_TRUE(OpenProgramDocument(folder, kHelpFileName, dialogs, open));
  EXPECT_FALSE(OpenProgramDocument(folder, kReadMeFileName, dialogs, open));
  EXPECT_EQ(opened, QStringList{folder + kHelpFileName});
  ASSERT_EQ(dialogs.informations.size(), 1);
  EXPECT_TRUE(dialogs.informations[0].endsWith(folder + kReadMeFileName));
}

TEST(HelpDocumentsTest, ShippedReadMeIsCp932WithCrLfAndTheHelpPageIsJapaneseHtml) {
  const QByteArray readMe = FileBytes(SourceFile("data/ReadMe.txt"));
  ASSERT_FALSE(readMe.startsWith("<missing>"));
  EXPECT_EQ(readMe.count("\r\n"), readMe.count('\n'));
  EXPECT_TRUE(DecodeCp932(readMe).contains(QStringLiteral("Brinmoraヘルプ.html")));
  const QString help = QString::fromUtf8(FileBytes(SourceFile("data/Brinmoraヘルプ.html")));
  EXPECT_TRUE(help.contains(QStringLiteral("<html lang=\"ja\">")));
  for (const char* key : {"Esc", "Space", "Alt</kbd> + <kbd>F4"}) EXPECT_TRUE(help.contains(QString::fromUtf8(key))) << key;
}
