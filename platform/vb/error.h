#pragma once

#include <stdexcept>
#include <string>

namespace vb {

// The form engine's run-time error numbers used by the library and its platform.
enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kTypeMismatch = 13,
  kInternalError = 51,
  kErrorLoadingDll = 48,
  kFileNotFound = 53,
  kPathFileAccess = 75,
  kObjectNotSet = 91,
  kControlArrayElementMissing = 340,
  kNotAnArray = 343,
  kObjectAlreadyLoaded = 360,
  kCannotUnloadDesignTimeControl = 362,
  kInvalidPropertyValue = 380,
  kCannotMoveMinimizedOrMaximized = 384,
  kCannotCreateObject = 429,
  kNotSupported = 438,
  kArgumentNotOptional = 449,
  kWrongNumberOfArguments = 450,
  kInvalidPicture = 481,
};

// The engine's own text for an error number ("" for numbers it has no text for).
std::string ErrorText(int number);

// A run-time error of the form engine: a number, the engine's text and an optional detail
// (file, line, reason) that tools print after the text.
class Error : public std::runtime_error {
 public:
  explicit Error(int number, std::string detail = {});

  int Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const std::string& Detail() const { return detail_; }

 private:
  int number_;
  std::string description_;
  std::string detail_;
};

}  // namespace vb
