#pragma once
// What the library needs shown on screen. The main window implements it;
// tests give a fake that records the calls. Each call tells the window to
// refresh its controls from the library's state.
#include <QString>

class SlideshowLibraryView {
 public:
  virtual ~SlideshowLibraryView() = default;

  // The main window's title, e.g. " Brinmora [旅行]".
  virtual void SetCaption(const QString& caption) = 0;
  // The current-slideshow caption of the options panel.
  virtual void SetCurrentSlideshowLabel(const QString& text) = 0;
  // The option controls must show SlideshowLibrary::Options() again (and apply
  // ComputeOptionControlStates and SlideTimerInterval).
  virtual void OptionsChanged() = 0;
  // The folder list rows or its current row changed (select, focus and
  // scroll to the current row; recount the check marks of the header).
  virtual void FolderListChanged() = 0;
  virtual void BgmListChanged() = 0;
  // The slideshow list rows or its selected row changed.
  virtual void CatalogChanged() = 0;
  // CurrentFolderImages or CurrentImageIndex changed (preview, image count).
  virtual void CurrentFolderImagesChanged() = 0;
  // The start hint of the preview: shown at 10, 10, width 180 with text, with
  // the image-count label cleared; or hidden.
  virtual void ShowStartHint(const QString& text) = 0;
  virtual void HideStartHint() = 0;
  // The display colours of Options() changed (the display window re-applies).
  virtual void DisplayColoursChanged() = 0;

  // Hooks for the engine and the music player; called by LoadSlideshow in
  // its order. By default they do nothing (a view without a player).
  // Step 7: no current image or music, play state stopped, shuffle histories
  // and label texts empty, list cut buffers empty.
  virtual void ResetPlayState() {}
  // Step 10: the preview's page-jump box cleared, its page field disabled.
  virtual void ResetPreviewPageJump() {}
  // Step 11: the music player's automatic start is switched off; then, when
  // music is on and LastPlayBGM names an existing file, that file is handed
  // over as the player's current media without playing (file non-empty).
  virtual void PrepareMusicPlayer(const QString& lastPlayBgm) { (void)lastPlayBgm; }
};
