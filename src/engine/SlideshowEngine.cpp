#include "engine/SlideshowEngine.h"

#include <QFileInfo>

#include "display/DisplaySurface.h"
#include "display/ExifLines.h"
#include "display/MusicLabel.h"
#include "filters/DrawShuffleFilter.h"
#include "transitions/IncreaseFilterChoice.h"
#include "library/OptionItems.h"
#include "library/SlideshowLibrary.h"

namespace {

// The row of the list that is the n-th marked row (counting from 0), or -1.
int RowOfMarked(const QList<ListEntry>& rows, int n) {
  int marked = 0;
  for (int row = 0; row < rows.size(); ++row) {
    if (!rows[row].IsChecked) continue;
    if (marked++ == n) return row;
  }
  return -1;
}

}  // namespace

SlideshowEngine::SlideshowEngine(SlideshowLibrary& library, MusicPlayer& player, SlideshowWindows windows)
    : library_(library),
      player_(player),
      windows_(std::move(windows)),
      env_{*windows_.Dialogs, windows_.Progress, [this] { return windows_.Display->IsShowing(); },
           [] { /* the slideshow control moves on to the next folder itself */ }},
      show_(*windows_.Surface, *windows_.Dialogs, *windows_.Pacing, exif_),
      pile_(*windows_.Surface, *windows_.Pacing, *windows_.Dialogs) {
  exif_.OnError = [](int) { return false; };  // metadata failures are silent
  if (windows_.Post) {
    decoder_ = std::make_unique<BackgroundDecoder>(*windows_.Post);
    show_.Decoder = decoder_.get();
  }

  BgmControllerHooks hooks;
  hooks.refreshLabels = [this] { labels_->LayOutLabels(); };
  hooks.showPlayState = [this](const QString& text) { windows_.Boxes->SetBoxText(LabelBox::State, text); };
  hooks.stopArtworkTimer = [this] { artwork_->StopTimer(); };
  hooks.setTimerReady = [this](bool ready) { control_->SetTimerReady(ready); };
  hooks.slideshowPaused = [this] { return control_->State() == PlayState::Paused; };
  bgm_ = std::make_unique<BgmController>(player_, lists_, *windows_.Timers, std::move(hooks));

  labels_ = std::make_unique<LabelController>(
      [this]() -> SlideshowOptions& { return library_.Options(); }, [this] { return CurrentLabelFacts(); },
      *windows_.Measure, *windows_.Boxes, *windows_.Timers, *windows_.Pacing);

  artwork_ = std::make_unique<ArtworkDisplay>(*bgm_, *windows_.Timers, *windows_.Pacing, *windows_.Dialogs, [this] {
    const SlideshowOptions& o = Options();
    ArtworkFacts f;
    f.ArtShown = o.Art;
    f.UseBgm = o.UseBGM;
    f.BgmPlayListEmpty = lists_.BgmPlayList.isEmpty();
    f.SlideshowPaused = control_ && control_->State() == PlayState::Paused;
    f.ArtName = o.ArtName;
    f.ArtSize = o.ArtSize;
    f.ArtEffect = o.ArtEffect;
    return f;
  });
  artwork_->SetView(windows_.Artwork);
  artwork_->SetScreen(&show_.ScreenBitmap);

  show_.Position = [this] {
    return ImageShowPosition{&lists_.ImagePlayList, lists_.FolderPlayIndex, lists_.CurrentImageIndex,
                             control_->FolderChangeInProgress()};
  };
  show_.PlanNext = [this] { return control_->PlanNextSlide(); };
  show_.LayOutLabels = [this] { labels_->LayOutLabels(); };
  show_.ShowWithIncrease = [this](ImageShow& show) {
    const SlideshowOptions& o = Options();
    pile_.ShowWithIncrease(show, IncreaseSettings{o.PhotoLongSize, o.IncFrame, o.IncRotate, increaseFilter_});
  };

  SlideControlPorts ports;
  ports.PlayLists = this;
  ports.Pictures = this;
  ports.Effects = this;
  ports.Music = this;
  ports.Preview = this;
  ports.Display = windows_.Display;
  ports.Labels = labels_.get();
  ports.Shell = windows_.Shell;
  ports.Saver = windows_.Saver;
  ports.Dialogs = windows_.Dialogs;
  ports.Timers = windows_.Timers;
  ports.Options = [this]() -> const SlideshowOptions& { return Options(); };
  control_ = std::make_unique<SlideControl>(std::move(ports));
}

SlideshowEngine::~SlideshowEngine() = default;

const SlideshowOptions& SlideshowEngine::Options() const { return library_.Options(); }

// ---- play lists -------------------------------------------------------------

int SlideshowEngine::FolderListRowCount() const { return static_cast<int>(library_.Folders().size()); }

int SlideshowEngine::MarkedFolderRowCount() const {
  int n = 0;
  for (const ListEntry& e : library_.Folders()) n += e.IsChecked ? 1 : 0;
  return n;
}

bool SlideshowEngine::StartPlayLists() {
  const SlideshowOptions& o = Options();
  PlayListSources sources;
  sources.Folders = library_.Folders();
  sources.Bgms = library_.Bgms();
  if (windows_.SelectedFolderRows) sources.SelectedFolderRows = windows_.SelectedFolderRows();
  if (windows_.SelectedBgmRows) sources.SelectedBgmRows = windows_.SelectedBgmRows();
  sources.FolderOrder = o.cbDir;
  sources.ImageOrder = o.cbImg;
  sources.MusicOrder = o.cbBGM;
  sources.UseBgm = o.UseBGM;
  sources.SlideshowFolder = library_.CurrentSlideshowFolder();
  sources.PreviewImageIndex = library_.CurrentImageIndex();
  savedPreviewPosition_ = library_.CurrentImageIndex();
  lists_ = PlayLists{};
  if (!::StartPlayLists(lists_, sources, env_)) return false;
  bgm_->SetUseBgm(o.UseBGM);
  bgm_->SetOrder(o.cbBGM);
  bgm_->SetBgmListHasRows(!library_.Bgms().isEmpty());
  return true;
}

bool SlideshowEngine::FolderExists(int index) const {
  if (index < 0 || index >= lists_.FolderPlayList.size()) return false;
  return QFileInfo(lists_.FolderPlayList[index]).isDir();
}

bool SlideshowEngine::BuildImagePlayList() {
  ::BuildImagePlayList(lists_, Options().cbImg, env_);
  return !lists_.ImagePlayList.isEmpty();
}

QString SlideshowEngine::PeekFirstBuiltImage(int folderIndex) const {
  return ::PeekFirstBuiltImage(lists_, folderIndex, Options().cbImg);
}

void SlideshowEngine::ReshuffleAllImages() {
  ::ReshuffleAllImages(lists_, *windows_.Loading, *windows_.Dialogs);
}

void SlideshowEngine::SetCurrentImageIndex(int index) {
  lists_.CurrentImageIndex = index;
  if (control_->State() == PlayState::Idle) library_.SetCurrentImageIndex(index);
}

// ---- pictures ---------------------------------------------------------------

void SlideshowEngine::UpdateShowSettings() {
  const QSize m = windows_.MonitorSize();
  show_.Settings.MonitorWidth = m.width();
  show_.Settings.MonitorHeight = m.height();
  show_.Settings.Background = Options().BkColor;
  show_.Settings.ActiveFilter = control_->ActiveFilter();
  show_.Settings.ActiveTransition = control_->ActiveTransition();
  show_.Settings.IncFrame = Options().IncFrame;
  show_.Settings.SlideshowRunning = control_->State() != PlayState::Idle;
}

void SlideshowEngine::ShowCurrentImage() {
  UpdateShowSettings();
  show_.ShowCurrentImage();
}

void SlideshowEngine::ClearScreenAfterStop() {
  const QSize m = windows_.MonitorSize();
  show_.ScreenBitmap.SetSize(m.width(), m.height());
  show_.ScreenBitmap.Fill(Options().BkColor);
  windows_.Surface->PresentFrame(show_.ScreenBitmap);
  show_.ReleaseScreens();
  pile_.Release();
}

// ---- effects ----------------------------------------------------------------

int SlideshowEngine::FilterSelectorPosition() const { return Options().ImgEffect; }
int SlideshowEngine::TransitionSelectorPosition() const { return Options().SlideEffect; }

void SlideshowEngine::ShowEffects(int filter, int transition) {
  if (windows_.ShowEffects) windows_.ShowEffects(filter, transition);
}

int SlideshowEngine::DrawShuffleFilter() {
  FilterChecks checks{};
  const auto& imgCheck = Options().ImgCheck;
  for (std::size_t i = 0; i < checks.size() && i < imgCheck.size(); ++i) checks[i] = imgCheck[i];
  int drawn = control_->ActiveFilter();  // the alternation with "なし" looks at it
  ::DrawShuffleFilter(filterBag_, checks, drawn, [this] { windows_.Dialogs->ProcessPendingMessages(); });
  filterDrawnNow_ = drawn;
  return drawn;
}

int SlideshowEngine::DrawShuffleTransition() {
  TransitionChecks checks{};
  const auto& slideCheck = Options().SlideCheck;
  for (std::size_t i = 0; i < checks.size() && i < slideCheck.size(); ++i) checks[i] = slideCheck[i];
  const int drawn = ::DrawShuffleTransition(transitions_, checks, show_.HasPreviousScreen, windows_.Dialogs);
  // The pile filter must suit the image filter of the coming images: the one
  // drawn at this same effect change, else the one in force.
  const int imageFilter = filterDrawnNow_ >= 0 ? filterDrawnNow_ : control_->ActiveFilter();
  filterDrawnNow_ = -1;
  if (drawn == static_cast<int>(TransitionKind::Increase)) {
    FilterChecks increaseChecks{};
    const auto& incCheck = Options().IncreaseCheck;
    for (std::size_t i = 0; i < increaseChecks.size() && i < incCheck.size(); ++i) increaseChecks[i] = incCheck[i];
    increaseFilter_ = DrawIncreaseFilter(increaseFilterBag_, increaseChecks, imageFilter);
  }
  return drawn;
}

void SlideshowEngine::EmptyEffectBags() {
  filterBag_.clear();
  transitions_.TransitionBag.clear();
  // A new slideshow starts a new round, from the pile filters checked now.
  increaseFilterBag_.clear();
  filterDrawnNow_ = -1;
}

void SlideshowEngine::SetIncreaseFilterFromOptions() { increaseFilter_ = Options().IncreaseIdx; }

// ---- music ------------------------------------------------------------------

bool SlideshowEngine::MusicActive() const { return Options().UseBGM && !library_.Bgms().isEmpty(); }

void SlideshowEngine::StartBgm() { bgm_->StartBgm(); }

void SlideshowEngine::StopMusicTimers() {
  bgm_->TimerBGM().Stop();
  bgm_->TimerBGMPlayTime().Stop();
  artwork_->StopTimer();
}

void SlideshowEngine::ReturnBgmListAfterStop() {
  const int order = Options().cbBGM;
  if (order == kOrderFromSelected || order == kOrderLoopOrAll) {
    const int row = RowOfMarked(library_.Bgms(), lists_.BgmPlayIndex);
    if (row >= 0) {
      library_.SetCurrentBgmIndex(row);
      if (windows_.SelectBgmRow) windows_.SelectBgmRow(row);
    }
  }
  lists_.BgmPlayList.clear();
  lists_.BgmPlayIndex = 0;
}

// ---- preview ----------------------------------------------------------------

void SlideshowEngine::SelectFolderRowOfPlayIndex(int folderPlayIndex) {
  const int row = RowOfMarked(library_.Folders(), folderPlayIndex);
  if (row < 0) return;
  library_.SetCurrentFolderIndex(row);
  if (windows_.SelectFolderRow) windows_.SelectFolderRow(row);
}

void SlideshowEngine::BuildCurrentFolderImages() {
  library_.BuildCurrentFolderImages();
  lists_.ImagePlayList = library_.CurrentFolderImages();
}

void SlideshowEngine::RecordLastPlayed(const QString& name, const QString& dir, const QString& bgm) {
  SlideshowOptions& o = library_.Options();
  o.LastPlayName = name;
  o.LastPlayDir = dir;
  o.LastPlayBGM = bgm;
}

void SlideshowEngine::RefreshPreview() {
  if (windows_.RefreshPreview) windows_.RefreshPreview();
}

// ---- labels -----------------------------------------------------------------

void SlideshowEngine::RefreshExifCache(const QString& file) {
  if (file == exifFile_) return;
  exifFile_ = file;
  exifLines_.clear();
  exifDate_.clear();
  if (file.isEmpty() || !exif_.IsExifJpeg(file)) return;
  try {
    exifLines_ = BuildExifLines(exif_, file);
    exifDate_ = exif_.AsciiValue(36867, kExifIfd);
  } catch (const std::exception&) {
    // A broken tag shows no Exif box and the file date instead.
    exifLines_.clear();
    exifDate_.clear();
  }
}

LabelFacts SlideshowEngine::CurrentLabelFacts() {
  const SlideshowOptions& o = Options();
  LabelFacts f;
  const QSize m = windows_.MonitorSize();
  f.MW = m.width();
  f.MH = m.height();
  f.DisplayShowing = windows_.Display->IsShowing();
  f.SlideshowName = library_.CurrentName();
  f.CurrentImageFile = show_.CurrentImageFile();
  f.CurrentImageIndex = lists_.CurrentImageIndex;
  f.ImageCount = static_cast<int>(lists_.ImagePlayList.size());
  f.FolderPlayIndex = lists_.FolderPlayIndex;
  f.FolderCount = static_cast<int>(lists_.FolderPlayList.size());
  f.UseBgm = o.UseBGM;
  f.BgmPlayListEmpty = lists_.BgmPlayList.isEmpty();
  f.PlayerHoldsFile = !player_.Url().isEmpty();
  if (o.UseBGM && !f.BgmPlayListEmpty) {
    const QString& file = bgm_->CurrentBgmFile();
    if (file != bgmTitleFile_ || lists_.BgmPlayIndex != bgmTitleIndex_) {
      bgmTitleFile_ = file;
      bgmTitleIndex_ = lists_.BgmPlayIndex;
      bgmTitle_ = file.isEmpty() ? QString()
                                 : BgmTitleText(file, bgmTitleIndex_,
                                                static_cast<int>(lists_.BgmPlayList.size()), o.TitleTag);
    }
    f.BgmTitle = bgmTitle_;
    f.StateLayoutText = BgmStateLayoutText(player_.State(), o.cbBGM);
    f.StateText = bgm_->PlayStateText();
  }
  // The artwork is shown, hidden or loaded as part of a layout that is made.
  const bool musicOn = o.UseBGM && !f.BgmPlayListEmpty;
  if (o.UseLabel && f.DisplayShowing && !(musicOn && !f.PlayerHoldsFile)) artwork_->Refresh();
  f.ArtWidth = artwork_->PanelWidth();
  f.ArtHeight = artwork_->PanelHeight();
  if (o.Exif || o.Date) {
    RefreshExifCache(f.CurrentImageFile);
    f.ExifLines = exifLines_;
    f.ExifDateTimeOriginal = exifDate_;
  }
  return f;
}
