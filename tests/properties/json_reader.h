#pragma once
// A small strict JSON reader for the tests: objects (keys in order), arrays,
// strings with all escapes, numbers by the JSON grammar, true, false, null.
// Throws std::runtime_error naming the offset of the first fault.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkora::test {

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0.0;
  std::string text;
  std::vector<JsonValue> items;                            // Array
  std::vector<std::pair<std::string, JsonValue>> members;  // Object, in order

  // The member called key; throws std::runtime_error when absent.
  const JsonValue& at(const std::string& key) const;
  std::vector<std::string> keys() const;
};

// The one value that document holds, with nothing but white space around it.
JsonValue parseJson(std::string_view document);

}  // namespace velkora::test
