#pragma once
// The option controls of the main window, by the names the options use. The
// panel builders create them; OptionBinding moves SlideshowOptions in and out.
#include "bitmap/FrameBitmap.h"
#include "library/SlideshowOptions.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

struct OptionControls {
  // " 基本オプション "
  QSpinBox* udInterval = nullptr;
  QComboBox* cbUnit = nullptr;
  QCheckBox* chkUseLabel = nullptr;
  QComboBox* cbDir = nullptr;
  QComboBox* cbImg = nullptr;
  QCheckBox* chkUseLimit = nullptr;
  QSpinBox* udLimitNum = nullptr;
  QLabel* lblLimitUnit = nullptr;
  QComboBox* cbBGM = nullptr;
  QCheckBox* chkUseBGM = nullptr;
  QComboBox* cbFilter = nullptr;
  QComboBox* cbTransition = nullptr;

  // エフェクト
  QListWidget* clbFilter = nullptr;
  QListWidget* clbTransition = nullptr;
  QComboBox* cbChangeTiming = nullptr;
  QSpinBox* udChangeNum = nullptr;
  QLabel* lblChangeNum = nullptr;
  QLabel* lblChangeNumUnit = nullptr;
  QComboBox* cbIncrease = nullptr;
  QListWidget* clbIncrease = nullptr;
  QComboBox* cbIncFrame = nullptr;
  QSpinBox* udPhotoLongSize = nullptr;
  QCheckBox* chkIncRotate = nullptr;

  // ラベル
  QCheckBox* chkSlideName = nullptr;
  QCheckBox* chkGName = nullptr;
  QCheckBox* chkNum = nullptr;
  QCheckBox* chkDate = nullptr;
  QCheckBox* chkBGMName = nullptr;
  QCheckBox* chkState = nullptr;
  QCheckBox* chkArt = nullptr;
  QLineEdit* edtArtName = nullptr;
  QComboBox* cbArtSize = nullptr;
  QComboBox* cbArtEffect = nullptr;
  QCheckBox* chkClock = nullptr;
  QCheckBox* chkExif = nullptr;
  QCheckBox* chkGuide = nullptr;
  QComboBox* cbSelectGName = nullptr;
  QComboBox* cbGGroupPos = nullptr;
  QComboBox* cbTitleTag = nullptr;

  // 配色/環境設定
  QComboBox* cbColor = nullptr;
  QFrame* pnlColor = nullptr;
  QPushButton* btnColor = nullptr;
  QCheckBox* chkAutoStart = nullptr;
  QCheckBox* chkNoSaver = nullptr;

  // The colours the colour editor works on (the display window takes them
  // over once it exists); BkColor also paints the preview.
  ColorRef BkColor = 0;
  DisplayColours Colours;
};
