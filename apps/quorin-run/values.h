#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/vb/variant.h"

namespace scenario {

// A value written in a script (`set`, `call`): a literal the engine passes on as it is, a
// picture to load, Nothing, or the path of a loaded form or control (passes that object).
struct Value {
  enum class Kind { kLiteral, kPicture, kNothing, kObject };
  Kind kind = Kind::kLiteral;
  vb::Variant literal;  // kLiteral: Boolean, Integer, Long, Double or String
  std::string name;     // kPicture: the file as written; kObject: the path
  std::string source;   // the token as the script wrote it
};

// A parsed value, or why the token is not one.
struct ValueParse {
  std::optional<Value> value;
  std::string error;
};

// Numbers (whole numbers become Integer, Long or Double by size; others Double), "strings"
// with "" for a quote, &H…& (Long; without the closing & Integer up to four digits),
// True/False, LoadPicture("…"), Nothing, and object paths.
ValueParse ParseValue(std::string_view token);

// A path to a form, control, element or menu: names joined by dots, each with an optional
// array index, as in Form1.QuorinSkin1.LbMenu(2).
bool IsPath(std::string_view text);
// One name: a letter, then letters, digits and underscores.
bool IsName(std::string_view text);

// Reads a "quoted" token: the text with "" turned back into ", or nullopt when the token is
// not exactly one quoted string.
std::optional<std::string> Unquote(std::string_view token);
// The text in quotes with quotes doubled. Control characters are written as Chr(n) joined
// to the quoted runs with &, as in "a" & Chr(10) & "b", so a logged value stays on one line.
std::string Quote(std::string_view text);

// The code points of UTF-8 text; nullopt when the bytes are not valid UTF-8 (overlong forms,
// surrogates and stray continuation bytes included).
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// A value as `get`, `call` and `event` lines print it: integers plainly, Singles and Doubles
// in their shortest exact form, strings quoted, True/False, Empty, Nothing; other objects are
// named by `object_name` (the engine knows their paths), or printed as <object>.
std::string FormatVariant(const vb::Variant& value,
                          const std::function<std::string(const vb::ObjectRef&)>& object_name = {});

// The value with its kind, as in Integer(5), String("a"), Picture("x.ico"), Object(Form1).
std::string DescribeValue(const Value& value);

}  // namespace scenario
