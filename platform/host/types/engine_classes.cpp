#include "platform/host/types/engine_classes.h"

#include "platform/host/control/user_control.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/list_box.h"
#include "platform/host/elements/option_button.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/scroll_bar.h"
#include "platform/host/elements/shape.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/elements/timer.h"
#include "platform/host/form/form.h"
#include "platform/host/services/standard_color_page.h"
#include "platform/host/services/standard_font_page.h"

namespace host {

void RegisterEngineClasses() {
  VB::Form::TypeInfo();
  VB::Menu::TypeInfo();
  ControlsCollection::TypeInfo();
  Extender::TypeInfo();
  UserControlBaseInfo();
  VB::Label::TypeInfo();
  VB::Image::TypeInfo();
  VB::Line::TypeInfo();
  VB::Timer::TypeInfo();
  VB::PictureBox::TypeInfo();
  VB::Frame::TypeInfo();
  VB::CommandButton::TypeInfo();
  VB::CheckBox::TypeInfo();
  VB::TextBox::TypeInfo();
  VB::ComboBox::TypeInfo();
  PageTabs::TypeInfo();
  StandardFontPage::TypeInfo();
  StandardColorPage::TypeInfo();
  VB::OptionButton::TypeInfo();
  VB::ListBox::TypeInfo();
  VB::Shape::TypeInfo();
  VB::HScrollBar::TypeInfo();
  VB::VScrollBar::TypeInfo();
}

}  // namespace host
