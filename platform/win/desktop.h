#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/desktop_driver.h"
#include "platform/win/win_types.h"

namespace win {

class WindowManager;
class EventLoop;
class ProcedureRegistry;
class MenuTable;
class Shell;
struct InputState;

enum class TaskbarEdge { kBottom, kTop, kLeft, kRight };

struct DesktopSettings {
  int width = 1280;
  int height = 1024;
  float twips_per_pixel = 15;
  TaskbarEdge taskbar_edge = TaskbarEdge::kBottom;
  int taskbar_size = 40;
  bool taskbar = true;
  std::string computer_name = "QUORIN-PC";
};

// One desktop: its windows, message loop, input state, menus and shell, over a driver. A
// process has one current desktop, the newest live one; the platform calls act on it (tests
// make one per test).
class Desktop {
 public:
  explicit Desktop(DesktopSettings settings = {}, DesktopDriver* driver = nullptr);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The current desktop; one with default settings is made when there is none.
  static Desktop& Current();

  const DesktopSettings& settings() const { return settings_; }
  WindowManager& windows() { return *windows_; }
  EventLoop& loop() { return *loop_; }
  ProcedureRegistry& procedures() { return *procedures_; }
  InputState& input() { return *input_; }
  MenuTable& menus() { return *menus_; }
  Shell& shell() { return *shell_; }
  DesktopDriver& driver() { return *driver_; }
  // Attaches a driver (not owned); null goes back to the built-in virtual clock.
  void SetDriver(DesktopDriver* driver);

  // The screen minus the taskbar.
  win32::RECT WorkArea() const;
  win32::RECT ScreenRect() const { return {0, 0, settings_.width, settings_.height}; }

  void Log(const std::string& line);
  const std::vector<std::string>& log_lines() const { return log_; }

 private:
  DesktopSettings settings_;
  VirtualClockDriver virtual_driver_;
  DesktopDriver* driver_;
  std::unique_ptr<ProcedureRegistry> procedures_;
  std::unique_ptr<WindowManager> windows_;
  std::unique_ptr<EventLoop> loop_;
  std::unique_ptr<InputState> input_;
  std::unique_ptr<MenuTable> menus_;
  std::unique_ptr<Shell> shell_;
  std::vector<std::string> log_;
};

}  // namespace win
