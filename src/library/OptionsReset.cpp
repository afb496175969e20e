#include "library/OptionsReset.h"

#include "library/SlideshowLibrary.h"
#include "platform/UserDialogs.h"

const QString kResetOptionsQuestion = QStringLiteral(
    "現在のスライドショーのオプションの設定を\r全て初期の値に戻します。\rよろしいですか？\r\r※ リストの内容は変更しません。");
const QString kResetOptionsDone = QStringLiteral("初期の値に戻しました。");

void ResetOptionsToDefaults(SlideshowOptions& options) {
  SlideshowOptions defaults;
  defaults.LastPlayName = options.LastPlayName;
  defaults.LastPlayDir = options.LastPlayDir;
  defaults.LastPlayBGM = options.LastPlayBGM;
  options = defaults;
}

void ResetPanelAppSettings(AppSettings& settings) {
  const AppSettings defaults;
  settings.AutoStart = false;
  settings.NoSaver = true;
  settings.WMPVol = defaults.WMPVol;
}

bool ResetAllOptions(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs,
                     const std::function<void()>& showReset) {
  if (!dialogs.AskOkCancel(kResetOptionsQuestion)) return false;
  ResetOptionsToDefaults(library.Options());
  ResetPanelAppSettings(settings);
  if (showReset) showReset();
  library.BuildCurrentFolderImages();
  dialogs.ShowInformation(kResetOptionsDone);
  return true;
}
