#include "ui/OptionBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "library/OptionControlStates.h"
#include "library/ColourItems.h"

namespace {

template <std::size_t N>
void ShowChecks(QListWidget* list, const std::array<bool, N>& checks) {
  for (int i = 0; i < list->count() && i < static_cast<int>(N); ++i)
    list->item(i)->setCheckState(checks[i] ? Qt::Checked : Qt::Unchecked);
}

template <std::size_t N>
void CollectChecks(const QListWidget* list, std::array<bool, N>& checks) {
  for (int i = 0; i < list->count() && i < static_cast<int>(N); ++i)
    checks[i] = list->item(i)->checkState() == Qt::Checked;
}

QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

void ShowOptions(OptionControls& c, const SlideshowOptions& o) {
  c.udInterval->setValue(o.Interval);
  c.cbUnit->setCurrentIndex(o.Unit);
  c.chkUseLabel->setChecked(o.UseLabel);
  c.cbDir->setCurrentIndex(o.cbDir);
  c.cbImg->setCurrentIndex(o.cbImg);
  c.chkUseLimit->setChecked(o.UseLimit);
  c.udLimitNum->setValue(o.LimitNum);
  c.cbBGM->setCurrentIndex(o.cbBGM);
  c.chkUseBGM->setChecked(o.UseBGM);
  c.cbFilter->setCurrentIndex(o.ImgEffect);
  c.cbTransition->setCurrentIndex(o.SlideEffect);

  ShowChecks(c.clbFilter, o.ImgCheck);
  ShowChecks(c.clbTransition, o.SlideCheck);
  c.cbChangeTiming->setCurrentIndex(o.TimingIdx);
  c.udChangeNum->setValue(o.ChangeNum);
  c.cbIncrease->setCurrentIndex(o.IncreaseIdx);
  ShowChecks(c.clbIncrease, o.IncreaseCheck);
  c.cbIncFrame->setCurrentIndex(o.IncFrame);
  c.udPhotoLongSize->setValue(o.PhotoLongSize);
  c.chkIncRotate->setChecked(o.IncRotate);

  c.chkSlideName->setChecked(o.SlideName);
  c.chkGName->setChecked(o.GName);
  c.chkNum->setChecked(o.Num);
  c.chkDate->setChecked(o.Date);
  c.chkBGMName->setChecked(o.BGMName);
  c.chkState->setChecked(o.State);
  c.chkArt->setChecked(o.Art);
  c.edtArtName->setText(o.ArtName);
  c.cbArtSize->setCurrentIndex(o.ArtSize);
  c.cbArtEffect->setCurrentIndex(o.ArtEffect);
  c.chkClock->setChecked(o.Clock);
  c.chkExif->setChecked(o.Exif);
  c.chkGuide->setChecked(o.Guide);
  c.cbSelectGName->setCurrentIndex(o.SelectGName);
  c.cbGGroupPos->setCurrentIndex(o.GGroupPos);
  c.cbTitleTag->setCurrentIndex(o.TitleTag);

  c.BkColor = o.BkColor;
  c.Colours = o.Colours;
  c.cbColor->setCurrentIndex(0);
  ShowSelectedColour(c);
  ApplyOptionControlStates(c);
}

void CollectOptions(const OptionControls& c, SlideshowOptions& o) {
  o.Interval = c.udInterval->value();
  o.Unit = c.cbUnit->currentIndex();
  o.UseLabel = c.chkUseLabel->isChecked();
  o.cbDir = c.cbDir->currentIndex();
  o.cbImg = c.cbImg->currentIndex();
  o.UseLimit = c.chkUseLimit->isChecked();
  o.LimitNum = c.udLimitNum->value();
  o.cbBGM = c.cbBGM->currentIndex();
  o.UseBGM = c.chkUseBGM->isChecked();
  o.ImgEffect = c.cbFilter->currentIndex();
  o.SlideEffect = c.cbTransition->currentIndex();

  CollectChecks(c.clbFilter, o.ImgCheck);
  CollectChecks(c.clbTransition, o.SlideCheck);
  o.TimingIdx = c.cbChangeTiming->currentIndex();
  o.ChangeNum = c.udChangeNum->value();
  o.IncreaseIdx = c.cbIncrease->currentIndex();
  CollectChecks(c.clbIncrease, o.IncreaseCheck);
  o.IncFrame = c.cbIncFrame->currentIndex();
  o.PhotoLongSize = c.udPhotoLongSize->value();
  o.IncRotate = c.chkIncRotate->isChecked();

  o.SlideName = c.chkSlideName->isChecked();
  o.GName = c.chkGName->isChecked();
  o.Num = c.chkNum->isChecked();
  o.Date = c.chkDate->isChecked();
  o.BGMName = c.chkBGMName->isChecked();
  o.State = c.chkState->isChecked();
  o.Art = c.chkArt->isChecked();
  o.ArtName = c.edtArtName->text();
  o.ArtSize = c.cbArtSize->currentIndex();
  o.ArtEffect = c.cbArtEffect->currentIndex();
  o.Clock = c.chkClock->isChecked();
  o.Exif = c.chkExif->isChecked();
  o.Guide = c.chkGuide->isChecked();
  o.SelectGName = c.cbSelectGName->currentIndex();
  o.GGroupPos = c.cbGGroupPos->currentIndex();
  o.TitleTag = c.cbTitleTag->currentIndex();

  o.BkColor = c.BkColor;
  o.Colours = c.Colours;
}

void ShowAppOptions(OptionControls& c, const AppSettings& settings) {
  // A copy: the boxes' handlers may write into the very settings shown.
  const bool autoStart = settings.AutoStart;
  const bool noSaver = settings.NoSaver;
  c.chkAutoStart->setChecked(autoStart);
  c.chkNoSaver->setChecked(noSaver);
}

void CollectAppOptions(const OptionControls& c, AppSettings& settings) {
  settings.AutoStart = c.chkAutoStart->isChecked();
  settings.NoSaver = c.chkNoSaver->isChecked();
}

void ApplyOptionControlStates(OptionControls& c) {
  SlideshowOptions shown;
  CollectOptions(c, shown);
  const OptionControlStates states = ComputeOptionControlStates(shown);
  c.cbDir->setEnabled(states.FolderOrderEnabled);
  c.chkUseLimit->setEnabled(states.UseLimitEnabled);
  c.udLimitNum->setEnabled(states.LimitNumEnabled);
  c.lblLimitUnit->setEnabled(states.LimitNumEnabled);
  c.udChangeNum->setEnabled(states.ChangeNumEnabled);
  c.lblChangeNum->setEnabled(states.ChangeNumEnabled);
  c.lblChangeNumUnit->setEnabled(states.ChangeNumEnabled);
}

void ShowSelectedColour(OptionControls& c) {
  ColorRef* colour = ColourOfItem(c.cbColor->currentIndex(), c.BkColor, c.Colours);
  QPalette palette = c.pnlColor->palette();
  palette.setColor(QPalette::Window, colour ? ToQColor(*colour) : QColor(Qt::transparent));
  c.pnlColor->setPalette(palette);
}
