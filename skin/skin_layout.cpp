// Laying out the frame pieces for the skin's size.

#include <cmath>
#include <limits>

#include "platform/host/services/screen.h"
#include "platform/vb/error.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr float kTitleHeight = 30;
constexpr float kTitleEndWidth = 11;
constexpr float kLeftWidth = 12;
constexpr float kRightWidth = 14;  // placed 2 px beyond the right edge
constexpr float kBottomHeight = 11;
constexpr float kCornerWidth = 12;

// A value for a 16-bit event argument: rounded half to even, held at the ends of the range
// rather than overflowing, so a very large skin still reports its size.
std::int16_t Saturate16(float value) {
  const double rounded = std::nearbyint(static_cast<double>(value));
  if (!(rounded >= std::numeric_limits<std::int16_t>::min())) {
    return std::numeric_limits<std::int16_t>::min();
  }
  if (rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::numeric_limits<std::int16_t>::max();
  }
  return static_cast<std::int16_t>(rounded);
}

}  // namespace

void QuorinSkin::Repos() {
  if (HeightTwips() < kSkinMinHeightTwips) SetHeightTwips(kSkinMinHeightTwips);
  if (WidthTwips() < kSkinMinWidthTwips) SetWidthTwips(kSkinMinWidthTwips);
  const float W = WidthTwips() / host::Screen().TwipsPerPixelX();
  const float H = HeightTwips() / host::Screen().TwipsPerPixelY();

  beijin->Move(0, 0, W, H);

  TitleLeft->Move(0, 0, kTitleEndWidth, kTitleHeight);
  Title->Move(TitleLeft->Width(), 0, W - TitleLeft->Width() - TitleRight->Width(), kTitleHeight);
  pICmenu->Top(Title->Top() + Title->Height());
  TitleRight->Move(Title->Left() + Title->Width(), 0, kTitleEndWidth, kTitleHeight);

  BottomLeft->Height(kBottomHeight);
  BottomLeft->Move(0, H - BottomLeft->Height(), kCornerWidth);
  BottomRight->Move(W - kCornerWidth, H - kBottomHeight, kCornerWidth, kBottomHeight);
  Left->Move(0, TitleLeft->Top() + TitleLeft->Height(), kLeftWidth);
  Left->Height(BottomLeft->Top() - Left->Top());
  Right->Move(W - kRightWidth + 2, TitleRight->Top() + TitleRight->Height(), kRightWidth);
  Right->Height(BottomRight->Top() - Right->Top());
  Bottom->Move(BottomLeft->Width(), H - kBottomHeight,
               W - BottomLeft->Width() - BottomRight->Width(), kBottomHeight);
  pICmenu->Move(Bottom->Left(), pICmenu->Top(), Bottom->Width());

  // Caption buttons from the right, each placed by its own width.
  CloseButton->Move(Right->Left() - CloseButton->Width() + 1, 1);
  MaximizeButton->Move(CloseButton->Left() - MaximizeButton->Width(), 1);
  Minimizebutton->Move(MaximizeButton->Left() - Minimizebutton->Width() + 2, 1);

  TitleIcon->Move(Left->Width() + Left->Left() + 2, 7);
  Caption1->Left(TitleIcon->Visible() ? TitleIcon->Width() + TitleIcon->Left() + 3
                                      : Left->Width() + Left->Left() + 2.5f);
  Caption1->Top((Title->Height() - 13) / 2 - 9 + Caption1->FontSize() - 2);

  // The text runs up to 10 px short of the first caption button that is shown.
  const bool min_shown = Minimizebutton->Visible();
  const bool max_shown = MaximizeButton->Visible();
  const bool icon_shown = TitleIcon->Visible();
  const float icon_right = TitleIcon->Left() + TitleIcon->Width();
  const float border_right = Left->Left() + Left->Width();
  float width = Minimizebutton->Left() - icon_right - 10;
  if (!min_shown) width = MaximizeButton->Left() - icon_right - 10;
  if (!min_shown && !icon_shown) width = MaximizeButton->Left() - border_right - 10;
  if (!min_shown && !max_shown) width = CloseButton->Left() - icon_right - 10;
  if (!min_shown && !max_shown && !icon_shown) width = CloseButton->Left() - border_right - 10;
  Caption1->Width(width);
  Caption1->AutoSize(true);

  Caption2->Move(Caption1->Left() - 1, Caption1->Top() - 1, Caption1->Width());
  Caption2->Caption(Caption1->Caption());
  Caption2->Width(Caption1->Width());

  Minimizebutton->RefreshControl();
  MaximizeButton->RefreshControl();
  CloseButton->RefreshControl();
  SetFormActiveStyle(true);
  RaiseResize();
}

void QuorinSkin::RaiseResize() {
  std::int16_t IsTop = 450;
  std::int16_t IsHeight = Saturate16(HeightTwips() - 510);
  std::int16_t IsWidth = Saturate16(WidthTwips() - 120);
  Resize.Raise(IsTop, IsHeight, IsWidth);
}

void QuorinSkin::UserControl_Resize() {
  // Each step that fails is skipped.
  host::Skipping([this] {
    if (WidthTwips() < kSkinMinWidthTwips) SetWidthTwips(kSkinMinWidthTwips);
  });
  host::Skipping([this] {
    if (HeightTwips() < kSkinMinHeightTwips) SetHeightTwips(kSkinMinHeightTwips);
  });
  host::Skipping([this] { ReTransObj(MyForm()); });
  host::Skipping([this] { Repos(); });
}

void QuorinSkin::pICmenu_Resize() {
  const float right = pICmenu->Width() * 15;
  for (const auto& line : {Line1, Line2}) {
    line->X1(0);
    line->X2(right);
    line->Refresh();
  }
}

}  // namespace quorin
