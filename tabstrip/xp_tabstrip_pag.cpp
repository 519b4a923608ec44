#include "tabstrip/xp_tabstrip_pag.h"

#include <string>

#include "artwork/artwork.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"
#include "platform/vb/variant.h"

namespace quorin {

namespace {

// Places an element on the page, or inside `in`, at a position in twips.
template <typename T>
std::shared_ptr<T> Put(XPTabstripPag& page, host::Container* in, const char* name,
                       std::int16_t index, float left, float top, float width, float height) {
  auto element = in ? page.AddElementIn<T>(*in, name, index) : page.AddElement<T>(name, index);
  element->Move(left, top, width, height);
  return element;
}

std::shared_ptr<VB::Label> Titled(std::shared_ptr<VB::Label> label, const char* caption,
                                  std::int16_t tab_index) {
  label->Caption(caption);
  label->TabIndex(tab_index);
  return label;
}

}  // namespace

XPTabstripPag::XPTabstripPag() {
  Caption("Tabs");
  SizeTwips(5880, 3090);
  BackColor(0x8000000F);

  Label1 =
      Titled(Put<VB::Label>(*this, nullptr, "Label1", -1, 300, 240, 900, 195), "标签位置：", 10);
  CmbTabPos = Put<VB::ComboBox>(*this, nullptr, "CmbTabPos", -1, 1450, 200, 1950, 315);
  lbl[3] = Titled(Put<VB::Label>(*this, nullptr, "lbl", 3, 300, 750, 1200, 255), "当前项：", 11);
  txtIndex = Put<VB::TextBox>(*this, nullptr, "txtIndex", -1, 1450, 720, 495, 285);
  txtIndex->Font(std::make_shared<vb::StdFont>("MS Sans Serif", 8.25f, true));
  txtIndex->Text("1");
  CmdPrevious = Put<VB::CommandButton>(*this, nullptr, "CmdPrevious", -1, 2040, 720, 255, 280);
  CmdNext = Put<VB::CommandButton>(*this, nullptr, "CmdNext", -1, 2300, 720, 255, 280);
  for (const auto& [button, slot] :
       {std::pair{CmdPrevious, "tabstrip_page/CmdPrevious"}, {CmdNext, "tabstrip_page/CmdNext"}}) {
    button->Caption("");
    button->Style(1);
    button->Picture(artwork::Picture(slot));
  }
  cmdAddTab = Put<VB::CommandButton>(*this, nullptr, "cmdAddTab", -1, 2600, 720, 800, 280);
  cmdAddTab->Caption("添加");
  cmdDelete = Put<VB::CommandButton>(*this, nullptr, "cmdDelete", -1, 3400, 720, 800, 280);
  cmdDelete->Caption("删除");

  Frame1 = Put<VB::Frame>(*this, nullptr, "Frame1", -1, 150, 1200, 5560, 1575);
  Frame1->Caption("");
  // Laid over the frame's top edge as its title.
  chkTabEn = Put<VB::CheckBox>(*this, nullptr, "chkTabEn", -1, 300, 1200, 1200, 200);
  chkTabEn->Caption("当前有效");
  lbl[0] =
      Titled(Put<VB::Label>(*this, Frame1.get(), "lbl", 0, 200, 400, 900, 200), "标签名称：", 12);
  txt[0] = Put<VB::TextBox>(*this, Frame1.get(), "txt", 0, 1300, 360, 4000, 285);
  lbl[1] =
      Titled(Put<VB::Label>(*this, Frame1.get(), "lbl", 1, 200, 760, 900, 200), "标签宽度：", 13);
  txt[1] = Put<VB::TextBox>(*this, Frame1.get(), "txt", 1, 1300, 720, 1095, 285);
  chkAuto = Put<VB::CheckBox>(*this, Frame1.get(), "chkAuto", -1, 2775, 765, 1395, 200);
  chkAuto->Caption("自调整宽度");
  lbl[2] =
      Titled(Put<VB::Label>(*this, Frame1.get(), "lbl", 2, 200, 1120, 900, 200), "提示信息：", 14);
  txt[2] = Put<VB::TextBox>(*this, Frame1.get(), "txt", 2, 1300, 1080, 4000, 285);

  // The tab order of the design.
  txt[0]->TabIndex(0);
  txt[1]->TabIndex(1);
  chkAuto->TabIndex(2);
  txt[2]->TabIndex(3);
  chkTabEn->TabIndex(4);
  CmdPrevious->TabIndex(5);
  CmdNext->TabIndex(6);
  cmdAddTab->TabIndex(7);
  cmdDelete->TabIndex(8);
  txtIndex->TabIndex(9);
  Frame1->TabIndex(15);
  CmbTabPos->TabIndex(16);

  CmbTabPos->Click.Connect([this] { CmbTabPos_Click(); });
  for (VB::CheckBox* box : {chkTabEn.get(), chkAuto.get()}) {
    box->Click.Connect([this] { Changed(true); });
  }
  for (std::int16_t i = 0; i < 3; ++i) {
    txt[static_cast<std::size_t>(i)]->Change.Connect([this, i] { txt_Change(i); });
  }
  CmdPrevious->Click.Connect([this] { CmdPrevious_Click(); });
  CmdNext->Click.Connect([this] { CmdNext_Click(); });
  cmdAddTab->Click.Connect([this] { cmdAddTab_Click(); });
  cmdDelete->Click.Connect([this] { cmdDelete_Click(); });
}

XPTabstrip& XPTabstripPag::Strip() const {
  if (!strip_ || !strip_->alive()) throw vb::Error(vb::kObjectNotSet, "no tab strip to edit");
  return *strip_;
}

void XPTabstripPag::PropertyPage_Initialize() {
  for (const char* item : {"顶部", "左侧", "右侧", "底部"}) CmbTabPos->AddItem(item);
}

void XPTabstripPag::PropertyPage_SelectionChanged() {
  if (SelectedControls().empty()) throw vb::Error(vb::kSubscriptOutOfRange, "no selection");
  auto strip = std::dynamic_pointer_cast<XPTabstrip>(SelectedControls().front());
  if (!strip) throw vb::Error(vb::kTypeMismatch, "the page edits tab strips");
  strip_ = std::move(strip);
  // Runs the list's Click, which sets the same alignment again.
  CmbTabPos->ListIndex(static_cast<std::int16_t>(Strip().Alignment()));
  if (Strip().NumberOfTabs() != 0 && CurrentTab < 1) {
    txtIndex->Text("1");
    CurrentTab = 1;
    ShowTab(1);
  }
}

void XPTabstripPag::ShowTab(std::int16_t n) {
  XPTabstrip& strip = Strip();
  strip.SelectedTab(n);
  txtIndex->Text(std::to_string(n));
  // Filling the fields runs their notifications: equal texts change nothing, but a check
  // box whose state changes marks the page changed.
  txt[0]->Text(strip.TabCaption(n));
  txt[1]->Text(std::to_string(strip.TabWidth(n)));
  chkTabEn->Value(strip.TabEnabled(n) ? 1 : 0);
  chkAuto->Value(strip.AutoSize(n) ? 1 : 0);
  cmdDelete->Enabled(strip.NumberOfTabs() != 1);
}

void XPTabstripPag::CmbTabPos_Click() {
  Strip().Alignment(static_cast<eTabAlignment>(CmbTabPos->ListIndex()));
}

void XPTabstripPag::txt_Change(std::int16_t Index) {
  if (Index == 0) {
    if (txt[0]->Text() != Strip().TabCaption(CurrentTab)) Changed(true);
  } else if (Index == 1) {
    if (txt[1]->Text() != std::to_string(Strip().TabWidth(CurrentTab))) Changed(true);
  }
}

void XPTabstripPag::CmdPrevious_Click() {
  if (CurrentTab > 1) {
    --CurrentTab;
    ShowTab(CurrentTab);
  }
}

void XPTabstripPag::CmdNext_Click() {
  if (CurrentTab < Strip().NumberOfTabs()) {
    ++CurrentTab;
    ShowTab(CurrentTab);
  }
}

void XPTabstripPag::cmdAddTab_Click() {
  XPTabstrip& strip = Strip();
  strip.AddTab(60, "", true, true, nullptr);
  CurrentTab = static_cast<std::int16_t>(strip.NumberOfTabs());
  strip.SelectedTab(CurrentTab);
  ShowTab(CurrentTab);
}

void XPTabstripPag::cmdDelete_Click() {
  // No index: the strip removes its next-to-last tab.
  Strip().DeleteTab();
  if (CurrentTab > 1) --CurrentTab;
  ShowTab(CurrentTab);
}

void XPTabstripPag::PropertyPage_ApplyChanges() {
  XPTabstrip& strip = Strip();
  if (txt[1]->Text().empty()) txt[1]->Text("60");
  strip.TabCaption(CurrentTab, txt[0]->Text());
  // A width that is not a number fails here, after the caption and before the check boxes.
  strip.TabWidth(CurrentTab, vb::Variant(txt[1]->Text()).ToLong());
  strip.TabEnabled(CurrentTab, chkTabEn->Value() == 1);
  strip.AutoSize(CurrentTab, chkAuto->Value() == 1);
}

const host::ClassInfo& XPTabstripPag::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.XPTabstripPag",
                                                            &host::PropertyPage::BaseInfo());
    host::ClassBuilder<XPTabstripPag>(i)
        .Property(
            "CurrentTab", [](XPTabstripPag& p) { return vb::Variant(p.CurrentTab); }, nullptr)
        .Method("ShowTab", &XPTabstripPag::ShowTab, {host::Param("n")})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
