#include "tray_icon/m_sys_tray.h"

#include <map>

#include "platform/host/control/placement.h"
#include "platform/win/desktop.h"
#include "platform/win/procedures.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "tray_icon/tray_icon.h"
#include "tray_icon/tray_record.h"

namespace quorin::mSysTray {

namespace {

using Plain = win32::LRESULT (*)(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM);

// Instances that show their icon, by the key kept in their window's user data. The table
// holds no references: an instance detaches itself before it goes away.
std::map<win32::LONG_PTR, TrayIcon*>& Table() {
  static std::map<win32::LONG_PTR, TrayIcon*> table;
  return table;
}

win32::LONG_PTR g_next_key = 1;

bool IsTrayProcedure(win32::WNDPROC value) {
  const win::WindowProcedure* procedure = win::Desktop::Current().procedures().Find(value);
  const Plain* target = procedure ? procedure->target<Plain>() : nullptr;
  return target && *target == &TrayWindowProc;
}

}  // namespace

win32::LONG_PTR Attach(TrayIcon& icon) {
  const win32::LONG_PTR key = g_next_key++;
  Table()[key] = &icon;
  return key;
}

void Detach(win32::LONG_PTR key) {
  Table().erase(key);
}

TrayIcon* Find(win32::LONG_PTR key) {
  auto it = Table().find(key);
  return it == Table().end() ? nullptr : it->second;
}

win32::WNDPROC Procedure() {
  // One registration per desktop; a value left from an earlier desktop is checked first.
  static win32::WNDPROC value = 0;
  if (!value || !IsTrayProcedure(value)) {
    value = win::Desktop::Current().procedures().Register(&TrayWindowProc);
  }
  return value;
}

win32::LRESULT TrayWindowProc(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam,
                              win32::LPARAM lParam) {
  TrayIcon* icon = Find(win32::GetWindowLongA(hwnd, win32::GWL_USERDATA));
  // The procedure this instance replaced; without an instance the window's default one.
  win32::WNDPROC previous = icon ? icon->PreviousProcedure() : 0;
  if (!previous) previous = win::Desktop::Current().procedures().default_procedure();
  if (msg == kTrayCallbackMessage && icon) {
    // A handler may unload the form and with it the instance: keep it alive meanwhile.
    auto keep = host::KeepAlive(*icon);
    icon->Notify(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
  }
  return win32::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

}  // namespace quorin::mSysTray
