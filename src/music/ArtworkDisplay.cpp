#include "music/ArtworkDisplay.h"

#include <QFileInfo>
#include <array>

#include "bitmap/BlitBitmap.h"
#include "bitmap/TruncProduct.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageError.h"
#include "engine/Resample.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/Luma.h"
#include "filters/QuadrantSmooth.h"
#include "filters/Sharpen.h"
#include "music/ArtFlip.h"
#include "music/ArtworkView.h"
#include "music/BgmController.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

constexpr int kArtTimerMs = 20000;
constexpr int kArtSharpen = 2;       // percent
constexpr int kArtOilPaintRadius = 2;  // the catalogue's oil paint uses 3
constexpr std::array<int, 5> kArtHeights = {100, 125, 150, 175, 200};

// The back of the card for ArtEffect 2: one of six filters by r mod 6.
void FilterBack(FrameBitmap& back, int r) {
  const FilterContext context;
  switch (r % 6) {
    case 0: ApplyFilter(static_cast<int>(FilterKind::Monotone), back, context); break;
    case 1: OilPaintSmooth(back, kArtOilPaintRadius); break;
    case 2: ApplyFilter(static_cast<int>(FilterKind::Television), back, context); break;
    case 3: ApplyFilter(static_cast<int>(FilterKind::PartColor), back, context); break;
    case 4: ApplyFilter(static_cast<int>(FilterKind::Psychedelic), back, context); break;
    default: ApplyFilter(static_cast<int>(FilterKind::FakeHdr), back, context); break;
  }
}

}  // namespace

int ArtHeightOf(int artSize) {
  if (artSize < 0 || artSize >= static_cast<int>(kArtHeights.size())) return kArtHeights[2];
  return kArtHeights[static_cast<std::size_t>(artSize)];
}

ArtworkDisplay::ArtworkDisplay(BgmController& bgm, TimerFactory& timers, Clock& pacing, UserDialogs& dialogs,
                               std::function<ArtworkFacts()> facts)
    : bgm_(bgm), pacing_(pacing), dialogs_(dialogs), facts_(std::move(facts)), timer_(timers.CreateTimer()) {
  timer_->SetInterval(kArtTimerMs);
  timer_->SetHandler([this] { OnArtTimer(); });
}

void ArtworkDisplay::Hide() {
  panelWidth_ = 0;
  panelHeight_ = 0;
}

void ArtworkDisplay::Paint() {
  if (view_) view_->PaintArtwork(artBitmap_);
}

void ArtworkDisplay::Refresh() {
  const ArtworkFacts f = facts_();
  if (!f.ArtShown || !f.UseBgm || f.BgmPlayListEmpty) {
    Hide();
    timer_->Stop();
    bgm_.SetArtworkLoaded(false);
    return;
  }
  if (bgm_.ArtworkLoaded()) return;
  LoadArtwork(f);
  if (f.ArtEffect != 0 && !f.SlideshowPaused) {
    timer_->Stop();
    timer_->Start();  // the 20 seconds count from now
  }
}

void ArtworkDisplay::LoadArtwork(const ArtworkFacts& f) {
  const QString& track = bgm_.CurrentBgmFile();
  if (track.isEmpty()) {
    Hide();
    bgm_.SetArtworkLoaded(false);
    return;
  }
  const QString path = QFileInfo(track).absolutePath() + QLatin1Char('/') + f.ArtName;
  if (f.ArtName.isEmpty() || !QFileInfo(path).isFile()) {
    Hide();
    bgm_.SetArtworkLoaded(false);
    return;
  }
  FrameBitmap picture;
  try {
    picture = DecodeImageFile(path, DecodeOptions{});
  } catch (const ImageError& e) {
    // Reported once for the track: marking it loaded (with no panel) keeps
    // every later label refresh from showing the same error again.
    Hide();
    bgm_.SetArtworkLoaded(true);
    dialogs_.ShowError(e.Message());
    return;
  }
  const int S = ArtHeightOf(f.ArtSize);
  const double scale = static_cast<double>(S) / picture.Height;
  const int width = std::max(1, TruncProduct(picture.Width, scale));
  FrameBitmap sized;
  if (width == picture.Width && S == picture.Height) sized = std::move(picture);
  else if (scale < 1.0) sized = ResampleArea(picture, width, S);
  else sized = ResampleBilinear(picture, width, S);
  Sharpen(sized, kArtSharpen);

  panelWidth_ = width;
  panelHeight_ = S;
  artBitmap_.SetSize(width, S);
  artBitmap_.Fill(0xFFFFFF);
  BlitBitmap(artBitmap_, sized, (width - sized.Width) / 2, (S - sized.Height) / 2);
  Paint();
  artBack_.Assign(artBitmap_);
  ToGrey(artBack_);
  artFront_.Assign(artBitmap_);
  bgm_.SetArtworkLoaded(true);
}

FrameBitmap ArtworkDisplay::Background() const {
  FrameBitmap block(artBitmap_.Width, artBitmap_.Height);
  block.Fill(0);
  if (screen_ == nullptr || view_ == nullptr) return block;
  const LabelRect place = view_->ArtworkPlace();
  // The block of the screen at the panel's place, clipped to the screen.
  for (int y = 0; y < block.Height; ++y) {
    const int sy = place.Top + y;
    if (sy < 0 || sy >= screen_->Height) continue;
    for (int x = 0; x < block.Width; ++x) {
      const int sx = place.Left + x;
      if (sx < 0 || sx >= screen_->Width) continue;
      std::copy_n(screen_->At(sx, sy), 3, block.At(x, y));
    }
  }
  return block;
}

void ArtworkDisplay::OnArtTimer() {
  const ArtworkFacts f = facts_();
  if (!f.UseBgm) return;
  if (panelWidth_ == 0 || panelHeight_ == 0 || artBitmap_.Empty()) return;
  const int r = Random(100);
  const FrameBitmap background = Background();
  const auto repaint = [this](const FrameBitmap&) { Paint(); };
  if (bgm_.ArtworkFlipped()) {
    ArtFlip(artBitmap_, artBack_, artFront_, background, pacing_, repaint);
    bgm_.SetArtworkFlipped(false);
    return;
  }
  artBack_.Assign(artFront_);
  if (f.ArtEffect == 2) FilterBack(artBack_, r);
  ArtFlip(artBitmap_, artFront_, artBack_, background, pacing_, repaint);
  bgm_.SetArtworkFlipped(true);
}

void ArtworkDisplay::StopTimer() { timer_->Stop(); }

void ArtworkDisplay::RestartTimerAfterResume() {
  const ArtworkFacts f = facts_();
  if (f.ArtEffect == 0 || panelWidth_ == 0 || panelHeight_ == 0 || !bgm_.ArtworkLoaded()) return;
  timer_->Start();
}
