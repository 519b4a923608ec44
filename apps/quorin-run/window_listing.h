#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/desktop.h"

namespace scenario {

// Names the owner of a window (a form, control or element path); nullopt when unknown.
using OwnerNamer = std::function<std::optional<std::string>(win32::HWND)>;

// One `window` line per window of the desktop, top of the z-order first and children after
// their parent: owner (or class), handle, class, screen rectangle, visibility, enabled state,
// styles, opacity, topmost, region bounds in window coordinates (or none) and title.
std::vector<std::string> ListWindows(win::Desktop& desktop, const OwnerNamer& owner);

// One `trayicon` line per notification icon, in the taskbar's order: the owner of the window
// that registered it, its id, its screen rectangle (0,0,0,0 without a taskbar) and its tip.
std::vector<std::string> ListTrayIcons(win::Desktop& desktop, const OwnerNamer& owner);

}  // namespace scenario
