#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/host/elements/command_button.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/services/property_page.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

// The tab strip's design-time page, captioned "Tabs": the strip's alignment (applied at once),
// and one tab at a time (caption, width, enabled, automatic width), walked with the arrow
// buttons, added and deleted. Only the tab shown is applied; the strip is changed through its
// public members alone.
class XPTabstripPag : public host::PropertyPage {
 public:
  XPTabstripPag();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  void PropertyPage_Initialize() override;
  void PropertyPage_SelectionChanged() override;
  void PropertyPage_ApplyChanges() override;

  // Shows tab n in the fields and selects it in the strip.
  void ShowTab(std::int16_t n);

  // The number of the tab being edited.
  std::int16_t CurrentTab = 0;

  std::shared_ptr<VB::Label> Label1;
  std::shared_ptr<VB::ComboBox> CmbTabPos;
  std::shared_ptr<VB::TextBox> txtIndex;
  std::shared_ptr<VB::CommandButton> CmdPrevious;
  std::shared_ptr<VB::CommandButton> CmdNext;
  std::shared_ptr<VB::CommandButton> cmdAddTab;
  std::shared_ptr<VB::CommandButton> cmdDelete;
  std::shared_ptr<VB::Frame> Frame1;
  std::shared_ptr<VB::CheckBox> chkTabEn;
  std::shared_ptr<VB::CheckBox> chkAuto;
  std::array<std::shared_ptr<VB::Label>, 4> lbl;    // members 0 to 3
  std::array<std::shared_ptr<VB::TextBox>, 3> txt;  // caption, width, an unused third field

 private:
  // The edited strip: error 91 before a selection or once it is gone.
  XPTabstrip& Strip() const;

  void CmbTabPos_Click();
  void txt_Change(std::int16_t Index);
  void CmdPrevious_Click();
  void CmdNext_Click();
  void cmdAddTab_Click();
  void cmdDelete_Click();

  std::shared_ptr<XPTabstrip> strip_;
};

}  // namespace quorin
