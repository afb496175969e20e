#pragma once
// The two step buttons under the preview and the jump to an image number.
#include <QString>

// The jump number field and its up-down control (1..9999).
struct PreviewJump {
  bool On = false;      // "プレビュー画像ジャンプ先指定"
  QString FieldText;    // what the number field holds, typed or not
  int Position = 1;     // the up-down control's position
};

struct PreviewStep {
  int Index = 0;        // the image to show
  QString FieldText;    // the number field afterwards
  int Position = 1;     // the up-down control afterwards
};

inline constexpr int kPreviewJumpMax = 9999;

// "前の画像": one image back, from the first to the last. count > 0.
int PreviousPreviewIndex(int index, int count);

// "次の画像、又はジャンプ先の画像": with the jump off, one image on, from the last
// back to the first. With the jump on, the typed number (a text that is no
// number in 1..9999 is replaced by the control's position); a number past
// the last image shows the last image and both controls take that number.
// count > 0.
PreviewStep NextPreviewStep(int index, int count, const PreviewJump& jump);
