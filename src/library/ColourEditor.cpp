#include "library/ColourEditor.h"

#include "library/ColourItems.h"

void ColourEditor::Forget() {
  hasCopy_ = false;
  undoItem_ = -1;
  undoColour_ = 0;
}

ColorRef ColourEditor::ColourOf(int item) const {
  const ColorRef* colour = ColourOfItem(item, background_, colours_);
  return colour ? *colour : 0;
}

void ColourEditor::Set(int item, ColorRef colour) {
  if (ColorRef* target = ColourOfItem(item, background_, colours_)) *target = colour;
}

void ColourEditor::Choose(int item, ColorRef colour) {
  if (item < 0 || item >= kColourItemCount) return;
  undoItem_ = item;
  undoColour_ = ColourOf(item);
  Set(item, colour);
}

void ColourEditor::Copy(int item) {
  if (item < 0 || item >= kColourItemCount) return;
  copied_ = ColourOf(item);
  hasCopy_ = true;
}

bool ColourEditor::Paste(int item) {
  if (!hasCopy_ || item < 0 || item >= kColourItemCount) return false;
  Choose(item, copied_);
  return true;
}

bool ColourEditor::Undo(int item) {
  if (!CanUndo(item)) return false;
  Set(item, undoColour_);
  undoItem_ = -1;
  undoColour_ = 0;
  return true;
}

void ColourEditor::ResetItem(int item) { Set(item, DefaultColourOfItem(item)); }

void ColourEditor::ResetAll() {
  background_ = 0;
  colours_ = DisplayColours{};
}
