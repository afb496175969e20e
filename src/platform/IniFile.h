#pragma once
// An INI file of [Section] lines and Key=Value lines with the semantics of
// the Windows private-profile functions: a missing file, section or key reads
// as the caller's default; a write replaces an existing value in place,
// appends a missing key at the end of its section and a missing section at
// the end of the file. Section and key names compare ignoring letter case.
//
// The file is read once when the object is made; writes change the lines in
// memory and Save() replaces the file whole, so a failed save leaves the old
// file as it was.
#include <QString>
#include <QStringList>

#include "platform/TextFile.h"

class IniFile {
 public:
  // Reads path if it exists; a missing or unreadable file is an empty one.
  explicit IniFile(QString path);
  // An in-memory file with the given lines (tests, parsing).
  static IniFile FromLines(QString path, QStringList lines);

  const QString& Path() const { return path_; }
  const QStringList& Lines() const { return lines_; }

  // The value, trimmed, without enclosing quotation marks, at most 2047
  // characters; the default when the section or key is missing.
  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Decimal, or hexadecimal with a 0x or $ prefix; anything else gives def.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  // Read as an integer: non-zero is true; unparsable gives def.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  bool HasKey(const QString& section, const QString& key) const;

  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);

  // Replaces the file whole with the current lines; false when it could not
  // be written.
  bool Save() const;

 private:
  IniFile(QString path, QStringList lines);
  const QString* FindValueLine(const QString& section, const QString& key, int* lineIndex) const;

  QString path_;
  QStringList lines_;
};

// Parses an INI integer: decimal with an optional sign, or hexadecimal after
// 0x, 0X or $. False for anything else (including out-of-range numbers).
bool ParseIniInteger(const QString& text, int* value);
