#include <gtest/gtest.h>

#include "platform/CommaText.h"
#include "platform/Cp932.h"

namespace {

QList<QByteArray> Bytes(std::initializer_list<const char*> fields) {
  QList<QByteArray> list;
  for (const char* f : fields) list.append(QByteArray(f));
  return list;
}

TEST(CommaText, FieldsAreQuotedOnlyWhenNeeded) {
  struct Case {
    QString field;
    QString written;
  };
  const std::vector<Case> cases = {
      {"/home/u/Trip", "/home/u/Trip"},
      {"/home/u/My Trip", "\"/home/u/My Trip\""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"tab\there", "\"tab\there\""},
      {"旅行ソ表", "旅行ソ表"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(QuoteCommaField(c.field), c.written) << c.field.toStdString();
  EXPECT_EQ(JoinCommaText({"/a b/c", "1"}), "\"/a b/c\",1");
}

TEST(CommaText, SplittingFollowsTheListFileRules) {
  struct Case {
    const char* line;
    QList<QByteArray> fields;
  };
  const std::vector<Case> cases = {
      {"/Photos/Trip,0", Bytes({"/Photos/Trip", "0"})},
      // Without a comma the whole line is one field, blanks included.
      {" /My Photos/Trip ", Bytes({" /My Photos/Trip "})},
      {"\"/My Photos/a,b\",1", Bytes({"/My Photos/a,b", "1"})},
      {"\"say \"\"hi\"\"\",1", Bytes({"say \"hi\"", "1"})},
      {"  a ,  b  ", Bytes({"a", "b"})},
      // An unquoted field ends at a blank; what follows starts a new field.
      {"a b,1", Bytes({"a", "b", "1"})},
      {"a,", Bytes({"a", ""})},
      {"a, ", Bytes({"a"})},
      {",a", Bytes({"", "a"})},
      {"a,,b", Bytes({"a", "", "b"})},
      {"\"ab\"cd,e", Bytes({"ab", "cd", "e"})},
      {"\"open,1", Bytes({"open,1"})},
      {"a,b,c", Bytes({"a", "b", "c"})},
      {"", Bytes({""})},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommaTextBytes(QByteArray(c.line)), c.fields) << c.line;
}

TEST(CommaText, DoubleByteCharactersAreSteppedOverWhole) {
  // No valid CP932 character has a comma (0x2C) or quotation mark (0x22) as
  // its second byte, but a damaged line can: the lead byte takes the next
  // byte with it, so neither acts as separator or quote.
  EXPECT_EQ(SplitCommaTextBytes(QByteArray("\x81,x,1")), Bytes({"\x81,x", "1"}));
  EXPECT_EQ(SplitCommaTextBytes(QByteArray("\"\x81\"\",1")), Bytes({"\x81\"", "1"}));
  EXPECT_EQ(SplitCommaTextBytes(QByteArray("\x95\x5C,\x83\x5C")), Bytes({"\x95\x5C", "\x83\x5C"}));
  // A lead byte at the very end stays in its field.
  EXPECT_EQ(SplitCommaTextBytes(QByteArray("a,\x81")), Bytes({"a", "\x81"}));
  // Real characters decode whole after the split.
  const QByteArray line = EncodeCp932("\"/写真 ソ表/能\",1");
  const QList<QByteArray> fields = SplitCommaTextBytes(line);
  ASSERT_EQ(fields.size(), 2);
  EXPECT_EQ(DecodeCp932(fields[0]), "/写真 ソ表/能");
}

TEST(CommaText, WrittenFieldsSplitBackUnchanged) {
  const std::vector<QStringList> records = {
      {"/a b/c", "1"}, {"x,\"y\"", "0"}, {"旅行/ソ", "1"}, {" lead", "1"}, {"", "0"}};
  for (const QStringList& r : records) {
    const QString line = JoinCommaText(r);
    EXPECT_EQ(SplitCommaText(line), r) << line.toStdString();
    QStringList decoded;
    for (const QByteArray& f : SplitCommaTextBytes(EncodeCp932(line))) decoded.append(DecodeCp932(f));
    EXPECT_EQ(decoded, r) << line.toStdString();
  }
}

TEST(CommaText, NulEndsTheLine) {
  EXPECT_EQ(SplitCommaTextBytes(QByteArray("a,b\0,c", 6)), Bytes({"a", "b"}));
}

}  // namespace
