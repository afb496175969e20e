#include "ui/MenuKeyNames.h"

#include <QStyleOptionMenuItem>

namespace {

QString KeyName(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("Enter");
    case Qt::Key_Escape: return QStringLiteral("Esc");
    case Qt::Key_Space: return QStringLiteral("Space");
    case Qt::Key_Left: return QStringLiteral("←");
    case Qt::Key_Right: return QStringLiteral("→");
    case Qt::Key_Up: return QStringLiteral("↑");
    case Qt::Key_Down: return QStringLiteral("↓");
    default: return QKeySequence(key).toString(QKeySequence::PortableText);
  }
}

}  // namespace

QString KeyCaption(const QKeySequence& key) {
  QStringList parts;
  for (int i = 0; i < key.count(); ++i) {
    const QKeyCombination combination = key[i];
    const Qt::KeyboardModifiers m = combination.keyboardModifiers();
    QString text;
    if (m & Qt::ControlModifier) text += QStringLiteral("Ctrl+");
    if (m & Qt::ShiftModifier) text += QStringLiteral("Shift+");
    if (m & Qt::AltModifier) text += QStringLiteral("Alt+");
    if (m & Qt::MetaModifier) text += QStringLiteral("Meta+");
    parts << text + KeyName(combination.key());
  }
  return parts.join(QStringLiteral(", "));
}

QString MenuTextWithKeyNames(const QString& textAndShortcut) {
  const qsizetype tab = textAndShortcut.indexOf(QLatin1Char('\t'));
  if (tab < 0) return textAndShortcut;
  const QKeySequence key = QKeySequence::fromString(textAndShortcut.mid(tab + 1), QKeySequence::NativeText);
  if (key.isEmpty()) return textAndShortcut;
  return textAndShortcut.left(tab + 1) + KeyCaption(key);
}

void KeyNameMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (element == CE_MenuItem) {
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
      QStyleOptionMenuItem renamed = *item;
      renamed.text = MenuTextWithKeyNames(item->text);
      QProxyStyle::drawControl(element, &renamed, painter, widget);
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

QSize KeyNameMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                         const QWidget* widget) const {
  if (type == CT_MenuItem) {
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
      QStyleOptionMenuItem renamed = *item;
      renamed.text = MenuTextWithKeyNames(item->text);
      return QProxyStyle::sizeFromContents(type, &renamed, size, widget);
    }
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}
