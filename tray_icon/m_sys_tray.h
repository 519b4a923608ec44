#pragma once

#include "platform/win/win_types.h"

namespace quorin {

class TrayIcon;

// The window-procedure module of the notification icon. An instance that shows its icon puts
// TrayWindowProc in front of its window's procedure and a key to itself into the window's
// user data; the procedure turns the shell's callback message into the instance's mouse
// events and passes every message on to the procedure that instance replaced.
namespace mSysTray {

// Registers an instance under a fresh nonzero key for the user-data slot.
win32::LONG_PTR Attach(TrayIcon& icon);
// Forgets the key; messages arriving later reach no instance.
void Detach(win32::LONG_PTR key);
// The instance a key stands for, without taking a reference; null once detached.
TrayIcon* Find(win32::LONG_PTR key);

// The procedure value of TrayWindowProc on the current desktop.
win32::WNDPROC Procedure();

win32::LRESULT TrayWindowProc(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam,
                              win32::LPARAM lParam);

}  // namespace mSysTray

}  // namespace quorin
