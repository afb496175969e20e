#include "engine/PreviewNavigation.h"

int PreviousPreviewIndex(int index, int count) {
  const int previous = index - 1;
  return previous < 0 ? count - 1 : previous;
}

PreviewStep NextPreviewStep(int index, int count, const PreviewJump& jump) {
  PreviewStep step{index, jump.FieldText, jump.Position};
  if (jump.On) {
    bool isNumber = false;
    const int typed = jump.FieldText.trimmed().toInt(&isNumber);
    if (isNumber && typed >= 1 && typed <= kPreviewJumpMax) {
      step.Position = typed;
    } else {
      step.FieldText = QString::number(jump.Position);
    }
    step.Index = step.Position - 1;
  } else {
    step.Index = index + 1;
  }
  if (step.Index > count - 1) {
    if (jump.On) {
      step.Index = count - 1;
      step.Position = count;
      step.FieldText = QString::number(count);
    } else {
      step.Index = 0;
    }
  }
  return step;
}
