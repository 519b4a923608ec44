#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/form/form.h"
#include "platform/host/services/page_tabs.h"

namespace host {

// A design-time property page: a surface with elements, the controls it edits
// (SelectedControls) and a Changed flag that enables the host's Apply button. Apply (or OK)
// runs PropertyPage_ApplyChanges, which writes the page's values into the selected controls.
class PropertyPage : public UserControl {
 public:
  PropertyPage();
  static const ClassInfo& BaseInfo();

  virtual void PropertyPage_Initialize() {}
  virtual void PropertyPage_SelectionChanged() {}
  virtual void PropertyPage_ApplyChanges() {}
  virtual void PropertyPage_Terminate() {}

  const std::vector<ObjectPtr>& SelectedControls() const { return selected_; }
  bool Changed() const { return changed_; }
  void Changed(bool value);
  const std::string& Caption() const { return caption_; }
  void Caption(std::string value) { caption_ = std::move(value); }

  // Engine side.
  void SetSelection(std::vector<ObjectPtr> selected);
  void RunApplyChanges();
  std::function<void()> on_changed;

  void UserControl_Initialize() override { PropertyPage_Initialize(); }
  void UserControl_Terminate() override { PropertyPage_Terminate(); }

 private:
  std::vector<ObjectPtr> selected_;
  bool changed_ = false;
  std::string caption_ = "General";
};

// The names of an object's readable and writable properties of one kind (colours, fonts), in
// type-information order: the control's own class and its bases, short of the engine's
// UserControl members, which are the control's insides rather than its interface.
std::vector<std::string> PropertiesOfKind(Object& object, ValueKind kind);
// Whether one of those is named `name` (the standard pages apply an edit only to such controls).
bool HasPropertyOfKind(Object& object, ValueKind kind, std::string_view name);

// Shows property pages for the selected controls in a modal dialog: a row of tabs (one per
// page, with its caption) over the page shown, and OK, Cancel and Apply. Every page keeps
// its edits while another is shown; Apply runs the changed pages' ApplyChanges, OK does the
// same and closes unless a page failed, Cancel closes without applying.
class PropertyPageHost {
 public:
  PropertyPageHost(std::vector<ObjectPtr> selected,
                   std::vector<std::shared_ptr<PropertyPage>> pages, std::string title = {});
  ~PropertyPageHost();
  PropertyPageHost(const PropertyPageHost&) = delete;
  PropertyPageHost& operator=(const PropertyPageHost&) = delete;

  // Returns when the dialog is closed.
  void Show();
  // True when every changed page applied without failing.
  bool Apply();
  VB::Form& dialog() { return *dialog_; }
  VB::CommandButton& ok_button() { return *ok_; }
  VB::CommandButton& cancel_button() { return *cancel_; }
  VB::CommandButton& apply_button() { return *apply_; }
  PageTabs& tabs() { return *tabs_; }
  PropertyPage& page(std::size_t index) { return *pages_.at(index); }
  void SelectPage(std::size_t index);
  std::size_t selected_page() const;

 private:
  static constexpr int kMargin = 6;      // pixels around the tabs, the page area and buttons
  static constexpr int kInset = 6;       // between the page area's frame and the page
  static constexpr int kTabHeight = 22;  // the tab row, the selected tab included

  void UpdateApply();
  void DrawPageFrame(win32::RECT r);

  std::vector<ObjectPtr> selected_;
  std::vector<std::shared_ptr<PropertyPage>> pages_;
  std::shared_ptr<VB::Form> dialog_;
  std::shared_ptr<PageTabs> tabs_;
  std::shared_ptr<VB::CommandButton> ok_;
  std::shared_ptr<VB::CommandButton> cancel_;
  std::shared_ptr<VB::CommandButton> apply_;
};

}  // namespace host
