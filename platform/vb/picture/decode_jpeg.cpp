#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include <jerror.h>

#include <csetjmp>
#include <cstring>
#include <memory>

#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

namespace {

// libjpeg reports errors through error_exit, which here longjmps back to the setjmp of the
// small function that made the call. Those functions and the callbacks hold no object with a
// destructor, so a jump never skips one; the C++ caller owns all memory.
struct JpegErrors {
  jpeg_error_mgr mgr;  // first, so the library's pointer to it is a pointer to this
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings are tolerated (stray bytes between markers are common), except running out of data:
// the library would pad the picture with grey, and a truncated picture is an error here.
void OnJpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) (*cinfo->err->error_exit)(cinfo);
}

bool CreateDecoder(jpeg_decompress_struct* cinfo, JpegErrors* errors) {
  if (setjmp(errors->jump)) return false;
  jpeg_create_decompress(cinfo);
  return true;
}

bool ReadHeader(jpeg_decompress_struct* cinfo, JpegErrors* errors, const std::uint8_t* data,
                std::size_t size) {
  if (setjmp(errors->jump)) return false;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  return true;
}

bool StartDecoding(jpeg_decompress_struct* cinfo, JpegErrors* errors) {
  if (setjmp(errors->jump)) return false;
  jpeg_start_decompress(cinfo);
  return true;
}

bool ReadRow(jpeg_decompress_struct* cinfo, JpegErrors* errors, JSAMPROW row) {
  if (setjmp(errors->jump)) return false;
  return jpeg_read_scanlines(cinfo, &row, 1) == 1;
}

struct DecoderGuard {
  jpeg_decompress_struct* cinfo;
  ~DecoderGuard() { jpeg_destroy_decompress(cinfo); }
};

}  // namespace

PixelBuffer DecodeJpeg(std::span<const std::uint8_t> data) {
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  JpegErrors errors;
  std::memset(&errors, 0, sizeof errors);
  cinfo.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = OnJpegError;
  errors.mgr.emit_message = OnJpegMessage;
  if (data.empty()) picture::Fail("jpeg", "no data");
  if (!CreateDecoder(&cinfo, &errors)) picture::Fail("jpeg", errors.message);
  const DecoderGuard guard{&cinfo};

  if (!ReadHeader(&cinfo, &errors, data.data(), data.size())) {
    picture::Fail("jpeg", errors.message);
  }
  picture::CheckPictureSize(cinfo.image_width, cinfo.image_height, "jpeg");
  // Grey and colour come out as grey or RGB; CMYK and YCCK as CMYK, converted below.
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      break;
    default:
      cinfo.out_color_space = JCS_RGB;
      break;
  }
  if (!StartDecoding(&cinfo, &errors)) picture::Fail("jpeg", errors.message);
  const int components = cinfo.output_components;
  if (cinfo.output_width != cinfo.image_width || cinfo.output_height != cinfo.image_height ||
      (components != 1 && components != 3 && components != 4)) {
    picture::Fail("jpeg", "unexpected output layout");
  }

  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  PixelBuffer pixels = picture::MakeBuffer(width, height, 0xFF000000u);
  auto row = std::make_unique<JSAMPLE[]>(static_cast<std::size_t>(width) * components);
  // Adobe's CMYK files store the channels inverted (255 = no ink).
  const bool inverted = cinfo.saw_Adobe_marker;
  for (int y = 0; y < height; ++y) {
    if (!ReadRow(&cinfo, &errors, row.get())) {
      picture::Fail("jpeg", errors.message[0] ? errors.message : "data truncated");
    }
    std::uint32_t* dst = pixels.pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = row.get() + static_cast<std::size_t>(x) * components;
      std::uint32_t r, g, b;
      if (components == 1) {
        r = g = b = p[0];
      } else if (components == 3) {
        r = p[0], g = p[1], b = p[2];
      } else {
        auto ink = [inverted](JSAMPLE v) { return inverted ? 255u - v : std::uint32_t{v}; };
        const std::uint32_t k = 255 - ink(p[3]);
        r = ((255 - ink(p[0])) * k + 127) / 255;
        g = ((255 - ink(p[1])) * k + 127) / 255;
        b = ((255 - ink(p[2])) * k + 127) / 255;
      }
      dst[x] |= r << 16 | g << 8 | b;
    }
  }
  return pixels;
}

}  // namespace vb
