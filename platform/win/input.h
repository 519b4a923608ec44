#pragma once

// Mouse, keyboard, cursors, focus, activation, timers and time under the platform's names.

#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/win/messages.h"
#include "platform/win/win_types.h"

namespace win32 {

// Stock cursors (LoadCursorA with a null instance).
constexpr LONG_PTR IDC_ARROW = 32512;
constexpr LONG_PTR IDC_IBEAM = 32513;
constexpr LONG_PTR IDC_WAIT = 32514;
constexpr LONG_PTR IDC_CROSS = 32515;
constexpr LONG_PTR IDC_SIZENWSE = 32642;
constexpr LONG_PTR IDC_SIZENESW = 32643;
constexpr LONG_PTR IDC_SIZEWE = 32644;
constexpr LONG_PTR IDC_SIZENS = 32645;
constexpr LONG_PTR IDC_SIZEALL = 32646;
constexpr LONG_PTR IDC_NO = 32648;
constexpr LONG_PTR IDC_HAND = 32649;

// System metrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr UINT SPI_GETWORKAREA = 0x0030;

HWND SetCapture(HWND hwnd);
HWND GetCapture();
BOOL ReleaseCapture();
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
HCURSOR LoadCursorA(HINSTANCE instance, LONG_PTR name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hwnd);
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
// High bit set while the key or mouse button is down.
std::int16_t GetKeyState(int key);
std::int16_t GetAsyncKeyState(int key);
UINT GetDoubleClickTime();
int GetSystemMetrics(int index);
BOOL SystemParametersInfoA(UINT action, UINT param, void* value, UINT ini);

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC callback);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// kernel32
void Sleep(DWORD milliseconds);
DWORD GetTickCount();
BOOL GetComputerNameA(char* buffer, DWORD* size);

}  // namespace win32

namespace win {

// A cursor drawn from a picture, with its hot spot; stays valid for the desktop's life.
win32::HCURSOR CreatePictureCursor(std::shared_ptr<const gfx::Bitmap> picture,
                                   win32::POINT hot_spot);
// Runs what is due now and returns (the form engine's DoEvents).
int DoEvents();

// Input as a desktop driver delivers it: screen positions, buttons 0 left, 1 right,
// 2 middle; keys as virtual-key codes.
enum class MouseButton { kLeft = 0, kRight = 1, kMiddle = 2 };
void InjectMouseMove(int x, int y);
void InjectMouseButton(MouseButton button, bool down);
void InjectKey(win32::UINT vk, bool down);
void InjectChar(char32_t ch);

}  // namespace win
