#include "ui/AppFont.h"

#include <QApplication>

namespace {
const QString kFace = QStringLiteral("ＭＳ Ｐゴシック");
}

void InstallAppFont() {
  QFont::insertSubstitutions(kFace, {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
  QApplication::setFont(AppFont());
}

QFont AppFont(int pixelSize) {
  QFont font(kFace);
  if (pixelSize > 0)
    font.setPixelSize(pixelSize);
  else
    font.setPointSize(9);
  return font;
}
