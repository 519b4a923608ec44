// The strip's design-time page in the engine's property-page dialog: its controls, walking
// the tabs, adding and deleting, what marks it changed, and what Apply writes into the strip.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/control/property_bag.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/property_page.h"
#include "platform/vb/error.h"
#include "tabstrip/xp_tabstrip_pag.h"
#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

class TabstripPage : public TabstripTest {
 protected:
  TabstripPage() {
    quorin::XPTabstripPag::TypeInfo();
    host::SetErrorSink(&errors_);
  }
  ~TabstripPage() override {
    dialog_.reset();
    host::SetErrorSink(nullptr);
  }

  // A 300 x 120 pixel strip with the given captions (a new strip when there are none).
  std::shared_ptr<quorin::XPTabstrip> Strip(const std::vector<std::string>& captions = {}) {
    auto s = Place(300, 120);
    for (std::size_t i = 0; i < captions.size(); ++i) {
      if (i == 0) {
        s->TabCaption(1, captions[0]);
      } else {
        s->AddTab(60, captions[i]);
      }
    }
    form_->Show();
    events_.clear();
    return s;
  }
  // The pages the strip lists, made by name as the designer makes them, in the dialog.
  quorin::XPTabstripPag& Open(const std::shared_ptr<quorin::XPTabstrip>& strip) {
    std::vector<std::shared_ptr<host::PropertyPage>> pages;
    for (const std::string& name : quorin::XPTabstrip::TypeInfo().property_pages) {
      const host::ClassInfo* info = host::TypeRegistry::Instance().Find(name);
      EXPECT_TRUE(info && info->factory) << name;
      pages.push_back(std::dynamic_pointer_cast<host::PropertyPage>(info->factory()));
    }
    dialog_ = std::make_unique<host::PropertyPageHost>(std::vector<host::ObjectPtr>{strip},
                                                       std::move(pages));
    // Shown without waiting, so the page's controls raise their events as in the designer.
    dialog_->dialog().Show();
    auto* page = dynamic_cast<quorin::XPTabstripPag*>(&dialog_->page(0));
    EXPECT_NE(page, nullptr);
    // Filling the page checks its boxes, whose clicks are not shielded, so opening marks the
    // page changed; each case starts from a clean page.
    opened_changed_ = page->Changed();
    page->Changed(false);
    return *page;
  }
  static std::vector<std::string> Captions(const quorin::XPTabstrip& s) {
    std::vector<std::string> out;
    for (std::int32_t i = 1; i <= s.NumberOfTabs(); ++i) out.push_back(s.TabCaption(i));
    return out;
  }

  host::RecordingErrorSink errors_;
  std::unique_ptr<host::PropertyPageHost> dialog_;
  bool opened_changed_ = false;
};

TEST_F(TabstripPage, TheStripListsItsPageThenTheStandardOnes) {
  auto strip = Strip();
  Open(strip);
  host::PageTabs& tabs = dialog_->tabs();
  ASSERT_EQ(tabs.Tabs(), 3);
  EXPECT_EQ(tabs.TabCaption(0), "Tabs");
  EXPECT_EQ(tabs.TabCaption(1), "Font");
  EXPECT_EQ(tabs.TabCaption(2), "Color");
  EXPECT_EQ(dialog_->page(0).Path(), "PropertyPages.XPTabstripPag");
}

// Every control at its place in twips, with its text and its place in the tab order.
TEST_F(TabstripPage, ControlsSitWhereTheDesignPutsThem) {
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  EXPECT_FLOAT_EQ(page.width_twips(), 5880);
  EXPECT_FLOAT_EQ(page.height_twips(), 3090);
  struct Case {
    host::Control* control;
    float left, top, width, height;
    std::string text;
    int tab_index;
    bool in_frame;
  };
  const std::vector<Case> cases = {
      {page.Label1.get(), 300, 240, 900, 195, "标签位置：", -1, false},
      {page.CmbTabPos.get(), 1450, 200, 1950, 315, "", 16, false},
      {page.lbl[3].get(), 300, 750, 1200, 255, "当前项：", -1, false},
      {page.txtIndex.get(), 1450, 720, 495, 285, "1", 9, false},
      {page.CmdPrevious.get(), 2040, 720, 255, 280, "", 5, false},
      {page.CmdNext.get(), 2300, 720, 255, 280, "", 6, false},
      {page.cmdAddTab.get(), 2600, 720, 800, 280, "添加", 7, false},
      {page.cmdDelete.get(), 3400, 720, 800, 280, "删除", 8, false},
      {page.Frame1.get(), 150, 1200, 5560, 1575, "", -1, false},
      {page.chkTabEn.get(), 300, 1200, 1200, 200, "当前有效", 4, false},
      {page.lbl[0].get(), 200, 400, 900, 200, "标签名称：", -1, true},
      {page.txt[0].get(), 1300, 360, 4000, 285, "Tab1", 0, true},
      {page.lbl[1].get(), 200, 760, 900, 200, "标签宽度：", -1, true},
      {page.txt[1].get(), 1300, 720, 1095, 285, "60", 1, true},
      {page.chkAuto.get(), 2775, 765, 1395, 200, "自调整宽度", 2, true},
      {page.lbl[2].get(), 200, 1120, 900, 200, "提示信息：", -1, true},
      {page.txt[2].get(), 1300, 1080, 4000, 285, "", 3, true},
  };
  std::vector<int> label_and_frame_order;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->Name() + (c.control->Index() >= 0
                                          ? "(" + std::to_string(c.control->Index()) + ")"
                                          : std::string()));
    EXPECT_FLOAT_EQ(c.control->Left(), c.left);
    EXPECT_FLOAT_EQ(c.control->Top(), c.top);
    EXPECT_FLOAT_EQ(c.control->Width(), c.width);
    EXPECT_FLOAT_EQ(c.control->Height(), c.height);
    EXPECT_EQ(c.control->container() == page.Frame1.get(), c.in_frame);
    if (c.tab_index >= 0) {
      EXPECT_EQ(c.control->TabIndex(), c.tab_index);
    } else {
      label_and_frame_order.push_back(c.control->TabIndex());
    }
    if (dynamic_cast<VB::ComboBox*>(c.control) == nullptr) {
      const char* key = dynamic_cast<VB::TextBox*>(c.control) ? "Text" : "Caption";
      EXPECT_EQ(host::GetProperty(*c.control, key).ToString(), c.text);
    }
  }
  std::sort(label_and_frame_order.begin(), label_and_frame_order.end());
  EXPECT_EQ(label_and_frame_order, (std::vector<int>{10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(page.txtIndex->Font()->Name(), "MS Sans Serif");
  EXPECT_TRUE(page.txtIndex->Font()->Bold());
  EXPECT_FLOAT_EQ(page.txtIndex->Font()->Size(), 8.25f);
  for (const auto& button : {page.CmdPrevious, page.CmdNext}) {
    ASSERT_TRUE(button->Picture());
    EXPECT_EQ(button->Picture()->PixelWidth(), 13);
    EXPECT_EQ(button->Picture()->PixelHeight(), 13);
  }
  ASSERT_EQ(page.CmbTabPos->ListCount(), 4);
  const char* const items[] = {"顶部", "左侧", "右侧", "底部"};
  for (std::int16_t i = 0; i < 4; ++i) EXPECT_EQ(page.CmbTabPos->List(i), items[i]);
}

TEST_F(TabstripPage, OpeningOnANewStripShowsTabOne) {
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  EXPECT_EQ(page.CurrentTab, 1);
  EXPECT_EQ(page.txtIndex->Text(), "1");
  EXPECT_EQ(page.txt[0]->Text(), "Tab1");
  EXPECT_EQ(page.txt[1]->Text(), "60");
  EXPECT_EQ(page.txt[2]->Text(), "");
  EXPECT_EQ(page.chkTabEn->Value(), 1);
  EXPECT_EQ(page.chkAuto->Value(), 1);
  EXPECT_TRUE(opened_changed_);  // the boxes went from unchecked to checked
  EXPECT_FALSE(page.cmdDelete->Enabled());
  EXPECT_EQ(page.CmbTabPos->ListIndex(), 0);
  EXPECT_EQ(strip->SelectedTab(), 1);
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 0"}));
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(TabstripPage, ChoosingAnAlignmentMovesTheTabsAtOnce) {
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  page.CmbTabPos->ListIndex(2);  // "右侧"
  EXPECT_EQ(strip->Alignment(), quorin::tRight);
  // Laid out along the right edge already, before any Apply.
  ASSERT_GE(strip->TabRects.size(), 2u);
  EXPECT_GT(strip->TabRects[1].left, 150);
  EXPECT_LE(strip->TabRects[1].right, 300);
  EXPECT_FALSE(page.Changed());
  page.CmbTabPos->ListIndex(3);
  EXPECT_EQ(strip->Alignment(), quorin::tBottom);
  EXPECT_GT(strip->TabRects[1].top, 60);
}

TEST_F(TabstripPage, AddOnAOneTabStripShowsTheNewTab) {
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  events_.clear();
  page.cmdAddTab->Value(true);
  EXPECT_EQ(strip->NumberOfTabs(), 2);
  EXPECT_EQ(strip->TabCaption(2), "Tab2");
  EXPECT_EQ(strip->TabWidth(2), 60);
  EXPECT_TRUE(strip->AutoSize(2));
  EXPECT_TRUE(strip->TabEnabled(2));
  EXPECT_EQ(strip->SelectedTab(), 2);
  EXPECT_EQ(page.CurrentTab, 2);
  EXPECT_EQ(page.txtIndex->Text(), "2");
  EXPECT_EQ(page.txt[0]->Text(), "Tab2");
  EXPECT_TRUE(page.cmdDelete->Enabled());
  // Selected twice: once by the button, once by showing the tab.
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 1", "TabPressed 2"}));
}

TEST_F(TabstripPage, DeleteRemovesTheNextToLastTabAndShowsTheOneBefore) {
  auto strip = Strip({"A", "B", "C"});
  quorin::XPTabstripPag& page = Open(strip);
  page.CmdNext->Value(true);
  page.CmdNext->Value(true);
  ASSERT_EQ(page.CurrentTab, 3);
  page.cmdDelete->Value(true);
  EXPECT_EQ(Captions(*strip), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(page.CurrentTab, 2);
  EXPECT_EQ(page.txtIndex->Text(), "2");
  EXPECT_EQ(page.txt[0]->Text(), "C");
  EXPECT_EQ(strip->SelectedTab(), 2);
  // On tab 1 the page stays on tab 1; with one tab left Delete is disabled.
  page.CmdPrevious->Value(true);
  page.cmdDelete->Value(true);
  EXPECT_EQ(Captions(*strip), (std::vector<std::string>{"C"}));
  EXPECT_EQ(page.CurrentTab, 1);
  EXPECT_EQ(page.txt[0]->Text(), "C");
  EXPECT_FALSE(page.cmdDelete->Enabled());
}

TEST_F(TabstripPage, PreviousAndNextStopAtTheEnds) {
  auto strip = Strip({"A", "B"});
  quorin::XPTabstripPag& page = Open(strip);
  page.CmdPrevious->Value(true);
  EXPECT_EQ(page.CurrentTab, 1);
  page.CmdNext->Value(true);
  page.CmdNext->Value(true);
  EXPECT_EQ(page.CurrentTab, 2);
  EXPECT_EQ(page.txt[0]->Text(), "B");
  EXPECT_EQ(strip->SelectedTab(), 2);
}

// A field marks the page changed only when its text differs from the strip's value, compared
// exactly (the width as decimal text).
TEST_F(TabstripPage, OnlyATextThatDiffersFromTheStripMarksThePageChanged) {
  struct Case {
    int field;
    std::string text;
    bool changes;
  };
  const std::vector<Case> cases = {
      {0, "Mail", false}, {0, "mail", true}, {0, "Mail ", true},
      {1, "80", false},   {1, "080", true},  {1, "81", true},
  };
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  // The strip changed behind the page, so a field can take its value in one step.
  strip->TabCaption(1, "Mail");
  strip->TabWidth(1, 80);
  ASSERT_FALSE(page.Changed());
  for (const Case& c : cases) {
    SCOPED_TRACE("txt(" + std::to_string(c.field) + ") = \"" + c.text + "\"");
    VB::TextBox& field = *page.txt[static_cast<std::size_t>(c.field)];
    field.Text("?");  // something else first, so the case's text is a change
    page.Changed(false);
    field.Text(c.text);
    EXPECT_EQ(page.Changed(), c.changes);
    EXPECT_EQ(dialog_->apply_button().Enabled(), c.changes);
  }
}

TEST_F(TabstripPage, ApplyWritesTheShownTabIntoTheStrip) {
  auto strip = Strip({"A", "B"});
  quorin::XPTabstripPag& page = Open(strip);
  page.CmdNext->Value(true);
  page.txt[0]->Text("&Mail");
  page.txt[1]->Text("75");
  page.chkTabEn->Value(0);
  page.chkAuto->Value(0);
  page.txt[2]->Text("a tip");  // shown only
  EXPECT_TRUE(page.Changed());
  EXPECT_EQ(strip->TabCaption(2), "B");
  ASSERT_TRUE(dialog_->Apply());
  EXPECT_EQ(Captions(*strip), (std::vector<std::string>{"A", "&Mail"}));
  EXPECT_EQ(strip->TabWidth(2), 75);
  EXPECT_FALSE(strip->TabEnabled(2));
  EXPECT_FALSE(strip->AutoSize(2));
  EXPECT_EQ(strip->AccessKeys(), "m");
  EXPECT_FALSE(page.Changed());
  EXPECT_TRUE(strip->dirty());
  // The strip clips a width as wide as itself.
  page.txt[1]->Text("500");
  ASSERT_TRUE(dialog_->Apply());
  EXPECT_EQ(strip->TabWidth(2), 280);
  // Edits shown for a tab are lost when the page moves on before Apply.
  page.txt[0]->Text("Lost");
  page.CmdPrevious->Value(true);
  ASSERT_TRUE(dialog_->Apply());
  EXPECT_EQ(Captions(*strip), (std::vector<std::string>{"A", "&Mail"}));
}

TEST_F(TabstripPage, AnEmptyWidthIsAppliedAsSixty) {
  auto strip = Strip();
  strip->TabWidth(1, 90);
  quorin::XPTabstripPag& page = Open(strip);
  ASSERT_EQ(page.txt[1]->Text(), "90");
  page.txt[1]->Text("");
  ASSERT_TRUE(dialog_->Apply());
  EXPECT_EQ(page.txt[1]->Text(), "60");
  EXPECT_EQ(strip->TabWidth(1), 60);
}

// The apply stops at the width: the caption is already in the strip, the check boxes are not,
// the host reports the conversion failure and the dialog stays open with the page's edits.
TEST_F(TabstripPage, AWidthThatIsNotANumberStopsTheApplyAfterTheCaption) {
  auto strip = Strip();
  quorin::XPTabstripPag& page = Open(strip);
  page.txt[0]->Text("Mail");
  page.txt[1]->Text("wide");
  page.chkTabEn->Value(0);
  dialog_->ok_button().Value(true);
  EXPECT_TRUE(dialog_->dialog().alive());
  ASSERT_EQ(errors_.reports.size(), 1u);
  EXPECT_EQ(errors_.reports[0].number, vb::kTypeMismatch);
  EXPECT_EQ(errors_.reports[0].procedure, "PropertyPage_ApplyChanges");
  EXPECT_EQ(strip->TabCaption(1), "Mail");
  EXPECT_EQ(strip->TabWidth(1), 60);
  EXPECT_TRUE(strip->TabEnabled(1));
  EXPECT_TRUE(page.Changed());
  EXPECT_TRUE(dialog_->apply_button().Enabled());
  // Corrected, OK applies the rest and closes.
  page.txt[1]->Text("70");
  dialog_->ok_button().Value(true);
  EXPECT_FALSE(dialog_->dialog().alive());
  EXPECT_EQ(strip->TabWidth(1), 70);
  EXPECT_FALSE(strip->TabEnabled(1));
}

TEST_F(TabstripPage, TheSavedSelectedTabIsTheLastTabThePageShowed) {
  auto strip = Strip({"A", "B", "C"});
  quorin::XPTabstripPag& page = Open(strip);
  page.CmdNext->Value(true);
  page.CmdNext->Value(true);
  page.CmdPrevious->Value(true);
  dialog_->cancel_button().Value(true);
  EXPECT_FALSE(dialog_->dialog().alive());
  host::PropertyBag bag;
  strip->RunWriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("SelectedTab").ToLong(), 2);
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 0", "TabPressed 1", "TabPressed 2",
                                               "TabPressed 3"}));
}

// Moving to a tab whose check boxes differ marks the page changed, as the boxes' clicks do.
TEST_F(TabstripPage, ShowingATabWithOtherFlagsMarksThePageChanged) {
  auto strip = Strip({"A", "B"});
  strip->TabEnabled(2, false);
  quorin::XPTabstripPag& page = Open(strip);
  ASSERT_FALSE(page.Changed());
  page.CmdNext->Value(true);
  EXPECT_EQ(page.chkTabEn->Value(), 0);
  EXPECT_TRUE(page.Changed());
}

TEST_F(TabstripPage, APageWithoutATabStripReportsIt) {
  auto strip = Strip();
  auto page = std::make_shared<quorin::XPTabstripPag>();
  host::PropertyPageHost dialog({form_}, {page});
  ASSERT_EQ(errors_.reports.size(), 1u);
  EXPECT_EQ(errors_.reports[0].number, vb::kTypeMismatch);
  page->cmdAddTab->Value(true);
  ASSERT_EQ(errors_.reports.size(), 2u);
  EXPECT_EQ(errors_.reports[1].number, vb::kObjectNotSet);
  EXPECT_EQ(strip->NumberOfTabs(), 1);
}

}  // namespace
}  // namespace tabstrip_test
