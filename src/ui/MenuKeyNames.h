#pragma once
// The key names the program's menus show beside their items: "Enter", "Esc",
// "Space", arrows as "←" "→" "↑" "↓", modifiers as "Ctrl+", "Shift+", "Alt+",
// instead of the toolkit's English names ("Return", "Left", ...).
#include <QKeySequence>
#include <QProxyStyle>
#include <QString>

// The caption of a key combination, e.g. "Ctrl+←", "Enter", "Alt+F4".
QString KeyCaption(const QKeySequence& key);

// A menu item's text as the toolkit lays it out ("caption\tShortcut") with
// the shortcut part in the program's key names; text without one is returned as it is.
QString MenuTextWithKeyNames(const QString& textAndShortcut);

// Draws the menus it is set on with the program's key names.
class KeyNameMenuStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
};
