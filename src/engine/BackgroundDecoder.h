#pragma once
// Decodes image files on a worker thread of its own, in the order asked, and
// hands each finished picture, or its error, back to the user-interface
// thread. The slide prefetch and the preview use it so that a slow decode
// never holds up key presses, timers or repaints.
//
// Every file asked for is a DecodeRequest held by the asker. Cancelling it,
// dropping it or overwriting it with a newer request (the newest wins) means
// the result is never handed back; a JPEG decode in flight stops at its next
// row instead of running to its end. Nothing here draws random numbers or
// touches state outside the request, so a picture decoded here is bit for
// bit the picture DecodeImageFile gives on the user-interface thread.
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "bitmap/FrameBitmap.h"
#include "engine/DecodeOptions.h"
#include "engine/ImageError.h"

class UiThreadPost;

struct DecodeResult {
  FrameBitmap Picture;                // empty on failure
  std::optional<ImageError> Error;    // why the file could not be decoded
};

namespace background_decode {
struct Job;
}

// One file asked of a BackgroundDecoder. Move-only; all its calls belong to
// the user-interface thread.
class DecodeRequest {
 public:
  DecodeRequest() = default;
  DecodeRequest(DecodeRequest&& other) noexcept = default;
  // The request replaced is cancelled.
  DecodeRequest& operator=(DecodeRequest&& other) noexcept;
  ~DecodeRequest();

  // Asked, and neither cancelled, taken by Wait nor handed back yet.
  bool Active() const;
  // Blocks until the picture is decoded and takes the result (its hand-back
  // will not run). A request still waiting in the queue is decoded on the
  // calling thread instead of behind older work. An inactive request gives
  // an empty result without an error.
  DecodeResult Wait();
  // Forgets the request without waiting for it.
  void Cancel();

 private:
  friend class BackgroundDecoder;
  explicit DecodeRequest(std::shared_ptr<background_decode::Job> job) : job_(std::move(job)) {}
  std::shared_ptr<background_decode::Job> job_;
};

class BackgroundDecoder {
 public:
  // Finished results are handed back through post.
  explicit BackgroundDecoder(UiThreadPost& post);
  // Cancels every request and ends the worker: a JPEG decode in flight stops
  // at its next row, any other file finishes its decode first. Nothing is
  // handed back afterwards, not even work finished before.
  ~BackgroundDecoder();
  BackgroundDecoder(const BackgroundDecoder&) = delete;
  BackgroundDecoder& operator=(const BackgroundDecoder&) = delete;

  // Run on the user-interface thread with the result of a request that is
  // still active when it finishes.
  using Done = std::function<void(DecodeResult)>;
  // Work on the decoded picture that may also run on the worker (a resample
  // for the preview); it must draw no random numbers and touch nothing but
  // the picture. It may throw ImageError like a decoder.
  using Prepare = std::function<void(FrameBitmap&)>;

  // Queues path for decoding.
  [[nodiscard]] DecodeRequest Start(const QString& path, const DecodeOptions& options, Done onDone,
                                    Prepare prepare = {});

 private:
  void Work();

  UiThreadPost& post_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::shared_ptr<background_decode::Job>> queue_;
  std::shared_ptr<background_decode::Job> running_;
  bool stopping_ = false;
  // Cleared when the decoder goes; hand-backs still queued then do nothing.
  std::shared_ptr<bool> open_ = std::make_shared<bool>(true);
  std::thread worker_;
};
