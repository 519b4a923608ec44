#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/elements/command_button.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/services/property_page.h"

namespace host {

// The engine's standard font page ("StandardFont", captioned "Font"): it edits the StdFont
// properties of the selected controls, found through their type information. Each property
// is edited on a copy of its font (face from the installed fonts, size, bold, italic,
// underline, strikethrough, shown on a sample) until Apply or OK sets the copies on every
// selected control that has the property.
class StandardFontPage : public PropertyPage {
 public:
  StandardFontPage();
  static const ClassInfo& TypeInfo();
  const ClassInfo& Class() const override { return TypeInfo(); }

  void PropertyPage_SelectionChanged() override;
  void PropertyPage_ApplyChanges() override;

  // An object's font properties that can be read and set, in type-information order.
  static std::vector<std::string> FontProperties(Object& object);
  // The sizes the size list offers besides the edited font's own.
  static const std::vector<float>& StandardSizes();
  // The copy being edited for a property, or null for a property the page does not list.
  vb::FontRef EditedFont(std::string_view property) const;

  std::shared_ptr<VB::Label> lblProperty;
  std::shared_ptr<VB::ComboBox> cmbProperty;
  std::shared_ptr<VB::Label> lblFont;
  std::shared_ptr<VB::ComboBox> cmbFont;
  std::shared_ptr<VB::Label> lblSize;
  std::shared_ptr<VB::ComboBox> cmbSize;
  std::shared_ptr<VB::Frame> fraEffects;
  std::shared_ptr<VB::CheckBox> chkBold;
  std::shared_ptr<VB::CheckBox> chkItalic;
  std::shared_ptr<VB::CheckBox> chkUnderline;
  std::shared_ptr<VB::CheckBox> chkStrikethrough;
  std::shared_ptr<VB::Frame> fraSample;
  std::shared_ptr<VB::Label> lblSample;

 private:
  struct Edit {
    std::string property;
    vb::FontRef font;
    bool edited = false;
  };

  Edit* Current();
  // Fills the fields from the current property's copy; their notifications change nothing.
  void ShowCurrent();
  // A field changed: the current copy takes the fields' values and the page is changed.
  void FieldChanged();
  void FillFaces(const std::string& face);
  void FillSizes(float size);

  std::vector<Edit> edits_;
  std::vector<std::string> families_;
  bool showing_ = false;
};

// "8.25", "12": a point size as the size list shows it.
std::string FormatPointSize(float size);

}  // namespace host
