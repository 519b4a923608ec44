// TextOut and the text measuring calls.

#include "platform/gfx/device_context.h"
#include "platform/gfx/text.h"
#include "platform/gfx/text/font_cache.h"
#include "platform/gfx/text/text_layout.h"
#include "platform/vb/ansi.h"

namespace win32 {

BOOL TextOutA(HDC hdc, int x, int y, std::string_view text, int count) {
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc) return FALSE;
  const gfx::LogicalFont& logical = gfx::text::SelectedFont(*dc);
  const auto font = gfx::text::ResolveFont(logical);
  const gfx::text::TextRun run =
      gfx::text::LayOut(*font, gfx::text::DecodeUtf8(vb::AnsiPrefix(text, count)));
  gfx::text::PaintRun(*dc, *font, logical, run, std::int64_t{x} + dc->origin.x,
                      std::int64_t{y} + dc->origin.y, std::nullopt, false);
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, std::string_view text, int count, SIZE* size) {
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc || !size) return FALSE;
  const auto font = gfx::text::ResolveFont(gfx::text::SelectedFont(*dc));
  const gfx::text::TextRun run =
      gfx::text::LayOut(*font, gfx::text::DecodeUtf8(vb::AnsiPrefix(text, count)));
  size->cx = gfx::text::ClampToLong(run.width());
  size->cy = font->metrics().height();
  return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc || !metrics) return FALSE;
  const gfx::text::FontMetrics& m = gfx::text::ResolveFont(gfx::text::SelectedFont(*dc))->metrics();
  metrics->tmHeight = m.height();
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internal_leading;
  metrics->tmExternalLeading = m.external_leading;
  metrics->tmAveCharWidth = m.ave_char_width;
  metrics->tmMaxCharWidth = m.max_char_width;
  metrics->tmWeight = m.weight;
  return TRUE;
}

}  // namespace win32
