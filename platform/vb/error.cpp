#include "platform/vb/error.h"

namespace vb {

std::string ErrorText(int number) {
  switch (number) {
    case kInvalidProcedureCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kSubscriptOutOfRange:
      return "Subscript out of range";
    case kTypeMismatch:
      return "Type mismatch";
    case kInternalError:
      return "Internal error";
    case kErrorLoadingDll:
      return "Error in loading DLL";
    case kCannotCreateObject:
      return "ActiveX component can't create object";
    case kFileNotFound:
      return "File not found";
    case kPathFileAccess:
      return "Path/File access error";
    case kObjectNotSet:
      return "Object variable or With block variable not set";
    case kControlArrayElementMissing:
      return "Control array element doesn't exist";
    case kNotAnArray:
      return "Object not an array";
    case kObjectAlreadyLoaded:
      return "Object already loaded";
    case kCannotUnloadDesignTimeControl:
      return "Can't unload controls created at design time";
    case kInvalidPropertyValue:
      return "Invalid property value";
    case kCannotMoveMinimizedOrMaximized:
      return "A form can't be moved or sized while minimized or maximized";
    case kNotSupported:
      return "Object doesn't support this property or method";
    case kArgumentNotOptional:
      return "Argument not optional";
    case kWrongNumberOfArguments:
      return "Wrong number of arguments or invalid property assignment";
    case kInvalidPicture:
      return "Invalid picture";
    default:
      return {};
  }
}

namespace {

std::string Describe(int number, const std::string& detail) {
  std::string what = "error " + std::to_string(number);
  const std::string text = ErrorText(number);
  if (!text.empty()) what += ": " + text;
  if (!detail.empty()) what += " (" + detail + ")";
  return what;
}

}  // namespace

Error::Error(int number, std::string detail)
    : std::runtime_error(Describe(number, detail)),
      number_(number),
      description_(ErrorText(number)),
      detail_(std::move(detail)) {
  // The engine names the missing element inside its text for error 340.
  if (number == kControlArrayElementMissing && !detail_.empty()) {
    description_ = "Control array element '" + detail_ + "' doesn't exist";
  }
}

}  // namespace vb
