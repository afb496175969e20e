#pragma once
// The colour editor of the options panel: changes one colour item at a time,
// with a small clipboard for one colour and a one-step undo. It works on the
// live colours of the current slideshow (the screen background and the 18
// label colours); the window shows and applies them after each change.
#include "bitmap/FrameBitmap.h"
#include "library/SlideshowOptions.h"

class ColourEditor {
 public:
  ColourEditor(ColorRef& background, DisplayColours& colours) : background_(background), colours_(colours) {}

  // A slideshow was loaded: nothing copied, nothing to undo.
  void Forget();

  // The current colour of item (0 for an item outside 0..18).
  ColorRef ColourOf(int item) const;

  // A colour chosen in the colour dialog: the old one becomes the undo.
  void Choose(int item, ColorRef colour);
  // "設定色のコピー": remembers the item's colour.
  void Copy(int item);
  // "色の貼り付け": the copied colour on item (remembered for undo); false
  // when nothing has been copied.
  bool Paste(int item);
  // "色の変更のキャンセル": only the last change, and only on its own item.
  bool Undo(int item);
  // "初期の色に戻す" and "全て初期の色に戻す"; neither touches the undo.
  void ResetItem(int item);
  void ResetAll();

  bool CanPaste() const { return hasCopy_; }
  bool CanUndo(int item) const { return undoItem_ >= 0 && undoItem_ == item; }

 private:
  void Set(int item, ColorRef colour);

  ColorRef& background_;
  DisplayColours& colours_;
  ColorRef copied_ = 0;
  bool hasCopy_ = false;
  int undoItem_ = -1;
  ColorRef undoColour_ = 0;
};
