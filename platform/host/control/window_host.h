#pragma once

#include <string>

#include "platform/win/user32.h"

namespace host {

// An engine object with a window of its own: the engine's one window procedure finds the
// object by handle and hands it the message. The object unhooks itself before it goes away,
// so a message for a dead window reaches nobody.
class WindowHost {
 public:
  virtual ~WindowHost();

  win32::HWND window() const { return hwnd_; }
  // Messages of the window; the default is DefWindowProcA.
  virtual win32::LRESULT WindowMessage(win32::UINT msg, win32::WPARAM wparam, win32::LPARAM lparam);

  // The object owning a window of the engine, or null.
  static WindowHost* FromWindow(win32::HWND hwnd);

 protected:
  enum ClassStyle { kPlain = 0, kDoubleClicks = 1 };
  win32::HWND CreateHostWindow(win32::DWORD ex_style, const std::string& title, win32::DWORD style,
                               win32::RECT rect, win32::HWND parent,
                               ClassStyle class_style = kDoubleClicks);
  void DestroyHostWindow();

 private:
  win32::HWND hwnd_ = 0;
};

}  // namespace host
