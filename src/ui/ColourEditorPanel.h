#pragma once
// The window side of the colour editor: the colour item selector, the swatch
// with its context menu (PopupColor) and "色の選択...". The editing rules are
// ColourEditor's; after each change the owner applies the colours.
#include <QColor>
#include <QObject>
#include <functional>
#include <optional>

#include "library/ColourEditor.h"
#include "ui/OptionControls.h"

class QAction;
class QMenu;
class QWidget;

class ColourEditorPanel final : public QObject {
 public:
  // coloursChanged runs after every change of a colour.
  ColourEditorPanel(OptionControls& controls, QWidget* dialogParent, std::function<void()> coloursChanged);

  ColourEditor& Editor() { return editor_; }
  QMenu* PopupColor() const { return popup_; }

  // The colour dialog; replaceable so tests need no modal dialog. Returns
  // nothing when the user cancels.
  std::function<std::optional<QColor>(const QColor& initial)> ChooseColour;

  QAction* pmnCopyColor = nullptr;
  QAction* pmnPasteColor = nullptr;
  QAction* pmnCancelColor = nullptr;
  QAction* pmnResetColor = nullptr;
  QAction* pmnResetAllColor = nullptr;

  // Menu opening: paste and undo are offered only when they can act.
  void PopupColorPopup();
  void btnColorClick();

 private:
  int SelectedItem() const;
  void Changed();

  OptionControls& controls_;
  QWidget* dialogParent_;
  std::function<void()> coloursChanged_;
  ColourEditor editor_;
  QMenu* popup_;
};
