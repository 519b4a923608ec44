#include "tests/skin/skin_fixture.h"

namespace {

using SkinTheme = skintest::SkinFixture;

struct Pieces {
  std::string left, title_left, title, title_right, right, bottom, bottom_left, bottom_right;
  bool operator==(const Pieces&) const = default;
};

Pieces PiecesOf(const quorin::QuorinSkin& s) {
  using skintest::Slot;
  return {Slot(s.Left->Picture()),       Slot(s.TitleLeft->Picture()),  Slot(s.Title->Picture()),
          Slot(s.TitleRight->Picture()), Slot(s.Right->Picture()),      Slot(s.Bottom->Picture()),
          Slot(s.BottomLeft->Picture()), Slot(s.BottomRight->Picture())};
}

Pieces ThemePieces(int index) {
  auto slot = [index](int array) {
    return "skin/ThemeX/Image" + std::to_string(array) + "_" + std::to_string(index);
  };
  return {slot(4), slot(2), slot(1), slot(3), slot(5), slot(6), slot(8), slot(7)};
}

TEST_F(SkinTheme, SwitchingThemesSwapsEveryPieceButtonAndCompanionColour) {
  auto skin = Place();
  EXPECT_EQ(PiecesOf(*skin), ThemePieces(0));
  EXPECT_EQ(skin->Caption2->ForeColor(), 0x400000u);  // dark blue
  skin->Skin(quorin::Vista_Black);
  EXPECT_EQ(PiecesOf(*skin), ThemePieces(2));
  EXPECT_EQ(Face(*skin->Minimizebutton), "skin_parts/CbMin_4");
  EXPECT_EQ(Face(*skin->MaximizeButton), "skin_parts/CbMax_5");
  EXPECT_EQ(Face(*skin->CloseButton), "skin_parts/CbClose_4");
  EXPECT_EQ(skin->Caption2->ForeColor(), 0x004000u);  // dark green
  skin->Skin(quorin::Vista);
  EXPECT_EQ(PiecesOf(*skin), ThemePieces(0));
  EXPECT_EQ(Face(*skin->CloseButton), "skin_parts/CbClose_0");
  EXPECT_EQ(skin->Caption2->ForeColor(), 0x400000u);
}

TEST_F(SkinTheme, TheInactiveLookHidesTheCompanionAndPalesTheButtons) {
  const struct {
    quorin::VistaTheme theme;
    int inactive_index;
    const char* close_inactive;
  } cases[] = {{quorin::Vista, 1, "skin_parts/CbClose_3"},
               {quorin::Vista_Black, 3, "skin_parts/CbClose_7"}};
  auto skin = Place();
  for (const auto& c : cases) {
    skin->Skin(c.theme);
    skin->SetFormActiveStyle(false);
    EXPECT_FALSE(skin->Caption2->Visible());
    EXPECT_EQ(skin->Caption1->ForeColor(), 0xFFFFFFu);
    EXPECT_EQ(PiecesOf(*skin), ThemePieces(c.inactive_index));
    EXPECT_EQ(Face(*skin->CloseButton), c.close_inactive);
    EXPECT_FALSE(skin->CloseButton->IsActivate());
    skin->SetFormActiveStyle(true);
    EXPECT_TRUE(skin->Caption2->Visible());
  }
}

TEST_F(SkinTheme, ADisabledMaximiseButtonKeepsItsDisabledFaceThroughActivation) {
  auto skin = Place();
  skin->MaximizeButton->Enabled(false);
  for (bool active : {false, true, false}) {
    skin->SetFormActiveStyle(active);
    EXPECT_EQ(Face(*skin->MaximizeButton), "skin_parts/CbMax_4") << active;
  }
  skin->Skin(quorin::Vista_Black);
  EXPECT_EQ(Face(*skin->MaximizeButton), "skin_parts/CbMax_9");
}

TEST_F(SkinTheme, TheFormsActivationDrivesTheLook) {
  auto skin = Place();
  form_->Show();
  Run();
  EXPECT_TRUE(skin->Caption2->Visible());
  auto other = host::NewForm("Form2");
  other->Move(9000, 9000, 3000, 2000);
  other->Show();
  Run();
  EXPECT_FALSE(skin->Caption2->Visible());
  EXPECT_EQ(Face(*skin->Minimizebutton), "skin_parts/CbMin_3");
  form_->SetFocus();
  Run();
  EXPECT_TRUE(skin->Caption2->Visible());
  EXPECT_EQ(Face(*skin->Minimizebutton), "skin_parts/CbMin_0");
}

// The layout gives the bottom corners 12 x 11 px; a theme change keeps that size (each shows
// its picture unscaled at its top-left), whatever size the picture has.
TEST_F(SkinTheme, TheBottomCornersKeepTheLayoutsSizeThroughThemeChanges) {
  auto skin = Place();
  for (auto theme : {quorin::Vista, quorin::Vista_Black, quorin::Vista}) {
    skin->Skin(theme);
    for (bool active : {false, true}) {
      skin->SetFormActiveStyle(active);
      for (const auto& corner : {skin->BottomLeft, skin->BottomRight}) {
        SCOPED_TRACE(corner->Name() + " theme " + std::to_string(theme));
        EXPECT_EQ(corner->Width(), 12);
        EXPECT_EQ(corner->Height(), 11);
        EXPECT_FALSE(corner->Stretch());
      }
    }
  }
}

// A script's `set` of the theme, whose setter pumps messages, finishes before the next action
// due at the same time shows another form: the form ends with the inactive look.
TEST_F(SkinTheme, AnActionAfterTheThemeSetterRunsWhenTheSetterHasReturned) {
  auto skin = Place();
  form_->Show();
  Run();
  auto other = host::NewForm("Form2");
  other->Move(9000, 9000, 3000, 2000);
  robot().Do("set the theme", [&] { skin->Skin(quorin::Vista); });
  robot().Do("show Form2", [&] { other->Show(); });
  Run();
  EXPECT_FALSE(skin->Caption2->Visible());
  EXPECT_EQ(Face(*skin->CloseButton), "skin_parts/CbClose_3");
}

}  // namespace
