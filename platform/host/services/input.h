#pragma once

#include <functional>
#include <string_view>

#include "platform/host/control/control.h"
#include "platform/win/user32.h"

namespace host {

// The engine's input dispatch for one of its windows. Mouse: MouseDown, MouseUp, Click;
// a double click gives MouseDown, MouseUp, Click, DblClick, MouseUp; the target of a press
// (a windowless element under the cursor, or the window's own object) keeps the mouse until
// every button is up. Keyboard: KeyDown, KeyPress, KeyUp on the focused object; Tab, access
// keys and the default and cancel buttons go to the form. Focus: GotFocus and LostFocus,
// with EnterFocus before and ExitFocus after them for the user controls the focus enters or
// leaves. Every handler runs through the error dispatch; objects stay alive meanwhile, and a
// target that dies in a handler gets no further events. Returns true when it handled the
// message and sets *result.
bool HandleInput(InputTarget& self, Container* windowless, win32::HWND hwnd, win32::UINT msg,
                 win32::WPARAM wparam, win32::LPARAM lparam, win32::LRESULT* result);

// Gives the focus to a control (to its first focusable element when it is a user control
// whose elements take the focus).
bool FocusControl(Control& control);

// Runs one event procedure of a target: "Prefix_Event" for error reports. False when the
// target is no longer alive afterwards.
bool RaiseOn(InputTarget& target, std::string_view event, const std::function<void()>& handler);

// The engine's Shift argument for the keys held now.
std::int16_t ShiftState();

}  // namespace host
