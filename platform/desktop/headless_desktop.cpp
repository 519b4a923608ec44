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

bool HeadlessDesktop::RunDueInput() {
  std::optional<Timeline::Action> action = timeline_.TakeDue(now_);
  if (!action) return false;
  if (action->run) action->run();
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
