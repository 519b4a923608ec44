// Services for the application around the skinned form: owned child forms, shifting the
// form's controls below the title bar, the window title and the computer name.

#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/input.h"
#include "platform/win/user32.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr float kShiftRight = 75;  // twips (5 px)
constexpr float kShiftDown = 450;  // twips (30 px, the title bar)

}  // namespace

void QuorinSkin::ShowChild(vb::ObjectRef IpForm) {
  const vb::Variant args[] = {std::int16_t{0}, vb::Variant(vb::ObjectRef(MyForm()))};
  host::CallMethod(host::AsObject(IpForm), "Show", args);
  ++m_ChildCount;
}

void QuorinSkin::CloseChildForm() {
  if (m_ChildCount > 0) --m_ChildCount;
}

void QuorinSkin::ContainerCheck() {
  host::Skipping([&] {
    const win32::HWND form_window = container() ? container()->ChildWindow() : 0;
    auto parent = Parent();
    auto* form = dynamic_cast<VB::Form*>(parent.get());
    if (!form) throw vb::Error(vb::kTypeMismatch);
    const std::vector<host::ObjectPtr> items = form->Controls().items();
    for (const host::ObjectPtr& item : items) {
      // Objects without a container or a position (menus, lines) are passed over; the walk
      // goes on to the controls after them.
      host::Skipping([&] {
        vb::ObjectRef holder = host::GetProperty(*item, "Container").ToObject();
        if (!holder) return;
        const auto hwnd =
            static_cast<win32::HWND>(host::GetProperty(host::AsObject(holder), "hwnd").ToLong());
        if (hwnd != form_window) return;
        const float left = host::GetProperty(*item, "Left").ToSingle();
        const float top = host::GetProperty(*item, "Top").ToSingle();
        host::LetProperty(*item, "Left", left + kShiftRight);
        host::LetProperty(*item, "Top", top + kShiftDown);
      });
    }
  });
}

std::string QuorinSkin::GetCompName() const {
  char buffer[256];
  std::fill(std::begin(buffer), std::end(buffer), ' ');
  win32::DWORD size = 255;
  if (!win32::GetComputerNameA(buffer, &size)) return {};
  return std::string(buffer, std::min<win32::DWORD>(size, 255));
}

vb::Variant QuorinSkin::ChangeCaption(std::string mCaption) {
  win32::SetWindowTextA(HostForm().hWnd(), mCaption.c_str());
  Caption1->Caption(std::move(mCaption));
  return {};
}

}  // namespace quorin
