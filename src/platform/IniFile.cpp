#include "platform/IniFile.h"

#include <limits>

namespace {

constexpr qsizetype kMaxValueLength = 2047;

// The section name of a "[name]" line, or a null string for other lines.
QString SectionOfLine(const QString& line) {
  const QString t = line.trimmed();
  if (!t.startsWith(u'[')) return QString();
  const qsizetype close = t.indexOf(u']');
  const QString name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
  return name.trimmed();
}

bool IsSectionLine(const QString& line) { return line.trimmed().startsWith(u'['); }

// The key of a "key=value" line, or a null string for other lines.
QString KeyOfLine(const QString& line) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) return QString();
  const QString key = line.left(eq).trimmed();
  if (key.isEmpty() || key.startsWith(u';')) return QString();
  return key;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString OneLine(const QString& text) {
  QString t = text;
  t.replace(u'\r', u' ');
  t.replace(u'\n', u' ');
  return t;
}

// Finds the first [section]; *header gets its line, *end the line after its
// last line. False when the file has no such section.
bool FindSection(const QStringList& lines, const QString& section, int* header, int* end) {
  for (int i = 0; i < lines.size(); ++i) {
    if (!IsSectionLine(lines[i]) || !SameName(SectionOfLine(lines[i]), section)) continue;
    int j = i + 1;
    while (j < lines.size() && !IsSectionLine(lines[j])) ++j;
    *header = i;
    *end = j;
    return true;
  }
  return false;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
  if (std::optional<QStringList> lines = ReadTextLines(path_)) lines_ = std::move(*lines);
}

IniFile::IniFile(QString path, QStringList lines) : path_(std::move(path)), lines_(std::move(lines)) {}

IniFile IniFile::FromLines(QString path, QStringList lines) { return IniFile(std::move(path), std::move(lines)); }

const QString* IniFile::FindValueLine(const QString& section, const QString& key, int* lineIndex) const {
  int header = 0;
  int end = 0;
  if (!FindSection(lines_, section, &header, &end)) return nullptr;
  for (int i = header + 1; i < end; ++i) {
    if (SameName(KeyOfLine(lines_[i]), key)) {
      if (lineIndex) *lineIndex = i;
      return &lines_[i];
    }
  }
  return nullptr;
}

bool IniFile::HasKey(const QString& section, const QString& key) const {
  return FindValueLine(section, key, nullptr) != nullptr;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const QString* line = FindValueLine(section, key, nullptr);
  if (!line) return def;
  QString value = line->mid(line->indexOf(u'=') + 1).trimmed();
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == u'"' || value.front() == u'\'')) {
    value = value.mid(1, value.size() - 2);
  }
  if (value.size() > kMaxValueLength) value.truncate(kMaxValueLength);
  return value;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  int value = 0;
  return ParseIniInteger(ReadString(section, key, QString()), &value) ? value : def;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  const QString clean = OneLine(value);
  int index = -1;
  if (FindValueLine(section, key, &index)) {
    const QString& old = lines_[index];
    lines_[index] = old.left(old.indexOf(u'=') + 1) + clean;
    return;
  }
  const QString newLine = key + u'=' + clean;
  int header = 0;
  int end = 0;
  if (!FindSection(lines_, section, &header, &end)) {
    lines_.append(u'[' + section + u']');
    lines_.append(newLine);
    return;
  }
  // After the last non-blank line of the section, so blank separator lines
  // before the next section stay where they are.
  int insertAt = end;
  while (insertAt > header + 1 && lines_[insertAt - 1].trimmed().isEmpty()) --insertAt;
  lines_.insert(insertAt, newLine);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::Save() const { return WriteTextLines(path_, lines_); }

bool ParseIniInteger(const QString& text, int* value) {
  QString t = text.trimmed();
  bool negative = false;
  if (t.startsWith(u'-') || t.startsWith(u'+')) {
    negative = t.front() == u'-';
    t.remove(0, 1);
  }
  int base = 10;
  if (t.startsWith(u'$')) {
    base = 16;
    t.remove(0, 1);
  } else if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
    base = 16;
    t.remove(0, 2);
  }
  if (t.isEmpty()) return false;
  for (QChar c : t) {
    const bool digit = base == 10 ? (c >= u'0' && c <= u'9') : QStringLiteral("0123456789abcdefABCDEF").contains(c);
    if (!digit) return false;
  }
  bool ok = false;
  const qulonglong magnitude = t.toULongLong(&ok, base);
  if (!ok) return false;
  if (base == 16) {
    // Eight hex digits give the full 32 bits, as 0xFFFFFFFF = -1.
    if (magnitude > 0xFFFFFFFFull) return false;
    const quint32 bits = static_cast<quint32>(magnitude);
    *value = static_cast<int>(negative ? 0u - bits : bits);
    return true;
  }
  const qulonglong limit = negative ? qulonglong{1} << 31 : qulonglong{std::numeric_limits<int>::max()};
  if (magnitude > limit) return false;
  *value = negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
  return true;
}
