#include "engine/PreviewCounter.h"

namespace {

int CounterDigits(int count) {
  if (count >= 1 && count <= 99) return 2;
  if (count >= 100 && count <= 999) return 3;
  if (count >= 1000 && count <= 9999) return 4;
  if (count >= 10000 && count <= 99999) return 5;
  return 0;
}

}  // namespace

QString PreviewCounterText(int index, int count) {
  const int digits = CounterDigits(count);
  const int shown = index + 1;
  if (digits == 0) return QString::number(shown) + u'/' + QString::number(count);
  return QStringLiteral("%1/%2").arg(shown, digits, 10, QLatin1Char('0')).arg(count, digits, 10, QLatin1Char('0'));
}
