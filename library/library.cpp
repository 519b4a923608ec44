#include "library/library.h"

#include "glossy_button/vista_button.h"
#include "group_frame/frame.h"
#include "option_button/radio_button.h"
#include "progress_bar/xp_progress_bar.h"
#include "skin/about_page.h"
#include "skin/quorin_skin.h"
#include "skin/theme_x.h"
#include "skin_parts/command_button.h"
#include "skin_parts/label_menu.h"
#include "tabstrip/xp_tabstrip.h"
#include "tabstrip/xp_tabstrip_pag.h"
#include "tray_icon/tray_icon.h"

namespace quorin {

void RegisterLibraryClasses() {
  CommandButton::TypeInfo();
  LabelMenu::TypeInfo();
  ThemeX::TypeInfo();
  AboutPage::TypeInfo();
  QuorinSkin::TypeInfo();
  VistaButton::TypeInfo();
  XpProgressBar::TypeInfo();
  RadioButton::TypeInfo();
  Frame::TypeInfo();
  TrayIcon::TypeInfo();
  XPTabstrip::TypeInfo();
  XPTabstripPag::TypeInfo();
}

}  // namespace quorin
