#include "platform/CommaText.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace {

bool IsBlank(unsigned code) { return code >= 1 && code <= 32; }

// The splitting rules over a sequence of code units. code(line, i) is the
// unit at i; charLength(line, i) how many units the character at i spans
// (2 for a CP932 double-byte character).
template <typename Text, typename Code, typename CharLength>
QList<Text> SplitFields(Text line, Code code, CharLength charLength) {
  QList<Text> fields;
  // A NUL ends the text, as it would for the C strings the format grew up with.
  for (qsizetype k = 0; k < line.size(); ++k) {
    if (code(line, k) == 0) {
      line.truncate(k);
      break;
    }
  }
  const qsizetype n = line.size();
  bool hasComma = false;
  for (qsizetype k = 0; k < n && !hasComma; ++k) hasComma = code(line, k) == ',';
  if (!hasComma) {
    fields.append(line);
    return fields;
  }

  qsizetype i = 0;
  auto at = [&](qsizetype k) { return code(line, k); };
  auto step = [&](qsizetype k) { return std::min<qsizetype>(charLength(line, k), n - k); };
  auto skipBlanks = [&] {
    while (i < n && IsBlank(at(i))) ++i;
  };
  skipBlanks();
  while (i < n) {
    Text field;
    if (at(i) == '"') {
      ++i;
      while (i < n) {
        if (at(i) == '"') {
          if (i + 1 < n && at(i + 1) == '"') {
            field.append(line[i]);
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        const qsizetype len = step(i);
        field.append(line.mid(i, len));
        i += len;
      }
    } else {
      while (i < n && at(i) > 32 && at(i) != ',') {
        const qsizetype len = step(i);
        field.append(line.mid(i, len));
        i += len;
      }
    }
    fields.append(field);
    skipBlanks();
    if (i < n && at(i) == ',') {
      if (i + 1 == n) fields.append(Text());  // a comma at the very end
      ++i;
      skipBlanks();
    }
  }
  return fields;
}

}  // namespace

QString QuoteCommaField(const QString& field) {
  bool needsQuotes = false;
  for (QChar c : field) {
    const char16_t u = c.unicode();
    if ((u >= 1 && u <= 32) || u == u'"' || u == u',') {
      needsQuotes = true;
      break;
    }
  }
  if (!needsQuotes) return field;
  QString quoted = field;
  quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString JoinCommaText(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& f : fields) quoted.append(QuoteCommaField(f));
  return quoted.join(QLatin1Char(','));
}

QList<QByteArray> SplitCommaTextBytes(const QByteArray& line) {
  return SplitFields(
      line, [](const QByteArray& l, qsizetype i) { return unsigned{static_cast<unsigned char>(l[i])}; },
      [](const QByteArray& l, qsizetype i) {
        return IsCp932LeadByte(static_cast<unsigned char>(l[i])) ? qsizetype{2} : qsizetype{1};
      });
}

QStringList SplitCommaText(const QString& line) {
  return SplitFields(
      line, [](const QString& l, qsizetype i) { return unsigned{l[i].unicode()}; },
      [](const QString& l, qsizetype i) { return l[i].isHighSurrogate() ? qsizetype{2} : qsizetype{1}; });
}
