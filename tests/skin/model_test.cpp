#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "tests/skin/skin_fixture.h"

namespace {

using SkinModel = skintest::SkinFixture;

TEST_F(SkinModel, ANewSkinKeepsItsDesignDefaultsAndWhitensTheForm) {
  auto skin = Place();
  EXPECT_EQ(skin->Caption(), "Quorin Skin");
  EXPECT_TRUE(skin->ShowIcon());
  EXPECT_EQ(form_->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(skin->Minimizebutton->ButtonStyle(), 0);
  EXPECT_EQ(skin->MaximizeButton->ButtonStyle(), 1);
  EXPECT_EQ(skin->CloseButton->ButtonStyle(), 2);
  EXPECT_EQ(skin->Font()->Name(), "Arial");
  EXPECT_TRUE(skin->Font()->Bold());
  EXPECT_FALSE(skin->pICmenu->Visible());
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(SkinModel, PropertiesAreSavedInOrderWithoutTheirDefaults) {
  host::PropertyBag bag;
  {
    auto skin = Place();
    skin->Caption("Mail");
    skin->MenuBackColor(0x00FF00);
    skin->ShowIcon(false);
    skin->Skin(quorin::Vista_Black);
    skin->m_ShowHelp = true;
    skin->m_HaveChild = true;
    skin->Font(std::make_shared<vb::StdFont>("Tahoma", 12.0f));
    skin->UserControl_WriteProperties(bag);
  }
  std::vector<std::string> keys;
  for (const auto& e : bag.entries()) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"Caption", "Font", "ShowHelp", "ShowIcon",
                                            "MenuBackColor", "HaveChild", "Theme"}));

  host::Unload(*form_);
  NewHostForm();
  auto back = Place(&bag);
  EXPECT_EQ(back->Caption(), "Mail");
  EXPECT_EQ(back->Caption2->Caption(), "Mail");
  EXPECT_EQ(back->MenuBackColor(), 0x00FF00u);
  EXPECT_FALSE(back->ShowIcon());
  EXPECT_EQ(back->Skin(), quorin::Vista_Black);
  EXPECT_TRUE(back->m_ShowHelp);
  EXPECT_TRUE(back->m_HaveChild);
  EXPECT_EQ(back->Font()->Name(), "Tahoma");
  EXPECT_FLOAT_EQ(back->Caption1->Left(), 14.5f);  // the icon is hidden
}

TEST_F(SkinModel, TheLiteralDefaultCaptionIsNotStoredAndAnAbsentOneReadsAsIt) {
  host::PropertyBag bag;
  auto skin = Place();
  skin->Caption("Caption1.Caption");
  skin->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.Find("Caption"), nullptr);
  EXPECT_EQ(bag.Find("Theme"), nullptr);  // never themed: no entry, reads back as Vista
  host::Unload(*form_);
  NewHostForm();
  host::PropertyBag empty;
  auto back = Place(&empty);
  EXPECT_EQ(back->Caption(), "Caption1.Caption");
  EXPECT_EQ(back->Skin(), quorin::Vista);
}

TEST_F(SkinModel, AnEmptyIconHidesTheTitleIconAndMovesTheText) {
  auto skin = Place();
  auto icon = artwork::Picture("skin/about/Image2_24x24");
  skin->Icon(icon);
  EXPECT_TRUE(skin->ShowIcon());
  EXPECT_EQ(form_->Icon(), icon);  // the form shows the same picture object
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 33);
  skin->Icon(nullptr);
  EXPECT_FALSE(skin->ShowIcon());
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 14.5f);
  // Shown again with no picture: an empty 16 x 16 area, the text still right of it.
  skin->ShowIcon(true);
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 33);
  EXPECT_FLOAT_EQ(skin->TitleIcon->Width(), 16);
}

TEST_F(SkinModel, CaptionAlsoTitlesTheHostForm) {
  auto skin = Place();
  skin->Caption("Inbox");
  EXPECT_EQ(form_->Caption(), "Inbox");
  EXPECT_EQ(skin->Caption2->Caption(), "Inbox");
}

TEST_F(SkinModel, AThemeWithoutArtworkIsStoredSavedAndReportedAsAFailure) {
  auto skin = Place();
  const vb::PictureRef title_before = skin->Title->Picture();
  try {
    skin->Skin(static_cast<quorin::VistaTheme>(2));
    FAIL() << "no failure reported";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kControlArrayElementMissing);
  }
  EXPECT_EQ(skin->Skin(), 2);
  EXPECT_EQ(skin->Title->Picture(), title_before);  // the frame stays as it was
  EXPECT_EQ(skin->CloseButton->Theme(), 0);         // and so do the buttons
  EXPECT_EQ(skin->Caption1->ForeColor(), 0x000000u);
  EXPECT_EQ(skin->Caption2->ForeColor(), 0xE0E0E0u);
  host::PropertyBag bag;
  skin->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("Theme", std::int32_t{0}).ToLong(), 2);

  // Loading it reports the failure to the container.
  host::Unload(*form_);
  NewHostForm();
  errors_.reports.clear();
  auto back = Place(&bag);
  EXPECT_EQ(back->Skin(), 2);
  ASSERT_FALSE(errors_.reports.empty());
  EXPECT_EQ(errors_.reports[0].procedure, "UserControl_ReadProperties");
}

TEST_F(SkinModel, TheSkinAnswersByNameAsTheDriverAndFormFilesReachIt) {
  auto skin = Place();
  EXPECT_EQ(host::CallMethod(*skin, "DefaultBackgroundColor", {}).ToString(), "16777215");
  EXPECT_TRUE(host::CallMethod(*skin, "GradualChange", {}).IsEmpty());
  EXPECT_TRUE(skin->m_Gradual);
  host::LetProperty(*skin, "Skin", std::int32_t{1});
  EXPECT_EQ(host::GetProperty(*skin, "skin").ToLong(), 1);
  EXPECT_EQ(host::CallMethod(*skin, "NChildForm", {}).ToInteger(), 0);
  // Its own position is the container's (the element named Left does not hide it).
  EXPECT_FLOAT_EQ(host::GetProperty(*skin, "Left").ToSingle(), 0);
}

}  // namespace

namespace {

TEST_F(SkinModel, AnUnusableStoredValueIsReportedAndTheOthersAreStillRead) {
  host::PropertyBag bag;
  bag.Put("Icon", std::int32_t{5});  // not a picture
  bag.Put("Caption", "Mail");
  bag.Put("MenuBackColor", std::int32_t{0xFF});
  bag.Put("Theme", std::int32_t{1});
  auto skin = Place(&bag);
  ASSERT_EQ(errors_.reports.size(), 1u);
  EXPECT_EQ(errors_.reports[0].number, vb::kTypeMismatch);
  EXPECT_EQ(skin->Caption(), "Mail");
  EXPECT_EQ(skin->MenuBackColor(), 0xFFu);
  EXPECT_EQ(skin->Skin(), quorin::Vista_Black);
  EXPECT_EQ(skintest::Slot(skin->Title->Picture()), "skin/ThemeX/Image1_2");
}

}  // namespace
