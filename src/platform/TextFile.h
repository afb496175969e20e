#pragma once
// The program's text files (INI files, list files): CP932 with CR LF line
// ends. Reading also accepts LF alone and honours a UTF-8 byte-order mark;
// writing falls back to UTF-8 with a byte-order mark when the text holds a
// character CP932 cannot represent, so nothing the user typed is lost.
// Files are replaced whole: a temporary file beside the target is written
// and renamed over it, so a failed write leaves the old file as it was.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class TextEncoding { Cp932, Utf8WithBom };

// The lines of a text file as stored bytes, before decoding. Comma text is
// split on these bytes so CP932 double-byte characters are stepped over whole.
struct RawTextLines {
  TextEncoding Encoding = TextEncoding::Cp932;
  QList<QByteArray> Lines;  // without line ends and without the byte-order mark
};

// nullopt when the file is missing or cannot be read.
std::optional<RawTextLines> ReadRawTextLines(const QString& path);
QString DecodeTextLine(const QByteArray& line, TextEncoding encoding);

// The decoded lines of a text file; nullopt when missing or unreadable.
std::optional<QStringList> ReadTextLines(const QString& path);

// The bytes a list of lines is stored as: each line ends in CR LF.
QByteArray EncodeTextLines(const QStringList& lines);

// Replaces path whole with the lines. False when it could not be written;
// the old file is then left untouched.
bool WriteTextLines(const QString& path, const QStringList& lines);

// Replaces path whole with bytes through a temporary file and a rename.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes);
