#include "library/library.h"

#include "skin/about_page.h"
#include "skin/quorin_skin.h"
#include "skin/theme_x.h"
#include "skin_parts/command_button.h"
#include "skin_parts/label_menu.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

void RegisterLibraryClasses() {
  CommandButton::TypeInfo();
  LabelMenu::TypeInfo();
  ThemeX::TypeInfo();
  AboutPage::TypeInfo();
  QuorinSkin::TypeInfo();
  XPTabstrip::TypeInfo();
}

}  // namespace quorin
