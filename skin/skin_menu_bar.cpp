// The skin's menu bar: a title for each of the form's menus tagged "CBS", dropping that
// menu down as a pop-up of the form.

#include <cmath>

#include "platform/vb/error.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr float kTitleTop = 45;        // twips inside the bar
constexpr float kFirstTitleLeft = 60;  // twips inside the bar

}  // namespace

void QuorinSkin::AddMenuTitle(const std::shared_ptr<VB::Menu>& menu) {
  const auto n = static_cast<std::int16_t>(m_MenuCount + 1);
  pICmenu->Visible(true);
  LabelMenu& title = LbMenu.Load(n);
  m_Menus.resize(static_cast<std::size_t>(n) + 1);
  m_Menus[static_cast<std::size_t>(n)] = menu;
  title.Caption(menu->Caption());
  title.BackColor(pICmenu->BackColor());
  title.Visible(true);
  title.Enabled(menu->Enabled());
  title.Top(kTitleTop);
  if (n == 1) {
    title.Left(kFirstTitleLeft);
  } else {
    const LabelMenu& previous = LbMenu(static_cast<std::int16_t>(n - 1));
    title.Left(previous.Left() + previous.Width());
  }
  // The form's own menu bar gives the title up; its items stay for the pop-up.
  menu->Visible(false);
  m_MenuCount = n;
}

void QuorinSkin::PopUpMenuOf(std::int16_t Index, float extra_top) {
  // Title positions are twips of the bar and the bar's position pixels of the skin; the sum
  // is read by the form in its own scale.
  const LabelMenu& title = LbMenu(Index);
  const float x = std::nearbyint(title.Left() + pICmenu->Left() + 60);
  const float y = std::nearbyint(title.Height() + (title.Top() + pICmenu->Top() + extra_top) - 80);
  if (Index < 0 || static_cast<std::size_t>(Index) >= m_Menus.size() || !m_Menus[Index]) {
    throw vb::Error(vb::kObjectNotSet, "m_Menus(" + std::to_string(Index) + ")");
  }
  HostForm().PopupMenu(m_Menus[static_cast<std::size_t>(Index)], std::nullopt, x, y);
}

void QuorinSkin::LbMenu_Click(std::int16_t Index) {
  host::Skipping([&] { PopUpMenuOf(Index, 450); });
}

void QuorinSkin::LbMenu_MouseDown(std::int16_t Index, std::int16_t Button) {
  if (Button != host::vbLeftButton) return;
  host::Skipping([&] { PopUpMenuOf(Index, 480); });
}

}  // namespace quorin
