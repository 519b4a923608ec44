#include "apps/quorin-run/window_listing.h"

#include <cstdio>

#include "apps/quorin-run/values.h"
#include "platform/win/shell.h"
#include "platform/win/user32.h"
#include "platform/win/window_manager.h"

namespace scenario {

namespace {

std::string Rect(const win32::RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top);
}

std::string Hex(win32::DWORD value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
  return buffer;
}

}  // namespace

std::vector<std::string> ListWindows(win::Desktop& desktop, const OwnerNamer& owner) {
  std::vector<std::string> lines;
  win::WindowManager& windows = desktop.windows();
  windows.ForEach([&](win::Window& w) {
    std::optional<std::string> name = owner ? owner(w.handle) : std::nullopt;
    std::string line = "window " + (name ? *name : w.window_class.name);
    line += " hwnd=" + std::to_string(w.handle);
    line += " class=" + Quote(w.window_class.name);
    line += " rect=" + Rect(windows.ScreenRect(w));
    line += std::string(" visible=") + (w.visible() ? "1" : "0");
    line += std::string(" enabled=") + (w.enabled() ? "1" : "0");
    line += " style=" + Hex(w.style);
    line += " exstyle=" + Hex(w.ex_style);
    line += " alpha=" + std::to_string(w.alpha);
    line += std::string(" topmost=") + (w.topmost() ? "1" : "0");
    line += " region=" + (w.region ? Rect(w.region->bounds()) : std::string("none"));
    line += " title=" + Quote(w.title);
    lines.push_back(std::move(line));
    return true;
  });
  return lines;
}

std::vector<std::string> ListTrayIcons(win::Desktop& desktop, const OwnerNamer& owner) {
  std::vector<std::string> lines;
  win::Shell& shell = desktop.shell();
  const win32::HWND taskbar = shell.taskbar();
  win::TaskbarLayout layout;
  if (taskbar) layout = shell.Layout();
  for (std::size_t i = 0; i < shell.icons().size(); ++i) {
    const win::NotifyIcon& icon = shell.icons()[i];
    win32::RECT r{};
    if (taskbar && i < layout.icons.size()) {
      r = layout.icons[i];
      win32::POINT origin{0, 0};
      win32::ClientToScreen(taskbar, &origin);
      win32::OffsetRect(&r, origin.x, origin.y);
    }
    std::optional<std::string> name = owner ? owner(icon.hwnd) : std::nullopt;
    std::string line = "trayicon " + (name ? *name : "hwnd" + std::to_string(icon.hwnd));
    line += " id=" + std::to_string(icon.id);
    line += " rect=" + Rect(r);
    line += " tip=" + Quote(icon.tip);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace scenario
