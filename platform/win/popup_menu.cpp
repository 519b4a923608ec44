#include <cctype>
#include <memory>

#include "platform/win/internal.h"
#include "platform/win/menus.h"
#include "platform/win/popup_window.h"

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;
using win::menu::Level;

namespace {

// An open pop-up menu and the submenus opened from it, answering the mouse and keyboard.
class MenuSession {
 public:
  MenuSession(HMENU menu, HWND owner, bool notify) : root_(menu), owner_(owner), notify_(notify) {}
  ~MenuSession() { CloseAbove(-1); }
  MenuSession(const MenuSession&) = delete;
  MenuSession& operator=(const MenuSession&) = delete;

  bool Open(int x, int y) {
    auto level = std::make_unique<Level>();
    if (!win::menu::OpenLevel(*level, root_, x, y, owner_)) return false;
    levels_.push_back(std::move(level));
    return true;
  }
  HWND root_window() const { return levels_.empty() ? 0 : levels_[0]->window; }
  bool done() const { return done_ || levels_.empty() || !Lookup(owner_); }
  void Dismiss() { done_ = true; }
  UINT_PTR chosen() const { return chosen_; }

  bool Filter(const MSG& msg) {
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE:
        Hover(msg.pt);
        return true;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_NCRBUTTONDOWN:
      case WM_NCMBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDBLCLK:
        if (LevelAt(msg.pt) < 0) done_ = true;  // a click outside dismisses
        return true;
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP:
      case WM_RBUTTONUP:
      case WM_NCRBUTTONUP: {
        bool left = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        int depth = LevelAt(msg.pt);
        if ((left || right_button) && depth >= 0) Choose(depth, ItemAt(depth, msg.pt));
        return true;
      }
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        Key(static_cast<UINT>(msg.wParam));
        return true;
      case WM_CHAR:
      case WM_SYSCHAR:
        Letter(static_cast<char>(msg.wParam & 0xFF));
        return true;
      case WM_KEYUP:
      case WM_SYSKEYUP:
        return true;
      default:
        return false;
    }
  }

  bool right_button = false;

 private:
  int top() const { return static_cast<int>(levels_.size()) - 1; }
  int ItemAt(int depth, POINT pt) const { return win::menu::ItemAt(*levels_[depth], pt); }

  int LevelAt(POINT pt) const {
    for (int d = top(); d >= 0; --d) {
      if (win::menu::Contains(*levels_[d], pt)) return d;
    }
    return -1;
  }

  void CloseAbove(int depth) {
    while (top() > depth) {
      win::menu::CloseLevel(*levels_.back());
      levels_.pop_back();
    }
  }

  void Highlight(int depth, int index) {
    Level& level = *levels_[depth];
    if (index == level.highlight) return;
    win::menu::SetHighlight(level, index);
    if (notify_ && index >= 0) {
      SendMessageA(owner_, WM_MENUSELECT, static_cast<WPARAM>(level.items[index].id) & 0xFFFF,
                   static_cast<LPARAM>(level.menu));
    }
  }

  void OpenSubmenu(int depth, bool select_first) {
    Level& level = *levels_[depth];
    int index = level.highlight;
    if (index < 0 || !win::menu::OpensSubmenu(level.items[index]) ||
        !win::menu::Selectable(level.items[index])) {
      return;
    }
    CloseAbove(depth);
    RECT item = win::menu::ItemScreenRect(level, index);
    RECT outer;
    GetWindowRect(level.window, &outer);
    auto sub = std::make_unique<Level>();
    HMENU menu = static_cast<HMENU>(level.items[index].id);
    if (notify_) SendMessageA(owner_, WM_INITMENUPOPUP, menu, index);
    if (!win::menu::OpenLevel(*sub, menu, outer.right - 3, item.top - 3, owner_, &outer)) return;
    levels_.push_back(std::move(sub));
    if (select_first) Step(1);
  }

  void Choose(int depth, int index) {
    if (index < 0) return;
    const win::MenuItem& item = levels_[depth]->items[index];
    if (!win::menu::Selectable(item)) return;
    if (win::menu::OpensSubmenu(item)) {
      Highlight(depth, index);
      OpenSubmenu(depth, false);
      return;
    }
    chosen_ = item.id;
    done_ = true;
  }

  void Hover(POINT pt) {
    int depth = LevelAt(pt);
    if (depth < 0) return;
    int index = ItemAt(depth, pt);
    if (index == levels_[depth]->highlight && depth == top()) return;
    Highlight(depth, index);
    if (index != levels_[depth]->highlight) return;
    if (depth < top() && (index < 0 || static_cast<HMENU>(levels_[depth]->items[index].id) !=
                                           levels_[depth + 1]->menu)) {
      CloseAbove(depth);
    }
    if (depth == top()) OpenSubmenu(depth, false);
  }

  void Step(int direction) {
    Level& level = *levels_[top()];
    int n = static_cast<int>(level.items.size());
    int i = level.highlight < 0 && direction < 0 ? n : level.highlight;
    for (int tries = 0; tries < n; ++tries) {
      i = (i + direction + n) % n;
      if (!(level.items[i].flags & MF_SEPARATOR)) break;
    }
    Highlight(top(), i);
  }

  void Key(UINT vk) {
    switch (vk) {
      case VK_ESCAPE:
        if (top() > 0) {
          CloseAbove(top() - 1);
        } else {
          done_ = true;
        }
        break;
      case VK_LEFT:
        if (top() > 0) CloseAbove(top() - 1);
        break;
      case VK_RIGHT:
        OpenSubmenu(top(), true);
        break;
      case VK_UP:
        Step(-1);
        break;
      case VK_DOWN:
        Step(1);
        break;
      case VK_RETURN:
        Choose(top(), levels_[top()]->highlight);
        break;
      default:
        break;
    }
  }

  void Letter(char c) {
    char key = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Level& level = *levels_[top()];
    for (std::size_t i = 0; i < level.items.size(); ++i) {
      if (win::menu::AccessKey(level.items[i].text) == key &&
          win::menu::Selectable(level.items[i])) {
        Highlight(top(), static_cast<int>(i));
        Choose(top(), static_cast<int>(i));
        return;
      }
    }
  }

  HMENU root_;
  HWND owner_;
  bool notify_;
  std::vector<std::unique_ptr<Level>> levels_;
  UINT_PTR chosen_ = 0;
  bool done_ = false;
};

}  // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  win::Desktop& desktop = Current();
  win::Menu* found = desktop.menus().Find(menu);
  if (!found || !Lookup(owner) || found->items.empty()) return FALSE;
  if (found->system_owner) GetSystemMenu(found->system_owner, FALSE);
  bool system = found->system_owner != 0;
  bool notify = !(flags & TPM_NONOTIFY);
  if (notify) {
    SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageA(owner, WM_INITMENU, menu, 0);
    SendMessageA(owner, WM_INITMENUPOPUP, menu, system ? 0x10000 : 0);
    if (!desktop.menus().Find(menu) || !Lookup(owner)) return FALSE;
  }
  UINT_PTR chosen = 0;
  {
    MenuSession session(menu, owner, notify);
    session.right_button = (flags & TPM_RIGHTBUTTON) != 0;
    if (!session.Open(x, y)) return FALSE;
    HWND root = session.root_window();
    SetCapture(root);
    win::ModalLoop loop;
    loop.name = "pop-up menu";
    loop.done = [&] { return session.done(); };
    loop.dismiss = [&] { session.Dismiss(); };
    loop.filter = [&](const MSG& msg) { return session.Filter(msg); };
    desktop.loop().RunModal(loop);
    // The menu took the mouse from whoever had it; nobody gets it back when it closes.
    if (GetCapture() == root) ReleaseCapture();
    chosen = session.chosen();
  }
  if (notify && Lookup(owner)) SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen && Lookup(owner)) {
    PostMessageA(owner, system ? WM_SYSCOMMAND : WM_COMMAND, chosen, 0);
  }
  return chosen ? TRUE : FALSE;
}

}  // namespace win32

namespace win::detail {

void ShowSystemMenu(win32::HWND hwnd, win32::POINT at) {
  win32::HMENU menu = win32::GetSystemMenu(hwnd, win32::FALSE);
  if (!menu) return;
  win32::BOOL command =
      win32::TrackPopupMenu(menu, win32::TPM_RETURNCMD, at.x, at.y, 0, hwnd, nullptr);
  if (command && Lookup(hwnd)) {
    win32::SendMessageA(hwnd, win32::WM_SYSCOMMAND, static_cast<win32::WPARAM>(command), 0);
  }
}

}  // namespace win::detail
