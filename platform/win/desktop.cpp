#include "platform/win/desktop.h"

#include <vector>

#include "platform/vb/units.h"
#include "platform/win/event_loop.h"
#include "platform/win/input_state.h"
#include "platform/win/menus.h"
#include "platform/win/procedures.h"
#include "platform/win/shell.h"
#include "platform/win/window_manager.h"

namespace win {

namespace {
// Live desktops in the order they were made; the newest is the current one.
std::vector<Desktop*> g_desktops;
std::unique_ptr<Desktop> g_fallback;
}  // namespace

Desktop::Desktop(DesktopSettings settings, DesktopDriver* driver)
    : settings_(std::move(settings)), driver_(driver ? driver : &virtual_driver_) {
  if (settings_.width < 1) settings_.width = 1;
  if (settings_.height < 1) settings_.height = 1;
  if (settings_.twips_per_pixel <= 0) settings_.twips_per_pixel = 15;
  if (settings_.taskbar_size < 0) settings_.taskbar_size = 0;
  g_desktops.push_back(this);
  vb::SetDisplay({settings_.twips_per_pixel, settings_.twips_per_pixel});
  procedures_ = std::make_unique<ProcedureRegistry>();
  windows_ = std::make_unique<WindowManager>(*this);
  loop_ = std::make_unique<EventLoop>(*this);
  input_ = std::make_unique<InputState>();
  input_->cursor = {settings_.width / 2, settings_.height / 2};
  menus_ = std::make_unique<MenuTable>();
  shell_ = std::make_unique<Shell>(*this);
  shell_->Start();
}

Desktop::~Desktop() {
  std::erase(g_desktops, this);
  if (!g_desktops.empty()) {
    float twips = g_desktops.back()->settings_.twips_per_pixel;
    vb::SetDisplay({twips, twips});
  }
}

Desktop& Desktop::Current() {
  if (g_desktops.empty()) g_fallback = std::make_unique<Desktop>();
  return *g_desktops.back();
}

void Desktop::SetDriver(DesktopDriver* driver) {
  std::uint64_t now = driver_->Now();
  driver_ = driver ? driver : &virtual_driver_;
  driver_->AdvanceClock(now);
}

win32::RECT Desktop::WorkArea() const {
  win32::RECT work = ScreenRect();
  if (!settings_.taskbar) return work;
  int size = settings_.taskbar_size;
  switch (settings_.taskbar_edge) {
    case TaskbarEdge::kBottom:
      work.bottom -= size;
      break;
    case TaskbarEdge::kTop:
      work.top += size;
      break;
    case TaskbarEdge::kLeft:
      work.left += size;
      break;
    case TaskbarEdge::kRight:
      work.right -= size;
      break;
  }
  return work;
}

void Desktop::Log(const std::string& line) {
  log_.push_back(line);
  driver_->Log(line);
}

}  // namespace win
