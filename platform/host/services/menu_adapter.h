#pragma once

#include <memory>

#include "platform/host/form/menu.h"
#include "platform/win/user32.h"

namespace host {

// Shows the visible items of a menu as the window system's pop-up menu at a screen point and
// waits; returns the chosen item, or null when the menu was dismissed. Items that have
// items of their own are shown greyed: the window system's pop-up has no cascades.
std::shared_ptr<VB::Menu> TrackMenu(VB::Menu& menu, win32::POINT screen, win32::HWND owner,
                                    std::int32_t flags);

}  // namespace host
