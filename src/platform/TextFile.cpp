#include "platform/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/Cp932.h"

namespace {
const QByteArray kUtf8Bom("\xEF\xBB\xBF");
}

std::optional<RawTextLines> ReadRawTextLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;

  RawTextLines result;
  if (bytes.startsWith(kUtf8Bom)) {
    result.Encoding = TextEncoding::Utf8WithBom;
    bytes.remove(0, kUtf8Bom.size());
  }
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    QByteArray line = bytes.mid(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    result.Lines.append(line);
    start = end + 1;
  }
  return result;
}

QString DecodeTextLine(const QByteArray& line, TextEncoding encoding) {
  return encoding == TextEncoding::Utf8WithBom ? QString::fromUtf8(line) : DecodeCp932(line);
}

std::optional<QStringList> ReadTextLines(const QString& path) {
  std::optional<RawTextLines> raw = ReadRawTextLines(path);
  if (!raw) return std::nullopt;
  QStringList lines;
  lines.reserve(raw->Lines.size());
  for (const QByteArray& line : raw->Lines) lines.append(DecodeTextLine(line, raw->Encoding));
  return lines;
}

QByteArray EncodeTextLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  bool ok = true;
  QByteArray bytes = EncodeCp932(text, &ok);
  if (ok) return bytes;
  return kUtf8Bom + text.toUtf8();
}

bool WriteTextLines(const QString& path, const QStringList& lines) {
  return ReplaceFileContents(path, EncodeTextLines(lines));
}

bool ReplaceFileContents(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered, so a short write (full disk) is seen here and not lost in a
  // flush at commit.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
