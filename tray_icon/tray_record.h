#pragma once

#include <string_view>

#include "platform/win/shell32.h"

namespace quorin {

// The callback message the shell sends for the icon: the user-message base plus 101.
constexpr win32::UINT kTrayCallbackMessage = 1125;

// Puts a tip into the record's 64-byte field in the system code page: cut at a character
// boundary so that it fits together with its closing NUL (at most 63 bytes of text).
void PutTip(win32::NOTIFYICONDATAA& record, std::string_view utf8);

// A record for one icon of a window, with only cbSize, hWnd and uID filled in.
win32::NOTIFYICONDATAA IconRecord(win32::HWND hwnd, win32::UINT id);

}  // namespace quorin
