// The viewport picture painted off the GUI thread: start, watch, show or abandon.
#include <algorithm>
#include <atomic>
#include <functional>

#include "toolkit/GwDrawnButton.h"
#include "toolkit/paint/PictureThread.h"

namespace {

// How often the GUI thread looks whether the picture is done, in milliseconds.
constexpr guint kPollMilliseconds = 4;
// Widget data that is non-null while a picture is painted off the GUI thread, for tools
// that look at the screen from outside the toolkit (the end-to-end tests).
constexpr const char* kPendingKey = "dxfv-picture-pending";

}  // namespace

struct GwDrawnButton::PictureJob {
  ViewPlacement view;
  ScenePainter scene;
  std::function<void()> shown;
  std::uint64_t sceneKey = 0;
  CairoSurfacePtr picture;
  CairoSurfacePtr previous;  // the picture shown now, when it can be scrolled
  ViewPlacement previousView;
  std::atomic<bool> cancelled{false};
  std::atomic<bool> done{false};
};

std::vector<GwDrawnButton*>& GwDrawnButton::livePainters() {
  static std::vector<GwDrawnButton*> painters;
  return painters;
}

void GwDrawnButton::startPicture(const ScenePainter& scene, std::uint64_t sceneKey,
                                 const std::function<void()>& shown) {
  cancelPicture();
  auto job = std::make_shared<PictureJob>();
  job->view = placement(keptSize_);
  job->scene = scene;
  job->shown = shown;
  job->sceneKey = sceneKey;
  job->picture = newPicture(keptSize_.width, keptSize_.height);
  if (keptView_ && keptScene_ == sceneKey && isScrollOf(*keptView_, job->view)) {
    job->previous.reset(cairo_surface_reference(kept_.get()));
    job->previousView = *keptView_;
  }
  PictureThread::shared().start([job] {
    if (!job->cancelled) {
      if (job->previous) {
        scrollViewPicture(job->picture.get(), job->previous.get(), job->previousView, job->view,
                          job->scene, job->cancelled);
      } else {
        paintViewPicture(job->picture.get(), job->view, job->scene, job->cancelled);
      }
    }
    // The scene may hold the drawing: let it go before the job counts as done.
    job->scene = nullptr;
    job->done = true;
  });
  retire(std::move(job_));
  job_ = std::move(job);
  g_object_set_data(G_OBJECT(widget_), kPendingKey, GINT_TO_POINTER(1));
  pictureStarted_ = true;
  if (pollSource_ == 0) pollSource_ = g_timeout_add(kPollMilliseconds, pollPicture, this);
}

void GwDrawnButton::cancelPicture() {
  if (job_) job_->cancelled = true;
}

gboolean GwDrawnButton::pollPicture(gpointer data) {
  auto* self = static_cast<GwDrawnButton*>(data);
  if (self->job_ && !self->job_->done) {
    self->releaseRetired();
    return G_SOURCE_CONTINUE;
  }
  std::shared_ptr<PictureJob> job = std::move(self->job_);
  g_object_set_data(G_OBJECT(self->widget_), kPendingKey, nullptr);
  // Cancelled only ever on this thread, so a picture abandoned here is never shown.
  if (job && !job->cancelled) {
    self->kept_ = std::move(job->picture);
    self->keptView_ = job->view;
    self->keptScene_ = job->sceneKey;
    gtk_widget_queue_draw(self->widget_);
    if (job->shown) job->shown();
  }
  self->retire(std::move(job));
  // Watched on until the picture thread has let go of every job (and `shown` may have
  // started the next one).
  if (self->releaseRetired() && !self->job_) {
    self->pollSource_ = 0;
    return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

void GwDrawnButton::retire(std::shared_ptr<PictureJob> job) {
  if (job) retired_.push_back(std::move(job));
}

bool GwDrawnButton::releaseRetired() {
  // The picture thread lets go of a job when the job has run, or when a newer one took
  // its place before it started; then this one holds the last reference.
  std::erase_if(retired_,
                [](const std::shared_ptr<PictureJob>& job) { return job.use_count() == 1; });
  return retired_.empty();
}

void GwDrawnButton::forgetPicture() {
  cancelPicture();
  if (job_ || !retired_.empty()) PictureThread::shared().waitIdle();
  job_.reset();
  retired_.clear();
  if (pollSource_ != 0) g_source_remove(pollSource_);
  pollSource_ = 0;
  std::vector<GwDrawnButton*>& painters = livePainters();
  painters.erase(std::remove(painters.begin(), painters.end(), this), painters.end());
}

void GwDrawnButton::settle_paints() {
  bool waiting = false;
  for (GwDrawnButton* painter : livePainters()) {
    if (!painter->job_ && painter->retired_.empty()) continue;
    waiting = true;
    painter->clear_window();
  }
  if (waiting) PictureThread::shared().waitIdle();
}
