#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace host {

// MsgBox buttons, icons, default buttons and answers, as the engine numbers them.
enum MsgBoxStyle : std::int32_t {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbAbortRetryIgnore = 2,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbRetryCancel = 5,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton1 = 0,
  vbDefaultButton2 = 256,
  vbDefaultButton3 = 512,
};
enum MsgBoxResult : std::int16_t {
  vbOK = 1,
  vbCancel = 2,
  vbAbort = 3,
  vbRetry = 4,
  vbIgnore = 5,
  vbYes = 6,
  vbNo = 7,
};

// What one message box showed and how it was answered.
struct MessageBoxRecord {
  std::string title;
  std::string prompt;
  std::string icon;  // "critical", "question", "exclamation", "information" or ""
  std::vector<std::string> buttons;
  std::int16_t result = 0;
  bool dismissed = false;  // closed by the desktop because the script ran out

  // msgbox "Error" "Value out of range" critical [OK] -> OK
  std::string Format() const;
};

// Sees every message box when it has been answered (the driver logs them).
void SetMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer);

// The title a message box without one shows (the application's title).
void SetApplicationTitle(std::string title);
const std::string& ApplicationTitle();

// Shows a modal message box with caption, icon, text and buttons, and waits for the answer:
// a click, Enter (the default button), Escape (the cancel button), or the button's letter
// with Alt. Unknown button or icon codes are error 5.
std::int16_t MsgBox(const std::string& prompt, std::int32_t buttons = vbOKOnly,
                    const std::string& title = {});

}  // namespace host
