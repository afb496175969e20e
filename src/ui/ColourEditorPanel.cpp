#include "ui/ColourEditorPanel.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>

#include "ui/OptionBinding.h"

namespace {

QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
ColorRef ToColorRef(const QColor& c) { return MakeColorRef(c.red(), c.green(), c.blue()); }

QAction* MenuItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

ColourEditorPanel::ColourEditorPanel(OptionControls& controls, QWidget* dialogParent,
                                     std::function<void()> coloursChanged)
    : QObject(dialogParent),
      controls_(controls),
      dialogParent_(dialogParent),
      coloursChanged_(std::move(coloursChanged)),
      editor_(controls.BkColor, controls.Colours),
      popup_(new QMenu(controls.pnlColor)) {
  ChooseColour = [this](const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, dialogParent_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };

  popup_->setObjectName(QStringLiteral("PopupColor"));
  pmnCopyColor = MenuItem(popup_, "pmnCopyColor", "設定色のコピー(&C)");
  pmnPasteColor = MenuItem(popup_, "pmnPasteColor", "色の貼り付け(&V)");
  pmnCancelColor = MenuItem(popup_, "pmnCancelColor", "色の変更のキャンセル(&X)");
  popup_->addSeparator();
  pmnResetColor = MenuItem(popup_, "pmnResetColor", "初期の色に戻す(&R)");
  pmnResetAllColor = MenuItem(popup_, "pmnResetAllColor", "全て初期の色に戻す(&A)");

  QFrame* swatch = controls_.pnlColor;
  swatch->setAccessibleName(QStringLiteral("設定色"));
  swatch->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(swatch, &QWidget::customContextMenuRequested, this,
          [this, swatch](const QPoint& at) { popup_->popup(swatch->mapToGlobal(at)); });
  connect(popup_, &QMenu::aboutToShow, this, &ColourEditorPanel::PopupColorPopup);
  controls_.btnColor->setEnabled(true);
  connect(controls_.btnColor, &QPushButton::clicked, this, &ColourEditorPanel::btnColorClick);

  connect(pmnCopyColor, &QAction::triggered, this, [this] { editor_.Copy(SelectedItem()); });
  connect(pmnPasteColor, &QAction::triggered, this, [this] {
    if (editor_.Paste(SelectedItem())) Changed();
  });
  connect(pmnCancelColor, &QAction::triggered, this, [this] {
    if (editor_.Undo(SelectedItem())) Changed();
  });
  connect(pmnResetColor, &QAction::triggered, this, [this] {
    editor_.ResetItem(SelectedItem());
    Changed();
  });
  connect(pmnResetAllColor, &QAction::triggered, this, [this] {
    editor_.ResetAll();
    Changed();
  });
}

int ColourEditorPanel::SelectedItem() const { return controls_.cbColor->currentIndex(); }

void ColourEditorPanel::Changed() {
  ShowSelectedColour(controls_);
  if (coloursChanged_) coloursChanged_();
}

void ColourEditorPanel::PopupColorPopup() {
  pmnPasteColor->setVisible(editor_.CanPaste());
  pmnPasteColor->setEnabled(editor_.CanPaste());
  const bool undo = editor_.CanUndo(SelectedItem());
  pmnCancelColor->setVisible(undo);
  pmnCancelColor->setEnabled(undo);
}

void ColourEditorPanel::btnColorClick() {
  const int item = SelectedItem();
  if (item < 0) return;
  const std::optional<QColor> chosen = ChooseColour(ToQColor(editor_.ColourOf(item)));
  if (!chosen) return;
  editor_.Choose(item, ToColorRef(*chosen));
  Changed();
}
