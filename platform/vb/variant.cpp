#include "platform/vb/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace vb {

namespace {

// Parses a whole string as a number the way the engine's implicit conversion does: leading
// and trailing blanks allowed, "&H" hexadecimal accepted; anything else is a type mismatch.
double ParseNumber(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t");
  std::size_t end = text.find_last_not_of(" \t");
  if (begin == std::string::npos) throw Error(kTypeMismatch);
  std::string_view s(text.data() + begin, end - begin + 1);
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
    std::string_view digits = s.substr(2);
    if (!digits.empty() && digits.back() == '&') digits.remove_suffix(1);
    std::uint32_t value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || ptr != digits.data() + digits.size() || digits.empty()) {
      throw Error(kTypeMismatch);
    }
    return static_cast<double>(static_cast<std::int32_t>(value));
  }
  if (s.front() == '+') s.remove_prefix(1);
  double value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) throw Error(kOverflow);
  if (ec != std::errc() || ptr != s.data() + s.size()) throw Error(kTypeMismatch);
  return value;
}

std::string FormatNumber(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

}  // namespace

bool Variant::IsNumeric() const {
  switch (kind()) {
    case Kind::Boolean:
    case Kind::Integer:
    case Kind::Long:
    case Kind::Single:
    case Kind::Double:
    case Kind::Empty:
      return true;
    case Kind::String:
      try {
        ParseNumber(std::get<std::string>(value_));
        return true;
      } catch (const Error&) {
        return false;
      }
    case Kind::Object:
      return false;
  }
  return false;
}

double Variant::ToDouble() const {
  switch (kind()) {
    case Kind::Empty:
      return 0;
    case Kind::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    case Kind::Integer:
      return std::get<std::int16_t>(value_);
    case Kind::Long:
      return std::get<std::int32_t>(value_);
    case Kind::Single:
      return std::get<float>(value_);
    case Kind::Double:
      return std::get<double>(value_);
    case Kind::String:
      return ParseNumber(std::get<std::string>(value_));
    case Kind::Object:
      throw Error(kTypeMismatch);
  }
  throw Error(kTypeMismatch);
}

bool Variant::ToBoolean() const {
  if (kind() == Kind::Boolean) return std::get<bool>(value_);
  if (kind() == Kind::String) {
    const auto& s = std::get<std::string>(value_);
    if (s == "True" || s == "true" || s == "TRUE") return true;
    if (s == "False" || s == "false" || s == "FALSE") return false;
  }
  return ToDouble() != 0;
}

std::int16_t Variant::ToInteger() const {
  return CInt(ToDouble());
}
std::int32_t Variant::ToLong() const {
  return CLng(ToDouble());
}
float Variant::ToSingle() const {
  return CSng(ToDouble());
}

std::string Variant::ToString() const {
  switch (kind()) {
    case Kind::Empty:
      return {};
    case Kind::Boolean:
      return std::get<bool>(value_) ? "True" : "False";
    case Kind::String:
      return std::get<std::string>(value_);
    case Kind::Object:
      throw Error(kTypeMismatch);
    default:
      return FormatNumber(ToDouble());
  }
}

ObjectRef Variant::ToObject() const {
  if (kind() != Kind::Object) throw Error(kTypeMismatch);
  return std::get<ObjectRef>(value_);
}

bool Variant::operator==(const Variant& other) const {
  return value_ == other.value_;
}

}  // namespace vb
