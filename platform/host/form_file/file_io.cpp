#include "platform/host/form_file/file_io.h"

#include <cctype>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "platform/vb/error.h"

namespace host::formfile {

namespace {

// The engine's "Path/File access error".
constexpr int kPathFileAccessError = 75;

}  // namespace

ReadResult ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes,
                         std::vector<std::uint8_t>* bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return ReadResult::kMissing;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return ReadResult::kUnreadable;
  if (size > max_bytes) return ReadResult::kTooLarge;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return ReadResult::kUnreadable;
  bytes->resize(static_cast<std::size_t>(size));
  const std::size_t got = bytes->empty() ? 0 : std::fread(bytes->data(), 1, bytes->size(), file);
  // A file that grew while being read is checked against the bound once more.
  const bool more = std::fgetc(file) != EOF;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return ReadResult::kUnreadable;
  if (more) return ReadResult::kTooLarge;
  bytes->resize(got);
  return ReadResult::kOk;
}

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (std::tolower(x) != std::tolower(y)) return false;
  }
  return true;
}

}  // namespace

std::filesystem::path ResolveIgnoringCase(const std::filesystem::path& base,
                                          std::string_view name) {
  namespace fs = std::filesystem;
  std::string portable(name);
  for (char& c : portable) {
    if (c == '\\') c = '/';
  }
  const fs::path wanted(portable);
  if (wanted.is_absolute()) return wanted;
  std::error_code ec;
  fs::path found = base;
  for (const fs::path& part : wanted) {
    const fs::path exact = found / part;
    if (fs::exists(exact, ec) || part == "." || part == "..") {
      found = exact;
      continue;
    }
    fs::path match;
    for (fs::directory_iterator it(found, ec), end; !ec && it != end; it.increment(ec)) {
      if (SameIgnoringCase(it->path().filename().string(), part.string())) {
        match = it->path();
        break;
      }
    }
    if (match.empty()) return base / portable;
    found = match;
  }
  return found;
}

std::filesystem::path WriteTemporary(const std::filesystem::path& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) throw vb::Error(kPathFileAccessError, path.string() + ": cannot create");
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ::fsync(::fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::remove(temp.c_str());
    throw vb::Error(kPathFileAccessError, path.string() + ": cannot write");
  }
  return temp;
}

void ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    throw vb::Error(kPathFileAccessError, path.string() + ": cannot replace the file");
  }
}

}  // namespace host::formfile
