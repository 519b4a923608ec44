// Theme and active/inactive look of the frame, the title text and the caption buttons.

#include <vector>

#include "skin/quorin_skin.h"

namespace quorin {

void QuorinSkin::SetCaptionColors(bool active) {
  // The companion copy shows only on an active form.
  Caption2->Visible(active);
  vb::OLE_COLOR text = 0xFFFFFF;
  vb::OLE_COLOR companion = 0xFFFFFF;
  if (m_Theme == 2) {
    text = active ? 0x000000 : 0xC0C0C0;
    companion = 0xE0E0E0;
  } else if (active) {
    companion = m_Theme == 0 ? 0x400000 : 0x004000;
  }
  Caption1->ForeColor(text);
  Caption2->ForeColor(companion);
}

void QuorinSkin::SetFormActiveStyle(bool ActiveForm) {
  SetCaptionColors(ActiveForm);
  {
    // The frame pieces keep the sizes the layout gave them: an image that does not stretch
    // would otherwise take its new picture's size, and the corners show theirs unscaled.
    struct Place {
      VB::Image* piece;
      float left, top, width, height;
    };
    struct KeepSizes {
      std::vector<Place> places;
      ~KeepSizes() {
        for (const Place& p : places) p.piece->Move(p.left, p.top, p.width, p.height);
      }
    } keep;
    for (VB::Image* piece : {Left.get(), TitleLeft.get(), Title.get(), TitleRight.get(),
                             Right.get(), Bottom.get(), BottomLeft.get(), BottomRight.get()}) {
      keep.places.push_back({piece, piece->Left(), piece->Top(), piece->Width(), piece->Height()});
    }
    ThemeX1->ChangeTheme(*Left, *TitleLeft, *Title, *TitleRight, *Right, *Bottom, *BottomLeft,
                         *BottomRight, m_Theme, ActiveForm);
  }
  for (const auto& button : {Minimizebutton, MaximizeButton, CloseButton}) {
    button->IsActivate(ActiveForm);
  }
  for (const auto& button : {Minimizebutton, MaximizeButton, CloseButton}) {
    button->Theme(m_Theme);
  }
  // A disabled maximise button keeps its disabled face.
  Minimizebutton->RefreshControl(ActiveForm);
  CloseButton->RefreshControl(ActiveForm);
  if (MaximizeButton->Enabled()) MaximizeButton->RefreshControl(ActiveForm);
}

}  // namespace quorin
