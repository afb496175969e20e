#include "engine/BackgroundDecoder.h"

#include <atomic>
#include <new>

#include "engine/DecodeImageFile.h"
#include "platform/UiThreadPost.h"

namespace background_decode {

struct Job {
  QString path;
  DecodeOptions options;
  BackgroundDecoder::Prepare prepare;
  std::atomic<bool> cancelled{false};

  // Which thread runs the decode, and when it is done; guarded by mutex.
  enum class Stage { Queued, Running, Done };
  std::mutex mutex;
  std::condition_variable finished;
  Stage stage = Stage::Queued;
  DecodeResult result;  // written before the stage becomes Done

  // The user-interface thread's side only.
  BackgroundDecoder::Done onDone;
  bool taken = false;
};

namespace {

// Claims a queued job for the calling thread; false when another thread has
// it already or nobody wants it any more.
bool Claim(Job& job) {
  std::lock_guard lock(job.mutex);
  if (job.stage != Job::Stage::Queued || job.cancelled.load()) return false;
  job.stage = Job::Stage::Running;
  return true;
}

void Execute(Job& job) {
  DecodeResult result;
  try {
    result.Picture = DecodeImageFile(job.path, job.options);
    if (job.prepare && !job.cancelled.load()) job.prepare(result.Picture);
  } catch (const ImageError& e) {
    result.Error = e.File().isEmpty() ? ImageError(job.path, e.Reason()) : e;
  } catch (const std::bad_alloc&) {
    result.Error = ImageError(job.path, OutOfMemoryReason());
  } catch (const std::exception& e) {
    result.Error = ImageError(job.path, QString::fromLocal8Bit(e.what()));
  }
  if (result.Error) result.Picture = FrameBitmap();
  std::lock_guard lock(job.mutex);
  job.result = std::move(result);
  job.stage = Job::Stage::Done;
  job.finished.notify_all();
}

// On the user-interface thread, once the worker has finished job.
void HandBack(const std::shared_ptr<Job>& job) {
  if (job->cancelled.load() || job->taken) return;
  job->taken = true;
  DecodeResult result;
  {
    std::lock_guard lock(job->mutex);
    result = std::move(job->result);
  }
  BackgroundDecoder::Done done = std::move(job->onDone);
  job->onDone = nullptr;
  if (done) done(std::move(result));
}

}  // namespace
}  // namespace background_decode

using background_decode::Job;

DecodeRequest& DecodeRequest::operator=(DecodeRequest&& other) noexcept {
  if (this != &other) {
    Cancel();
    job_ = std::move(other.job_);
  }
  return *this;
}

DecodeRequest::~DecodeRequest() { Cancel(); }

bool DecodeRequest::Active() const { return job_ && !job_->cancelled.load() && !job_->taken; }

DecodeResult DecodeRequest::Wait() {
  if (!Active()) {
    job_.reset();
    return {};
  }
  const std::shared_ptr<Job> job = std::move(job_);
  if (background_decode::Claim(*job)) {
    background_decode::Execute(*job);
  }
  std::unique_lock lock(job->mutex);
  job->finished.wait(lock, [&] { return job->stage == Job::Stage::Done; });
  job->taken = true;
  job->onDone = nullptr;
  return std::move(job->result);
}

void DecodeRequest::Cancel() {
  if (!job_) return;
  job_->cancelled.store(true);
  job_->onDone = nullptr;
  job_.reset();
}

BackgroundDecoder::BackgroundDecoder(UiThreadPost& post) : post_(post), worker_([this] { Work(); }) {}

BackgroundDecoder::~BackgroundDecoder() {
  *open_ = false;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    for (const auto& job : queue_) job->cancelled.store(true);
    queue_.clear();
    if (running_) running_->cancelled.store(true);
  }
  wake_.notify_all();
  worker_.join();
}

DecodeRequest BackgroundDecoder::Start(const QString& path, const DecodeOptions& options, Done onDone,
                                       Prepare prepare) {
  auto job = std::make_shared<Job>();
  job->path = path;
  job->options = options;
  job->options.Cancelled = &job->cancelled;
  job->prepare = std::move(prepare);
  job->onDone = std::move(onDone);
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(job);
  }
  wake_.notify_one();
  return DecodeRequest(std::move(job));
}

void BackgroundDecoder::Work() {
  for (;;) {
    std::shared_ptr<Job> job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      if (!background_decode::Claim(*job)) continue;
      running_ = job;
    }
    background_decode::Execute(*job);
    {
      std::lock_guard lock(mutex_);
      running_.reset();
    }
    if (!job->cancelled.load()) {
      post_.Post([job, open = open_] {
        if (*open) background_decode::HandBack(job);
      });
    }
  }
}
