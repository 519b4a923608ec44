#pragma once

#include <string>

#include "platform/host/elements/element.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"

namespace VB {

// A windowless caption: drawn and hit-tested by its container. "&" marks the access letter
// (unless UseMnemonic is off); with AutoSize its size follows the text.
class Label : public host::Element {
 public:
  Label();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  float FontSize() const { return font_->Size(); }
  void FontSize(float value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  // 0 transparent, 1 opaque.
  std::int16_t BackStyle() const { return back_style_; }
  void BackStyle(std::int16_t value);
  bool AutoSize() const { return auto_size_; }
  void AutoSize(bool value);
  bool WordWrap() const { return word_wrap_; }
  void WordWrap(bool value);
  // 0 left, 1 right, 2 centre.
  std::int16_t Alignment() const { return alignment_; }
  void Alignment(std::int16_t value);
  bool UseMnemonic() const { return use_mnemonic_; }
  void UseMnemonic(bool value);
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  void Refresh() { InvalidateContainer(); }

  host::Event<> Change{"Change", this};

  void DrawWindowless(win32::HDC hdc) override;
  std::shared_ptr<host::Control> CloneForArray() const override;
  bool RaisesClickFor(std::int16_t) override { return true; }

 private:
  void Fit();

  std::string caption_;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
  vb::OLE_COLOR fore_color_ = 0x80000012;
  vb::OLE_COLOR back_color_ = 0x8000000F;
  std::int16_t back_style_ = 1;
  bool auto_size_ = false;
  bool word_wrap_ = false;
  std::int16_t alignment_ = 0;
  bool use_mnemonic_ = true;
  std::int16_t border_style_ = 0;
};

}  // namespace VB
