#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/vb/error.h"
#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

namespace {

// Larger files are refused before anything is read.
constexpr std::uintmax_t kMaxPictureFileBytes = 64u * 1024 * 1024;

bool StartsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> magic) {
  return data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin());
}

}  // namespace

PictureRef LoadPictureFromMemory(std::span<const std::uint8_t> data) {
  if (data.empty()) throw Error(kInvalidPicture, "empty data");
  PictureType type = vbPicTypeBitmap;
  PixelBuffer pixels;
  if (StartsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
    pixels = DecodePng(data);
  } else if (StartsWith(data, {'B', 'M'})) {
    pixels = DecodeBmp(data);
  } else if (StartsWith(data, {'G', 'I', 'F', '8', '7', 'a'}) ||
             StartsWith(data, {'G', 'I', 'F', '8', '9', 'a'})) {
    pixels = DecodeGif(data);
  } else if (StartsWith(data, {0xFF, 0xD8, 0xFF})) {
    pixels = DecodeJpeg(data);
  } else if (StartsWith(data, {0, 0, 1, 0}) || StartsWith(data, {0, 0, 2, 0})) {
    pixels = DecodeIco(data);
    type = vbPicTypeIcon;
  } else {
    throw Error(kInvalidPicture, "unknown picture format");
  }
  return std::make_shared<StdPicture>(type, std::make_shared<const PixelBuffer>(std::move(pixels)));
}

PictureRef LoadPicture(const std::string& path) {
  if (path.empty()) return nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw Error(kFileNotFound, path);
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) throw Error(kFileNotFound, path);
  if (size > kMaxPictureFileBytes) {
    throw Error(kInvalidPicture, path + ": file too large (" + std::to_string(size) + " bytes)");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw Error(kFileNotFound, path);
  std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
  file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
  // A file that shrank while being read is cut short: decode what arrived, which fails
  // cleanly if it is incomplete.
  data.resize(static_cast<std::size_t>(file.gcount()));
  try {
    return LoadPictureFromMemory(data);
  } catch (const Error& e) {
    if (e.Number() != kInvalidPicture) throw;
    throw Error(kInvalidPicture, path + ": " + e.Detail());
  }
}

}  // namespace vb
