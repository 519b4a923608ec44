#pragma once

// The shell's calls under the platform's names: notification icons and ShellExecute.

#include <memory>

#include "platform/vb/std_picture.h"
#include "platform/win/win_types.h"

namespace win32 {

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

// The first, 88-byte form of the notification record: six 32-bit fields, then the tip.
struct NOTIFYICONDATAA {
  DWORD cbSize = 88;
  HWND hWnd = 0;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  HICON hIcon = 0;
  char szTip[64] = {};
};
static_assert(sizeof(NOTIFYICONDATAA) == 88);

BOOL Shell_NotifyIconA(DWORD message, const NOTIFYICONDATAA* data);
// Recorded by the desktop, never run; returns a value above 32 (success).
HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int show);

}  // namespace win32
