#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/win/win_types.h"
#include "platform/win/window.h"

namespace win {

using WindowProcedure =
    std::function<win32::LRESULT(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM)>;

// Window procedures by their handle values, and the registered window classes.
class ProcedureRegistry {
 public:
  ProcedureRegistry();

  win32::WNDPROC Register(WindowProcedure procedure);
  const WindowProcedure* Find(win32::WNDPROC value) const;
  // The value standing for DefWindowProcA.
  win32::WNDPROC default_procedure() const { return default_; }

  bool RegisterClass(const WindowClass& window_class);
  bool UnregisterClass(const std::string& name);
  // Class names compare without regard to case.
  const WindowClass* FindClass(const std::string& name) const;
  std::size_t class_count() const { return classes_.size(); }

 private:
  std::map<win32::WNDPROC, WindowProcedure> procedures_;
  std::map<std::string, WindowClass> classes_;  // by lower-case name
  win32::WNDPROC next_ = 0x401000;
  win32::WNDPROC default_ = 0;
};

std::string LowerCase(std::string text);

}  // namespace win
