#include "platform/win/internal.h"

namespace win32 {

using win::detail::Current;

namespace {

// Marks a message as sent or posted for InSendMessage while it is handled.
class DispatchScope {
 public:
  DispatchScope(win::EventLoop& loop, bool sent) : loop_(loop) { loop_.PushDispatch(sent); }
  ~DispatchScope() { loop_.PopDispatch(); }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;

 private:
  win::EventLoop& loop_;
};

LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, bool sent) {
  win::Desktop& desktop = Current();
  // The reference keeps the window alive while its procedure runs, even if it destroys it.
  win::WindowRef window = desktop.windows().Ref(hwnd);
  if (!window || desktop.windows().IsDesktop(hwnd)) return 0;
  DispatchScope scope(desktop.loop(), sent);
  const win::WindowProcedure* proc = desktop.procedures().Find(window->proc);
  if (!proc) return DefWindowProcA(hwnd, msg, wparam, lparam);
  win::WindowProcedure call = *proc;
  return call(hwnd, msg, wparam, lparam);
}

}  // namespace

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const win::WindowProcedure* found = Current().procedures().Find(proc);
  if (!found) return 0;
  win::WindowProcedure call = *found;
  return call(hwnd, msg, wparam, lparam);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Deliver(hwnd, msg, wparam, lparam, true);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  win::Desktop& desktop = Current();
  if (hwnd != 0 && !win::detail::Lookup(hwnd)) return FALSE;
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wparam;
  m.lParam = lparam;
  m.time = static_cast<DWORD>(desktop.driver().Now());
  m.pt = desktop.input().cursor;
  desktop.loop().Post(m);
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  MSG m;
  m.message = WM_QUIT;
  m.wParam = static_cast<WPARAM>(exit_code);
  Current().loop().Post(m);
}

BOOL InSendMessage() {
  return Current().loop().in_send() ? TRUE : FALSE;
}

BOOL PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT remove) {
  if (!msg) return FALSE;
  return Current().loop().Peek(msg, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND, UINT, UINT) {
  if (!msg) return FALSE;
  win::EventLoop& loop = Current().loop();
  for (;;) {
    if (loop.Peek(msg, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    if (!loop.WaitForWork()) return FALSE;
  }
}

// Characters come from the input source as their own messages, so there is nothing to make.
BOOL TranslateMessage(const MSG*) {
  return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  win::Desktop& desktop = Current();
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    // A timer with a callback runs it instead of the window procedure.
    const win::Timer* timer = desktop.loop().timers().Find(msg->hwnd, msg->wParam);
    if (!timer || !timer->callback) return 0;
    TIMERPROC callback = timer->callback;
    DispatchScope scope(desktop.loop(), false);
    callback(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  if (msg->hwnd == 0) return 0;
  LRESULT result = Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam, false);
  if (msg->message == WM_PAINT) {
    // A procedure that paints without BeginPaint would be asked again forever.
    if (win::Window* w = win::detail::Lookup(msg->hwnd)) {
      w->update.Clear();
      w->erase_pending = false;
      if (!w->frame_dirty) desktop.windows().paint_pending().erase(w->handle);
    }
  }
  return result;
}

}  // namespace win32

namespace win {

int DoEvents() {
  return Desktop::Current().loop().DoEvents();
}

}  // namespace win
