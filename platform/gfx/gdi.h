#pragma once

// The drawing layer's calls under the platform's own names and constants.

#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/types.h"

namespace win32 {

// Region combination modes and results.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// DrawEdge edges and flags.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = 0x000F;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Objects.
HGDIOBJ GetStockObject(int index);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH GetSysColorBrush(int index);
HPEN CreatePen(int style, int width, COLORREF color);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
// Selects a copy of the region (device coordinates) as the clip region; 0 removes it.
int SelectClipRgn(HDC hdc, HRGN region);

// Device contexts and bitmaps.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC hdc, POINT* origin);

// Colours and modes.
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

// Pixels, lines and rectangles.
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL LineTo(HDC hdc, int x, int y);
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
BOOL DrawFocusRect(HDC hdc, const RECT* rect);
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);
// Outline with the pen, inside filled with the brush; right and bottom excluded.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);

// Block transfers; negative destination or source sizes mirror.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy,
                int src_width, int src_height, DWORD rop);

}  // namespace win32
