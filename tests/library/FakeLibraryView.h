#pragma once
// Records what the library asked the window to show.
#include <QString>
#include <QStringList>

#include "library/SlideshowLibraryView.h"

class FakeLibraryView final : public SlideshowLibraryView {
 public:
  void SetCaption(const QString& text) override {
    caption = text;
    calls.append("caption");
  }
  void SetCurrentSlideshowLabel(const QString& text) override { label = text; }
  void OptionsChanged() override { calls.append("options"); }
  void FolderListChanged() override { calls.append("folders"); }
  void BgmListChanged() override { calls.append("bgms"); }
  void CatalogChanged() override { calls.append("catalog"); }
  void CurrentFolderImagesChanged() override { calls.append("images"); }
  void ShowStartHint(const QString& text) override {
    hint = text;
    hintShown = true;
  }
  void HideStartHint() override { hintShown = false; }
  void DisplayColoursChanged() override { calls.append("colours"); }
  void ResetPlayState() override { calls.append("reset"); }
  void ResetPreviewPageJump() override { calls.append("pagejump"); }
  void PrepareMusicPlayer(const QString& file) override {
    calls.append("music");
    handedOverBgm = file;
  }

  QStringList calls;
  QString caption;
  QString label;
  QString hint;
  bool hintShown = false;
  QString handedOverBgm = "<never>";
};
