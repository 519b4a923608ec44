#include "library/server/class_table.h"

namespace quorin {

namespace {

constexpr PublicClass kClasses[] = {
    {"QuorinSkinForVB6.QuorinSkin", "{8CA4A8F4-86C3-43B9-9E18-42602D2B88BA}"},
    {"QuorinSkinForVB6.VistaButton", "{7DA59440-3ED6-4F78-BBF2-57CB66A2D2BD}"},
    {"QuorinSkinForVB6.XPTabstrip", "{E041AF32-D4B3-4033-BAF8-E0EFF9B34665}"},
    {"QuorinSkinForVB6.XPTabstripPag", "{E08501CD-65E2-403C-9A94-D610873BD377}"},
    {"QuorinSkinForVB6.RadioButton", "{9F699FBF-A6BE-48FC-9385-C93CEF44F1FA}"},
    {"QuorinSkinForVB6.Frame", "{E4B0D133-D39E-4E78-8BFF-007721AE52A4}"},
    {"QuorinSkinForVB6.XpProgressBar", "{D5DD6FF1-463F-4C10-9DF4-5C7873E8E3AC}"},
    {"QuorinSkinForVB6.TrayIcon", "{2CBBD904-4DBD-439D-9717-85B9296A78AC}"},
};

}  // namespace

std::span<const PublicClass> PublicClasses() {
  return kClasses;
}

}  // namespace quorin
