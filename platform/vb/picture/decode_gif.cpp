#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

namespace {

struct GifSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos;
};

// giflib's reader callback: copies what is left, so a short read shows as a read error.
int ReadGifData(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  if (count <= 0) return 0;
  const std::size_t n = std::min(static_cast<std::size_t>(count), source->size - source->pos);
  std::memcpy(out, source->data + source->pos, n);
  source->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

[[noreturn]] void FailGif(int error) {
  const char* text = GifErrorString(error);
  picture::Fail("gif", text ? text : "decoding failed");
}

}  // namespace

// The first frame of a GIF, drawn onto a transparent canvas the size of the logical screen.
PixelBuffer DecodeGif(std::span<const std::uint8_t> data) {
  GifSource source{data.data(), data.size(), 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadGifData, &error));
  if (!gif) FailGif(error);
  picture::CheckPictureSize(gif->SWidth, gif->SHeight, "gif");

  GraphicsControlBlock control{};
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) FailGif(gif->Error);
    if (record == TERMINATE_RECORD_TYPE) picture::Fail("gif", "no image");
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) FailGif(gif->Error);
      // A graphics control block (its first byte is its length) sets up the next image.
      if (code == GRAPHICS_EXT_FUNC_CODE && block &&
          DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR) {
        picture::Fail("gif", "bad graphics control block");
      }
      while (block) {
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) FailGif(gif->Error);
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) picture::Fail("gif", "unexpected record");
    break;
  }

  if (DGifGetImageDesc(gif.get()) == GIF_ERROR) FailGif(gif->Error);
  const GifImageDesc& frame = gif->Image;
  picture::CheckPictureSize(frame.Width, frame.Height, "gif");
  const ColorMapObject* colors = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!colors) picture::Fail("gif", "no colour table");

  PixelBuffer canvas = picture::MakeBuffer(gif->SWidth, gif->SHeight, 0);
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  auto draw_row = [&](int row) {
    if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) FailGif(gif->Error);
    const int y = frame.Top + row;
    if (y >= canvas.height) return;
    for (int x = 0; x < frame.Width && frame.Left + x < canvas.width; ++x) {
      const int index = line[static_cast<std::size_t>(x)];
      if (index == control.TransparentColor) continue;
      // An index past the colour table shows black.
      std::uint32_t argb = 0xFF000000u;
      if (index < colors->ColorCount) {
        const GifColorType& c = colors->Colors[index];
        argb |= std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
      }
      canvas.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.width) +
                    static_cast<std::size_t>(frame.Left + x)] = argb;
    }
  };
  // DGifGetLine hands rows over in stored order; interlaced images store every 8th row from
  // row 0, then every 8th from row 4, every 4th from row 2 and every 2nd from row 1.
  if (frame.Interlace) {
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int row = kStart[pass]; row < frame.Height; row += kStep[pass]) draw_row(row);
    }
  } else {
    for (int row = 0; row < frame.Height; ++row) draw_row(row);
  }
  picture::Premultiply(canvas);
  return canvas;
}

}  // namespace vb
