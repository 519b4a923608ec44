#pragma once

// Helpers shared by the form-file tests: a scratch folder per test and small picture files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/host/form_file/form_file.h"
#include "platform/host/form_file/frx.h"
#include "platform/vb/error.h"

namespace formtest {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed after the test.
class ScratchDir : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() /
           ("quorin_form_file_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path Put(const std::string& name, const std::string& bytes) const {
    const fs::path path = dir_ / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  fs::path Put(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    return Put(name, std::string(bytes.begin(), bytes.end()));
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  fs::path dir_;
};

// A 24-bit BMP file of width x height whose pixel (x, y) is color(x, y) as 0xRRGGBB.
template <typename F>
std::vector<std::uint8_t> MakeBmp(int width, int height, F color) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t size = 54 + static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> b(size, 0);
  auto u16 = [&](std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto u32 = [&](std::size_t at, std::uint32_t v) {
    u16(at, v & 0xFFFF);
    u16(at + 2, v >> 16);
  };
  b[0] = 'B';
  b[1] = 'M';
  u32(2, size);
  u32(10, 54);
  u32(14, 40);
  u32(18, static_cast<std::uint32_t>(width));
  u32(22, static_cast<std::uint32_t>(height));
  u16(26, 1);
  u16(28, 24);
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    std::uint8_t* row = b.data() + 54 + static_cast<std::size_t>((height - 1 - y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = color(x, y);
      row[x * 3 + 0] = static_cast<std::uint8_t>(c);
      row[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return b;
}

// A companion-file picture entry in the engine's layout around `data`.
inline std::vector<std::uint8_t> PictureEntry(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out;
  host::formfile::frx::AppendPicture(out, data);
  return out;
}

// Runs `parse` and checks that it refuses the input with error 380 and a detail naming the
// file and line and containing `reason`.
template <typename F>
void ExpectRefused(F parse, const std::string& file, int line, const std::string& reason) {
  try {
    parse();
    ADD_FAILURE() << "accepted; expected refusal at " << file << ":" << line << " (" << reason
                  << ")";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kInvalidPropertyValue) << e.Detail();
    EXPECT_EQ(e.Detail().rfind(file + ":" + std::to_string(line) + ": ", 0), 0u) << e.Detail();
    EXPECT_NE(e.Detail().find(reason), std::string::npos) << e.Detail();
  }
}

}  // namespace formtest
