// The property-page dialog's tabs and the engine's standard font and colour pages, on a test
// control with two fonts, two colours, a number and a page of its own.

#include <gtest/gtest.h>

#include "platform/gfx/text/font_match.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/services/property_page.h"
#include "platform/host/services/standard_color_page.h"
#include "platform/host/services/standard_font_page.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

class Swatch : public host::UserControl {
 public:
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = []() -> host::ClassInfo& {
      auto& i =
          host::TypeRegistry::Instance().Add("QuorinTest.Swatch", &host::UserControlBaseInfo());
      host::ClassBuilder<Swatch>(i)
          .Property("Font", &Swatch::Font, &Swatch::Font)
          .Property("TitleFont", &Swatch::TitleFont, &Swatch::TitleFont)
          .Property("ForeColor", &Swatch::ForeColor, &Swatch::ForeColor)
          .Property("FillColor", &Swatch::FillColor, &Swatch::FillColor)
          .Property("Count", &Swatch::Count, &Swatch::Count)
          .Property("Caption", &Swatch::Caption, &Swatch::Caption)
          .Creatable();
      i.property_pages = {"QuorinTest.SwatchPage", "StandardFont", "StandardColor"};
      return i;
    }();
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef v) {
    if (!v) throw vb::Error(vb::kInvalidPropertyValue);
    font_ = std::move(v);
    PropertyChanged("Font");
  }
  const vb::FontRef& TitleFont() const { return title_font_; }
  void TitleFont(vb::FontRef v) {
    if (!v) throw vb::Error(vb::kInvalidPropertyValue);
    title_font_ = std::move(v);
    PropertyChanged("TitleFont");
  }
  vb::OLE_COLOR ForeColor() const { return fore_; }
  void ForeColor(vb::OLE_COLOR v) {
    fore_ = v;
    PropertyChanged("ForeColor");
  }
  // Unreadable while Count is negative, so a page meets a property that fails.
  vb::OLE_COLOR FillColor() const {
    if (count_ < 0) throw vb::Error(vb::kObjectNotSet);
    return fill_;
  }
  void FillColor(vb::OLE_COLOR v) {
    fill_ = v;
    PropertyChanged("FillColor");
  }
  std::int32_t Count() const { return count_; }
  void Count(std::int32_t v) { count_ = v; }
  const std::string& Caption() const { return caption_; }
  // A caption starting with "!" is refused, so a page's apply can fail.
  void Caption(std::string v) {
    if (!v.empty() && v[0] == '!') throw vb::Error(vb::kInvalidPropertyValue);
    caption_ = std::move(v);
  }

 private:
  vb::FontRef font_ = std::make_shared<vb::StdFont>("MS Sans Serif", 8.25f);
  vb::FontRef title_font_ = std::make_shared<vb::StdFont>("Arial", 12.0f, true);
  vb::OLE_COLOR fore_ = 0x80000012;
  vb::OLE_COLOR fill_ = 0x000000FF;
  std::int32_t count_ = 0;
  std::string caption_ = "Swatch";
};

// The control's own page: a text box for its Caption.
class SwatchPage : public host::PropertyPage {
 public:
  SwatchPage() {
    Caption("General");
    SizeTwips(3000, 1500);
    text = AddElement<VB::TextBox>("txtCaption");
    text->Move(120, 120, 2000, 285);
    text->Change.Connect([this] { Changed(true); });
  }
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = []() -> host::ClassInfo& {
      auto& i = host::TypeRegistry::Instance().Add("QuorinTest.SwatchPage",
                                                   &host::PropertyPage::BaseInfo());
      host::ClassBuilder<SwatchPage>(i).Creatable();
      return i;
    }();
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }
  void PropertyPage_SelectionChanged() override {
    text->Text(host::GetProperty(*SelectedControls().at(0), "Caption").ToString());
    Changed(false);
  }
  void PropertyPage_ApplyChanges() override {
    for (const auto& c : SelectedControls()) host::LetProperty(*c, "Caption", text->Text());
  }
  std::shared_ptr<VB::TextBox> text;
};

class StandardPages : public EngineTest {
 protected:
  StandardPages() {
    Swatch::TypeInfo();
    SwatchPage::TypeInfo();
    form_->Show();
  }
  std::shared_ptr<Swatch> PlaceSwatch(const std::string& name) {
    auto swatch = std::make_shared<Swatch>();
    swatch->SetName(name);
    host::Place(*form_, *form_, swatch, nullptr, {120, 120, 1500, 900});
    return swatch;
  }
  // The pages the class lists, made by name as the designer makes them.
  static std::vector<std::shared_ptr<host::PropertyPage>> PagesOf(const host::ClassInfo& info) {
    std::vector<std::shared_ptr<host::PropertyPage>> pages;
    for (const std::string& name : info.property_pages) {
      pages.push_back(std::dynamic_pointer_cast<host::PropertyPage>(
          host::TypeRegistry::Instance().Find(name)->factory()));
    }
    return pages;
  }
  std::unique_ptr<host::PropertyPageHost> Open(std::vector<host::ObjectPtr> selected) {
    auto dialog =
        std::make_unique<host::PropertyPageHost>(std::move(selected), PagesOf(Swatch::TypeInfo()));
    general = dynamic_cast<SwatchPage*>(&dialog->page(0));
    font = dynamic_cast<host::StandardFontPage*>(&dialog->page(1));
    color = dynamic_cast<host::StandardColorPage*>(&dialog->page(2));
    return dialog;
  }
  static std::vector<std::string> Items(const VB::ComboBox& list) {
    std::vector<std::string> items;
    for (std::int16_t i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }
  static void Pick(VB::ComboBox& list, const std::string& item) {
    for (std::int16_t i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == item) return list.ListIndex(i);
    }
    FAIL() << item << " is not listed";
  }

  SwatchPage* general = nullptr;
  host::StandardFontPage* font = nullptr;
  host::StandardColorPage* color = nullptr;
};

TEST_F(StandardPages, TheDialogHasOneTabPerPageAndShowsTheChosenOne) {
  auto swatch = PlaceSwatch("Swatch1");
  auto dialog = Open({swatch});
  ASSERT_TRUE(general && font && color);
  host::PageTabs& tabs = dialog->tabs();
  ASSERT_EQ(tabs.Tabs(), 3);
  EXPECT_EQ(tabs.TabCaption(0), "General");
  EXPECT_EQ(tabs.TabCaption(1), "Font");
  EXPECT_EQ(tabs.TabCaption(2), "Color");
  EXPECT_THROW(tabs.TabCaption(3), vb::Error);
  // Pages are named after their class: that is how scripts reach them.
  EXPECT_EQ(font->Path(), "PropertyPages.StandardFont");
  EXPECT_EQ(font->cmbFont->Path(), "PropertyPages.StandardFont.cmbFont");
  EXPECT_EQ(color->Path(), "PropertyPages.StandardColor");
  EXPECT_TRUE(general->Visible());
  EXPECT_FALSE(font->Visible());
  tabs.Tab(2);
  EXPECT_FALSE(general->Visible());
  EXPECT_TRUE(color->Visible());
  EXPECT_EQ(dialog->selected_page(), 2u);
  EXPECT_THROW(tabs.Tab(3), vb::Error);
  EXPECT_THROW(tabs.Tab(-1), vb::Error);

  // A click on a tab and the arrow keys choose pages too.
  win32::RECT row{};
  win32::GetWindowRect(tabs.hWnd(), &row);
  robot().Wait(30).MoveTo(row.left + 10, row.top + 10).Press().Release().Wait(30);
  robot().Do("first tab", [&] {
    EXPECT_EQ(dialog->selected_page(), 0u);
    EXPECT_TRUE(general->Visible());
  });
  robot().Key(win32::VK_RIGHT).Wait(20);
  robot().Do("second tab", [&] { EXPECT_TRUE(font->Visible()); });
  robot().Key(win32::VK_ESCAPE);
  dialog->Show();
  EXPECT_FALSE(dialog->dialog().alive());
}

TEST_F(StandardPages, EveryPageKeepsItsEditsUntilApplyAndCancelDropsThem) {
  auto swatch = PlaceSwatch("Swatch1");
  {
    auto dialog = Open({swatch});
    general->text->Text("Renamed");
    dialog->SelectPage(1);
    font->chkItalic->Value(1);
    dialog->SelectPage(2);
    color->Color(0x00FF00);
    dialog->SelectPage(0);
    EXPECT_EQ(general->text->Text(), "Renamed");
    EXPECT_TRUE(font->EditedFont("Font")->Italic());
    EXPECT_TRUE(dialog->apply_button().Enabled());
    EXPECT_EQ(swatch->Caption(), "Swatch");
    EXPECT_FALSE(swatch->Font()->Italic());
    EXPECT_EQ(swatch->ForeColor(), 0x80000012u);
    dialog->cancel_button().Value(true);
    EXPECT_FALSE(dialog->dialog().alive());
  }
  EXPECT_EQ(swatch->Caption(), "Swatch");
  EXPECT_FALSE(swatch->Font()->Italic());
  EXPECT_EQ(swatch->ForeColor(), 0x80000012u);
  EXPECT_FALSE(swatch->dirty());

  auto dialog = Open({swatch});
  general->text->Text("Renamed");
  font->chkItalic->Value(1);
  color->Color(0x00FF00);
  dialog->ok_button().Value(true);
  EXPECT_FALSE(dialog->dialog().alive());
  EXPECT_EQ(swatch->Caption(), "Renamed");
  EXPECT_TRUE(swatch->Font()->Italic());
  EXPECT_EQ(swatch->ForeColor(), 0x00FF00u);
  EXPECT_TRUE(swatch->dirty());
}

TEST_F(StandardPages, OkKeepsTheDialogOpenWhenAPageFailsToApply) {
  auto swatch = PlaceSwatch("Swatch1");
  auto dialog = Open({swatch});
  general->text->Text("!bad");
  font->chkBold->Value(1);
  dialog->ok_button().Value(true);
  EXPECT_TRUE(dialog->dialog().alive());
  ASSERT_EQ(errors_.reports.size(), 1u);
  EXPECT_EQ(errors_.reports[0].number, vb::kInvalidPropertyValue);
  // The page that applied is done; the failed one still holds its edit.
  EXPECT_TRUE(swatch->Font()->Bold());
  EXPECT_FALSE(font->Changed());
  EXPECT_TRUE(general->Changed());
  EXPECT_TRUE(dialog->apply_button().Enabled());
  general->text->Text("Good");
  dialog->ok_button().Value(true);
  EXPECT_FALSE(dialog->dialog().alive());
  EXPECT_EQ(swatch->Caption(), "Good");
}

TEST_F(StandardPages, TheFontPageEditsEveryFontPropertyOnCopies) {
  auto swatch = PlaceSwatch("Swatch1");
  auto second = PlaceSwatch("Swatch2");
  auto dialog = Open({swatch, second});
  EXPECT_EQ(Items(*font->cmbProperty), (std::vector<std::string>{"Font", "TitleFont"}));
  // The first property is shown: its face (not installed here, so listed anyway), its size
  // among the standard ones, its effects.
  EXPECT_EQ(font->cmbFont->Text(), "MS Sans Serif");
  EXPECT_EQ(font->cmbSize->Text(), "8.25");
  EXPECT_EQ(Items(*font->cmbSize).front(), "8");
  EXPECT_EQ(font->chkBold->Value(), 0);
  EXPECT_FALSE(font->Changed());
  // The faces are the installed ones.
  for (const std::string& family : gfx::text::InstalledFamilies()) {
    auto items = Items(*font->cmbFont);
    EXPECT_NE(std::find(items.begin(), items.end(), family), items.end()) << family;
  }
  ASSERT_FALSE(gfx::text::InstalledFamilies().empty());
  const std::string face = gfx::text::InstalledFamilies().front();

  Pick(*font->cmbFont, face);
  Pick(*font->cmbSize, "14");
  font->chkUnderline->Value(1);
  font->chkStrikethrough->Value(1);
  EXPECT_TRUE(font->Changed());
  EXPECT_EQ(font->lblSample->Font()->Name(), face);
  EXPECT_FLOAT_EQ(font->lblSample->Font()->Size(), 14);
  // The other property shows its own font; going back shows the edits.
  font->cmbProperty->ListIndex(1);
  EXPECT_EQ(font->cmbFont->Text(), "Arial");
  EXPECT_EQ(font->cmbSize->Text(), "12");
  EXPECT_EQ(font->chkBold->Value(), 1);
  font->cmbProperty->ListIndex(0);
  EXPECT_EQ(font->cmbFont->Text(), face);
  EXPECT_EQ(font->chkUnderline->Value(), 1);
  EXPECT_EQ(swatch->Font()->Name(), "MS Sans Serif");

  const vb::FontRef before = swatch->Font();
  const vb::FontRef title_before = swatch->TitleFont();
  ASSERT_TRUE(dialog->Apply());
  for (const auto& s : {swatch, second}) {
    EXPECT_EQ(s->Font()->Name(), face);
    EXPECT_FLOAT_EQ(s->Font()->Size(), 14);
    EXPECT_TRUE(s->Font()->Underline());
    EXPECT_TRUE(s->Font()->Strikethrough());
    EXPECT_FALSE(s->Font()->Bold());
    EXPECT_TRUE(s->dirty());
  }
  // New fonts of their own, the old one untouched; the property not edited is not set.
  EXPECT_NE(swatch->Font(), before);
  EXPECT_NE(swatch->Font(), second->Font());
  EXPECT_EQ(before->Name(), "MS Sans Serif");
  EXPECT_EQ(swatch->TitleFont(), title_before);
  EXPECT_FALSE(font->Changed());
  EXPECT_FALSE(dialog->apply_button().Enabled());
}

TEST_F(StandardPages, TheColorPageSetsColoursFromThePaletteOrTheSystem) {
  auto swatch = PlaceSwatch("Swatch1");
  auto dialog = Open({swatch});
  // Colour properties only: not Count, not the UserControl's own BackColor.
  EXPECT_EQ(Items(*color->cmbProperty), (std::vector<std::string>{"ForeColor", "FillColor"}));
  // ForeColor is a system colour: the system list shows it.
  EXPECT_EQ(color->cmbColorSet->ListIndex(), 1);
  EXPECT_EQ(color->cmbSystem->Text(), "Button Text");
  EXPECT_TRUE(color->cmbSystem->Visible());
  EXPECT_EQ(color->lblValue->Caption(), "&H80000012&");
  Pick(*color->cmbSystem, "Highlight");
  EXPECT_EQ(color->Color(), 0x8000000Du);
  EXPECT_TRUE(color->Changed());

  // FillColor is plain red: the palette shows it. A click on the palette's second row,
  // first cell picks full red's neighbour in the palette.
  color->cmbProperty->ListIndex(1);
  EXPECT_EQ(color->cmbColorSet->ListIndex(), 0);
  EXPECT_FALSE(color->cmbSystem->Visible());
  dialog->SelectPage(2);
  win32::RECT palette{};
  win32::GetWindowRect(color->picPalette->hWnd(), &palette);
  const int cell = host::StandardColorPage::kCell;
  robot().Wait(30).MoveTo(palette.left + 2 * cell + cell / 2, palette.top + cell + cell / 2);
  robot().Press().Release().Wait(30);
  robot().Do("palette", [&] {
    EXPECT_EQ(color->Color(), host::StandardColorPage::Palette()[8 + 2]);
    EXPECT_EQ(swatch->FillColor(), 0x0000FFu);
  });
  robot().Key(win32::VK_RETURN);  // OK
  dialog->Show();
  EXPECT_EQ(swatch->ForeColor(), 0x8000000Du);
  EXPECT_EQ(swatch->FillColor(), host::StandardColorPage::Palette()[10]);
}

TEST_F(StandardPages, TheColourPropertyOfThePageRefusesWhatNoControlCouldShow) {
  auto swatch = PlaceSwatch("Swatch1");
  auto dialog = Open({swatch});
  for (vb::OLE_COLOR bad : {0x80000019u, 0x8000FFFFu, 0x01000000u}) {
    EXPECT_THROW(host::LetProperty(*color, "Color", vb::Variant(static_cast<std::int32_t>(bad))),
                 vb::Error)
        << std::hex << bad;
  }
  EXPECT_FALSE(color->Changed());
  host::LetProperty(*color, "Color", vb::Variant(std::int32_t{0x123456}));
  EXPECT_EQ(host::GetProperty(*color, "Color").ToLong(), 0x123456);
  EXPECT_EQ(color->cmbColorSet->ListIndex(), 0);
  EXPECT_TRUE(color->Changed());
}

TEST_F(StandardPages, APropertyThatCannotBeReadIsNotOffered) {
  auto swatch = PlaceSwatch("Swatch1");
  swatch->Count(-1);
  auto dialog = Open({swatch});
  EXPECT_EQ(Items(*color->cmbProperty), (std::vector<std::string>{"ForeColor"}));
  color->Color(0x00FF00);
  EXPECT_EQ(color->lblValue->Caption(), "&H0000FF00&");
  EXPECT_TRUE(dialog->Apply());
  EXPECT_EQ(swatch->ForeColor(), 0x00FF00u);
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(StandardPages, PagesOnAControlWithoutFontsOrColoursHaveNothingToEdit) {
  auto probe = PlaceProbe("Probe1");
  auto font_page = std::make_shared<host::StandardFontPage>();
  auto color_page = std::make_shared<host::StandardColorPage>();
  host::PropertyPageHost dialog({probe}, {font_page, color_page});
  EXPECT_EQ(font_page->cmbProperty->ListCount(), 0);
  EXPECT_FALSE(font_page->cmbFont->Enabled());
  EXPECT_EQ(color_page->cmbProperty->ListCount(), 0);
  EXPECT_THROW(color_page->Color(), vb::Error);
  EXPECT_THROW(color_page->Color(0xFF), vb::Error);
  EXPECT_TRUE(dialog.Apply());
  EXPECT_FALSE(dialog.apply_button().Enabled());
}

}  // namespace
}  // namespace host_test
