#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/IniFile.h"
#include "platform/ScopedFileSizeLimit.h"

namespace {

struct ReadCase {
  const char* name;
  QStringList lines;
  QString section;
  QString key;
  QString expected;
};

TEST(IniFile, ReadStringFollowsPrivateProfileRules) {
  const QString def = QStringLiteral("<default>");
  const QString longValue(3000, u'x');
  const std::vector<ReadCase> cases = {
      {"plain value", {"[S]", "k=v"}, "S", "k", "v"},
      {"section and key ignore letter case", {"[Option]", "Interval=5"}, "OPTION", "interval", "5"},
      {"blanks around key and value trimmed", {"[S]", "  k  =  a b  "}, "S", "k", "a b"},
      {"blanks inside the section line", {" [ S ] ", "k=1"}, "S", "k", "1"},
      {"enclosing double quotes dropped", {"[S]", "k=\" a,b \""}, "S", "k", " a,b "},
      {"enclosing single quotes dropped", {"[S]", "k='x'"}, "S", "k", "x"},
      {"one quote alone kept", {"[S]", "k=\"x"}, "S", "k", "\"x"},
      {"mismatched quotes kept", {"[S]", "k=\"x'"}, "S", "k", "\"x'"},
      {"empty value is not the default", {"[S]", "k="}, "S", "k", ""},
      {"value may hold '='", {"[S]", "k=a=b"}, "S", "k", "a=b"},
      {"missing section", {"[T]", "k=v"}, "S", "k", def},
      {"missing key", {"[S]", "j=v"}, "S", "k", def},
      {"key of another section", {"[S]", "[T]", "k=v"}, "S", "k", def},
      {"lines before any section belong to none", {"k=v", "[S]"}, "S", "k", def},
      {"first of duplicate keys", {"[S]", "k=1", "k=2"}, "S", "k", "1"},
      {"first of duplicate sections", {"[S]", "k=1", "[S]", "k=2"}, "S", "k", "1"},
      {"line without '=' is no key", {"[S]", "k", "k=2"}, "S", "k", "2"},
      {"Japanese text", {"[SlideShow]", "LastSlideShowName=旅行"}, "SlideShow", "LastSlideShowName", "旅行"},
      {"at most 2047 characters", {"[S]", "k=" + longValue}, "S", "k", QString(2047, u'x')},
  };
  for (const ReadCase& c : cases) {
    const IniFile ini = IniFile::FromLines(QString(), c.lines);
    EXPECT_EQ(ini.ReadString(c.section, c.key, def), c.expected) << c.name;
  }
}

TEST(IniFile, IntegersAreDecimalOrHexadecimalElseTheDefault) {
  struct Case {
    const char* text;
    int expected;
  };
  const int def = -77;
  const std::vector<Case> cases = {
      {"12", 12},          {"-5", -5},       {"+3", 3},          {" 7 ", 7},        {"0x1F", 31},
      {"0X1f", 31},        {"$ff", 255},     {"$FFFFFFFF", -1},  {"0xFFFFFFFF", -1}, {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},      {"2147483648", def}, {"12abc", def},    {"abc", def},
      {"", def},           {"0x", def},      {"$", def},         {"1.5", def},      {"0x1G", def},
      {"\"42\"", 42},
  };
  for (const Case& c : cases) {
    const IniFile ini = IniFile::FromLines(QString(), {"[S]", QStringLiteral("k=") + QString::fromUtf8(c.text)});
    EXPECT_EQ(ini.ReadInteger("S", "k", def), c.expected) << c.text;
  }
  EXPECT_EQ(IniFile::FromLines(QString(), {}).ReadInteger("S", "k", 9), 9);
}

TEST(IniFile, BooleansReadAsIntegers) {
  struct Case {
    const char* text;
    bool def;
    bool expected;
  };
  const std::vector<Case> cases = {
      {"1", false, true}, {"0", true, false}, {"2", false, true}, {"-1", false, true},
      {"yes", true, true}, {"yes", false, false}, {"", true, true}, {"true", false, false},
  };
  for (const Case& c : cases) {
    const IniFile ini = IniFile::FromLines(QString(), {"[S]", QStringLiteral("b=") + QString::fromUtf8(c.text)});
    EXPECT_EQ(ini.ReadBool("S", "b", c.def), c.expected) << c.text << " default " << c.def;
  }
}

TEST(IniFile, WritesReplaceInPlaceAndAppendWhatIsMissing) {
  struct Case {
    const char* name;
    QStringList before;
    QString section, key, value;
    QStringList after;
  };
  const std::vector<Case> cases = {
      {"creates section and key", {}, "S", "k", "v", {"[S]", "k=v"}},
      {"replaces the value in place",
       {"[S]", "a=1", "k=old", "b=2"}, "S", "k", "new", {"[S]", "a=1", "k=new", "b=2"}},
      {"matches ignoring letter case and keeps the stored spelling",
       {"[Option]", "Interval=5"}, "OPTION", "INTERVAL", "9", {"[Option]", "Interval=9"}},
      {"appends a missing key at the end of its section",
       {"[S]", "a=1", "[T]", "b=2"}, "S", "k", "v", {"[S]", "a=1", "k=v", "[T]", "b=2"}},
      {"a new key goes before blank lines closing the section",
       {"[S]", "a=1", "", "[T]"}, "S", "k", "v", {"[S]", "a=1", "k=v", "", "[T]"}},
      {"appends a missing section at the end",
       {"[S]", "a=1"}, "T", "k", "v", {"[S]", "a=1", "[T]", "k=v"}},
      {"a line break in the value cannot split the line",
       {}, "S", "k", "a\r\nb", {"[S]", "k=a  b"}},
  };
  for (const Case& c : cases) {
    IniFile ini = IniFile::FromLines(QString(), c.before);
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(ini.Lines(), c.after) << c.name;
  }
  IniFile ini = IniFile::FromLines(QString(), {});
  ini.WriteInteger("S", "i", -12);
  ini.WriteBool("S", "t", true);
  ini.WriteBool("S", "f", false);
  EXPECT_EQ(ini.Lines(), (QStringList{"[S]", "i=-12", "t=1", "f=0"}));
}

TEST(IniFile, MissingFileReadsDefaultsAndIsNotCreatedByReading) {
  QTemporaryDir dir;
  const QString path = dir.filePath("none.ini");
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("S", "k", 4), 4);
  EXPECT_FALSE(QFile::exists(path));
}

TEST(IniFile, SaveWritesCp932WithCrLfAndReadsBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.ini");
  IniFile ini(path);
  ini.WriteString("SlideShow", "LastSlideShowName", "旅行");
  ASSERT_TRUE(ini.Save());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("[SlideShow]\r\nLastSlideShowName=\x97\xB7\x8D\x73\r\n"));
  EXPECT_EQ(IniFile(path).ReadString("slideshow", "lastslideshowname", ""), "旅行");
}

TEST(IniFile, FailedSaveReportsFailureAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.ini");
  IniFile ini(path);
  ini.WriteString("S", "k", "1");
  ASSERT_TRUE(ini.Save());
  const QByteArray before = [&] {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  ini.WriteString("S", "k", QString(200, u'z'));
  {
    ScopedFileSizeLimit full;
    EXPECT_FALSE(ini.Save());
  }
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.ini"}) << "no temporary file left";
  EXPECT_FALSE(IniFile(dir.filePath("missing/sub/a.ini")).Save());
}

}  // namespace
