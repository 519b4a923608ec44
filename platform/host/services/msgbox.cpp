#include "platform/host/services/msgbox.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/elements/access_keys.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/form/form.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"
#include "platform/win/desktop.h"
#include "platform/win/frame_metrics.h"

namespace host {

namespace {

std::function<void(const MessageBoxRecord&)>& Observer() {
  static std::function<void(const MessageBoxRecord&)> observer;
  return observer;
}

std::string& Title() {
  static std::string title = "Project1";
  return title;
}

struct ButtonChoice {
  const char* caption;
  std::int16_t result;
};

std::vector<ButtonChoice> ButtonsOf(std::int32_t kind) {
  switch (kind) {
    case vbOKOnly:
      return {{"OK", vbOK}};
    case vbOKCancel:
      return {{"OK", vbOK}, {"Cancel", vbCancel}};
    case vbAbortRetryIgnore:
      return {{"&Abort", vbAbort}, {"&Retry", vbRetry}, {"&Ignore", vbIgnore}};
    case vbYesNoCancel:
      return {{"&Yes", vbYes}, {"&No", vbNo}, {"Cancel", vbCancel}};
    case vbYesNo:
      return {{"&Yes", vbYes}, {"&No", vbNo}};
    case vbRetryCancel:
      return {{"&Retry", vbRetry}, {"Cancel", vbCancel}};
    default:
      throw vb::Error(vb::kInvalidProcedureCall, "MsgBox buttons");
  }
}

const char* IconName(std::int32_t icon) {
  switch (icon) {
    case 0:
      return "";
    case vbCritical:
      return "critical";
    case vbQuestion:
      return "question";
    case vbExclamation:
      return "exclamation";
    case vbInformation:
      return "information";
    default:
      throw vb::Error(vb::kInvalidProcedureCall, "MsgBox icon");
  }
}

// A 32 x 32 icon in the classic look: a red disc with a cross, a blue disc with "?" or "i",
// a yellow triangle with "!".
vb::PictureRef MakeIcon(std::int32_t icon) {
  constexpr int kSize = 32;
  auto bitmap = std::make_shared<gfx::Bitmap>(kSize, kSize, 0);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      float cx = static_cast<float>(x) + 0.5f - kSize / 2.0f;
      float cy = static_cast<float>(y) + 0.5f - kSize / 2.0f;
      bool inside = false;
      gfx::Argb color = 0;
      if (icon == vbExclamation) {
        // Apex at the top centre, base along the bottom.
        inside = y >= 1 && std::abs(cx) <= static_cast<float>(y) / 2.0f + 0.5f;
        color = 0xFFFFD800u;
      } else {
        inside = cx * cx + cy * cy <= 15.0f * 15.0f;
        color = icon == vbCritical ? 0xFFD00000u : 0xFF0050D0u;
      }
      if (inside) bitmap->set_pixel(x, y, color);
    }
  }
  win32::HDC dc = gfx::CreateDeviceContext(bitmap);
  const char* glyph = icon == vbCritical      ? "X"
                      : icon == vbQuestion    ? "?"
                      : icon == vbExclamation ? "!"
                                              : "i";
  vb::StdFont font("Arial", 14, true);
  win32::RECT r{0, icon == vbExclamation ? 6 : 0, kSize, kSize};
  DrawTextIn(dc, font, icon == vbExclamation ? 0x000000 : 0xFFFFFF, glyph, r,
             win32::DT_CENTER | win32::DT_VCENTER | win32::DT_SINGLELINE);
  win32::DeleteDC(dc);
  vb::PixelBuffer pixels;
  pixels.width = kSize;
  pixels.height = kSize;
  pixels.has_transparency = true;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) pixels.pixels.push_back(bitmap->pixel(x, y));
  }
  return vb::MakeBitmapPicture(std::move(pixels));
}

}  // namespace

std::string MessageBoxRecord::Format() const {
  std::string out = "msgbox \"" + title + "\" \"" + prompt + "\"";
  if (!icon.empty()) out += " " + icon;
  out += " [";
  for (std::size_t i = 0; i < buttons.size(); ++i) out += (i ? " " : "") + buttons[i];
  out += "] -> ";
  for (const auto& [caption, id] : {std::pair<const char*, int>{"OK", vbOK},
                                    {"Cancel", vbCancel},
                                    {"Abort", vbAbort},
                                    {"Retry", vbRetry},
                                    {"Ignore", vbIgnore},
                                    {"Yes", vbYes},
                                    {"No", vbNo}}) {
    if (id == result) out += caption;
  }
  if (dismissed) out += " (dismissed)";
  return out;
}

void SetMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer) {
  Observer() = std::move(observer);
}

void SetApplicationTitle(std::string title) {
  Title() = std::move(title);
}
const std::string& ApplicationTitle() {
  return Title();
}

std::int16_t MsgBox(const std::string& prompt, std::int32_t buttons, const std::string& title) {
  std::vector<ButtonChoice> choices = ButtonsOf(buttons & 0x0F);
  std::int32_t icon = buttons & 0xF0;
  MessageBoxRecord record;
  record.title = title.empty() ? Title() : title;
  record.prompt = prompt;
  record.icon = IconName(icon);
  for (const ButtonChoice& b : choices) record.buttons.push_back(ShownCaption(b.caption));
  std::size_t default_index =
      std::min<std::size_t>(static_cast<std::size_t>((buttons & 0xF00) >> 8), choices.size() - 1);
  std::int16_t cancel_result = 0;
  for (const ButtonChoice& b : choices) {
    if (b.result == vbCancel || (choices.size() == 1 && b.result == vbOK)) cancel_result = b.result;
  }

  auto box = NewForm("MsgBox");
  box->BorderStyle(3);
  box->Caption(record.title);
  box->ScaleMode(vbPixels);
  const vb::DisplayMetrics& d = vb::Display();
  const int margin = 12;
  int text_left = margin;
  int top = margin;
  if (icon) {
    auto image = box->Add<VB::Image>(
        "Icon",
        {static_cast<float>(margin), static_cast<float>(margin), std::nullopt, std::nullopt});
    image->Picture(MakeIcon(icon));
    text_left = margin + 32 + margin;
  }
  auto label = box->Add<VB::Label>("Prompt");
  label->UseMnemonic(false);
  label->BackStyle(0);
  label->AutoSize(true);
  label->Caption(prompt);
  label->Move(static_cast<float>(text_left), static_cast<float>(top + (icon ? 8 : 0)));
  int text_right = text_left + static_cast<int>(label->Width());
  int text_bottom = static_cast<int>(label->Top() + label->Height());
  const int button_w = 75;
  const int button_h = 23;
  const int gap = 6;
  int row_width =
      static_cast<int>(choices.size()) * button_w + (static_cast<int>(choices.size()) - 1) * gap;
  int client_w = std::max(text_right + margin, row_width + 2 * margin);
  int button_top = std::max(text_bottom, icon ? margin + 32 : 0) + margin;
  int client_h = button_top + button_h + margin;
  std::int16_t result = 0;
  int x = (client_w - row_width) / 2;
  std::shared_ptr<VB::CommandButton> first_focus;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    auto button =
        box->Add<VB::CommandButton>("Button" + std::to_string(i + 1),
                                    {static_cast<float>(x), static_cast<float>(button_top),
                                     static_cast<float>(button_w), static_cast<float>(button_h)});
    button->Caption(choices[i].caption);
    button->Default(i == default_index);
    button->Cancel(choices[i].result == cancel_result);
    button->TabIndex(static_cast<std::int16_t>(i == default_index ? 0 : i + 1));
    std::int16_t answer = choices[i].result;
    VB::Form* raw = box.get();
    button->Click.Connect([&result, answer, raw] {
      result = answer;
      Unload(*raw);
    });
    if (i == default_index) first_focus = button;
    x += button_w + gap;
  }
  // Closing the box from its frame (or by the desktop) answers like Escape, or with the
  // default button when there is no cancel button.
  std::int16_t fallback = cancel_result ? cancel_result : choices[default_index].result;
  bool closed_from_frame = false;
  box->QueryUnload.Connect([&](std::int16_t&, std::int16_t& mode) {
    if (mode == VB::vbFormControlMenu && result == 0) {
      closed_from_frame = true;
      result = fallback;
    }
  });
  win::FrameInsets insets = win::NonClientInsets(
      static_cast<win32::DWORD>(win32::GetWindowLongA(box->hWnd(), win32::GWL_STYLE)),
      static_cast<win32::DWORD>(win32::GetWindowLongA(box->hWnd(), win32::GWL_EXSTYLE)));
  int outer_w = client_w + insets.left + insets.right;
  int outer_h = client_h + insets.top + insets.bottom;
  win32::RECT screen = win::Desktop::Current().WorkArea();
  int left = screen.left + (screen.right - screen.left - outer_w) / 2;
  int top_px = screen.top + (screen.bottom - screen.top - outer_h) / 2;
  box->Move(static_cast<float>(left) * d.twips_per_pixel_x,
            static_cast<float>(top_px) * d.twips_per_pixel_y,
            static_cast<float>(outer_w) * d.twips_per_pixel_x,
            static_cast<float>(outer_h) * d.twips_per_pixel_y);
  box->Activate.Connect([first_focus] {
    if (first_focus && first_focus->alive()) FocusControl(*first_focus);
  });
  win::Desktop::Current().Log("msgbox shown \"" + record.title + "\" \"" + prompt + "\"");
  box->Show(1);
  if (box->alive()) Unload(*box);
  if (result == 0) result = fallback;
  record.result = result;
  record.dismissed =
      closed_from_frame && win::Desktop::Current().log_lines().size() > 0 &&
      win::Desktop::Current().log_lines().back().find("dismissed") != std::string::npos;
  win::Desktop::Current().Log(record.Format());
  if (Observer()) Observer()(record);
  return result;
}

}  // namespace host
