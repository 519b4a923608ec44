#include "tests/platform/win/win_fixture.h"

#include <map>
#include <sstream>

#include "platform/win/messages.h"

namespace win_test {

std::string MessageName(UINT message) {
  static const std::map<UINT, const char*> names = {{WM_CREATE, "WM_CREATE"},
                                                    {WM_DESTROY, "WM_DESTROY"},
                                                    {WM_MOVE, "WM_MOVE"},
                                                    {WM_SIZE, "WM_SIZE"},
                                                    {WM_ACTIVATE, "WM_ACTIVATE"},
                                                    {WM_SETFOCUS, "WM_SETFOCUS"},
                                                    {WM_KILLFOCUS, "WM_KILLFOCUS"},
                                                    {WM_ENABLE, "WM_ENABLE"},
                                                    {WM_SETTEXT, "WM_SETTEXT"},
                                                    {WM_PAINT, "WM_PAINT"},
                                                    {WM_CLOSE, "WM_CLOSE"},
                                                    {WM_ERASEBKGND, "WM_ERASEBKGND"},
                                                    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
                                                    {WM_SETCURSOR, "WM_SETCURSOR"},
                                                    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
                                                    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
                                                    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                                                    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                                                    {WM_NCCREATE, "WM_NCCREATE"},
                                                    {WM_NCDESTROY, "WM_NCDESTROY"},
                                                    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                                                    {WM_NCHITTEST, "WM_NCHITTEST"},
                                                    {WM_NCPAINT, "WM_NCPAINT"},
                                                    {WM_NCACTIVATE, "WM_NCACTIVATE"},
                                                    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
                                                    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
                                                    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
                                                    {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
                                                    {WM_KEYDOWN, "WM_KEYDOWN"},
                                                    {WM_KEYUP, "WM_KEYUP"},
                                                    {WM_CHAR, "WM_CHAR"},
                                                    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                                                    {WM_SYSKEYUP, "WM_SYSKEYUP"},
                                                    {WM_COMMAND, "WM_COMMAND"},
                                                    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
                                                    {WM_TIMER, "WM_TIMER"},
                                                    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                    {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                                                    {WM_RBUTTONUP, "WM_RBUTTONUP"},
                                                    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                                                    {WM_MOVING, "WM_MOVING"},
                                                    {WM_SIZING, "WM_SIZING"},
                                                    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
                                                    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
                                                    {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
                                                    {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
                                                    {WM_INITMENU, "WM_INITMENU"},
                                                    {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
                                                    {WM_MENUSELECT, "WM_MENUSELECT"},
                                                    {WM_USER, "WM_USER"}};
  auto it = names.find(message);
  if (it != names.end()) return it->second;
  std::ostringstream out;
  out << "0x" << std::hex << message;
  return out.str();
}

MessageRecorder::MessageRecorder() {
  WNDPROC proc = win::Desktop::Current().procedures().Register(
      [this](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
        log_.push_back({hwnd, msg, InSendMessage() ? Kind::kSent : Kind::kPosted, wparam, lparam});
        LRESULT result = 0;
        if (on_message && on_message(hwnd, msg, wparam, lparam, &result)) return result;
        return DefWindowProcA(hwnd, msg, wparam, lparam);
      });
  WNDCLASSA wc;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = "LogWindow";
  wc.hbrBackground = 15 + 1;
  RegisterClassA(&wc);
  wc.style = CS_DBLCLKS;
  wc.lpszClassName = "LogWindowDbl";
  RegisterClassA(&wc);
}

HWND MessageRecorder::Make(DWORD style, RECT r, HWND parent, DWORD ex_style,
                           const char* class_name) {
  return CreateWindowExA(ex_style, class_name, "Test", style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, parent, 0, 0, nullptr);
}

std::vector<Received> MessageRecorder::Log(HWND hwnd, const std::set<UINT>& watch) const {
  std::vector<Received> out;
  for (const Received& r : log_) {
    if (hwnd && r.hwnd != hwnd) continue;
    if (!watch.empty() && !watch.count(r.message)) continue;
    out.push_back(r);
  }
  return out;
}

void MessageRecorder::ExpectSequence(HWND hwnd, const std::vector<Expect>& expected,
                                     const char* what) const {
  std::set<UINT> watch;
  for (const Expect& e : expected) watch.insert(e.message);
  std::vector<Received> got = Log(hwnd, watch);
  bool same = got.size() == expected.size();
  for (std::size_t i = 0; same && i < got.size(); ++i) {
    same = got[i].message == expected[i].message && got[i].kind == expected[i].kind;
  }
  if (same) return;
  auto kind = [](Kind k) { return k == Kind::kSent ? "sent" : "posted"; };
  std::ostringstream out;
  out << what << ": message sequence differs\n  expected                          | received\n";
  for (std::size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
    std::string left =
        i < expected.size() ? MessageName(expected[i].message) + " " + kind(expected[i].kind) : "";
    std::string right = i < got.size() ? MessageName(got[i].message) + " " + kind(got[i].kind) : "";
    bool differs = left != right;
    out << (differs ? "! " : "  ") << left
        << std::string(34 - std::min<size_t>(34, left.size()), ' ') << "| " << right << "\n";
  }
  ADD_FAILURE() << out.str();
}

}  // namespace win_test
