#include "platform/desktop/headless_desktop.h"

#include "platform/win/event_loop.h"

namespace desktop {

HeadlessDesktop::HeadlessDesktop(win::DesktopSettings settings)
    : compositor_(settings.width, settings.height) {
  desktop_ = std::make_unique<win::Desktop>(settings, this);
}

HeadlessDesktop::~HeadlessDesktop() {
  desktop_.reset();
}

void HeadlessDesktop::AdvanceClock(std::uint64_t time) {
  if (time > now_) now_ = time;
}

// Actions due at the same time run one after another: the next starts when the previous
// one has returned, or while it waits in a modal loop or has slept. Pending messages pumped
// from inside an action (DoEvents in a setter) do not start it. An action due later than the
// running one began runs from whichever loop pumps when its time comes.
bool HeadlessDesktop::MayStartNested(const Timeline::Action& next) const {
  if (running_.empty()) return true;
  const Running& current = running_.back();
  if (next.due > current.due) return true;
  const win::EventLoop& loop = desktop_->loop();
  return loop.modal_depth() > current.modal_depth || loop.sleeps() > current.sleeps;
}

bool HeadlessDesktop::RunDueInput() {
  const Timeline::Action* next = timeline_.PeekDue(now_);
  if (!next || !MayStartNested(*next)) return false;
  Timeline::Action action = *timeline_.TakeDue(now_);
  running_.push_back({action.due, desktop_->loop().modal_depth(), desktop_->loop().sleeps()});
  struct Pop {
    std::vector<Running>& running;
    ~Pop() { running.pop_back(); }
  } pop{running_};
  if (action.run) action.run();
  return true;
}

void HeadlessDesktop::Run() {
  desktop_->loop().RunUntilIdle();
}

const gfx::Bitmap& HeadlessDesktop::Screen() {
  return compositor_.Compose(*desktop_);
}

bool HeadlessDesktop::SaveScreen(const std::string& path) {
  return gfx::WritePng(Screen(), path);
}

}  // namespace desktop
