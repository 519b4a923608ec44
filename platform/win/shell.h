#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/vb/std_picture.h"
#include "platform/win/win_types.h"

namespace win {

class Desktop;

struct NotifyIcon {
  win32::HWND hwnd = 0;
  win32::UINT id = 0;
  win32::UINT flags = 0;  // which of message, icon and tip were ever given
  win32::UINT callback_message = 0;
  win32::HICON icon = 0;
  std::string tip;
};

struct ShellExecuteRecord {
  win32::HWND hwnd = 0;
  std::string operation;
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 0;
};

// Where the taskbar's parts are, in taskbar client coordinates.
struct TaskbarLayout {
  win32::RECT start;
  std::vector<std::pair<win32::HWND, win32::RECT>> buttons;
  win32::RECT tray;
  std::vector<win32::RECT> icons;  // in the order of Shell::icons()
  win32::RECT clock;
};

// The shell of a desktop: the taskbar window with its buttons and notification area, the
// tool tip of the notification icons, and the record of ShellExecute calls.
class Shell {
 public:
  explicit Shell(Desktop& desktop) : desktop_(desktop) {}
  // Registers the built-in window classes and creates the taskbar.
  void Start();

  win32::HWND taskbar() const { return taskbar_; }
  win32::HWND tooltip() const { return tooltip_; }
  std::vector<NotifyIcon>& icons() { return icons_; }
  std::vector<ShellExecuteRecord>& executed() { return executed_; }
  // Top-level windows that get a taskbar button, in the order they were made.
  std::vector<win32::HWND> ButtonWindows();
  TaskbarLayout Layout();
  win32::RECT DockedRect() const;

  std::shared_ptr<vb::StdPicture> FindIcon(win32::HICON icon) const;

  void WindowsChanged();
  void ForgetWindow(win32::HWND hwnd);

  // Taskbar behaviour (taskbar.cpp).
  void PaintTaskbar(win32::HWND hwnd);
  void TaskbarMouse(win32::UINT message, win32::POINT client);
  void TooltipTick();
  void PaintTooltip(win32::HWND hwnd);

 private:
  void ShowTip(std::size_t icon);
  void HideTip();

  Desktop& desktop_;
  win32::HWND taskbar_ = 0;
  win32::HWND tooltip_ = 0;
  std::vector<NotifyIcon> icons_;
  std::vector<ShellExecuteRecord> executed_;
  int hover_icon_ = -1;
  std::string tip_text_;
};

}  // namespace win
