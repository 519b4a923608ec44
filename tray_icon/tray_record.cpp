#include "tray_icon/tray_record.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/vb/ansi.h"

namespace quorin {

void PutTip(win32::NOTIFYICONDATAA& record, std::string_view utf8) {
  constexpr int kRoom = static_cast<int>(sizeof record.szTip) - 1;
  const std::string ansi = vb::ToAnsi(vb::AnsiPrefix(utf8, kRoom));
  const std::size_t n = std::min<std::size_t>(ansi.size(), kRoom);
  std::memset(record.szTip, 0, sizeof record.szTip);
  std::memcpy(record.szTip, ansi.data(), n);
}

win32::NOTIFYICONDATAA IconRecord(win32::HWND hwnd, win32::UINT id) {
  win32::NOTIFYICONDATAA record;
  record.cbSize = sizeof record;
  record.hWnd = hwnd;
  record.uID = id;
  return record;
}

}  // namespace quorin
