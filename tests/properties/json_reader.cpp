#include "tests/properties/json_reader.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace velkora::test {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  JsonValue document() {
    JsonValue v = value();
    skipSpace();
    if (pos_ != text_.size()) fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
  }

  void skipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }

  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  void expect(char c) {
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  bool literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  JsonValue value() {
    skipSpace();
    JsonValue v;
    const char c = peek();
    if (c == '{') {
      v.kind = JsonValue::Kind::Object;
      ++pos_;
      skipSpace();
      if (peek() == '}') {
        ++pos_;
        return v;
      }
      while (true) {
        skipSpace();
        std::string key = string();
        skipSpace();
        expect(':');
        v.members.emplace_back(std::move(key), value());
        skipSpace();
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        expect('}');
        return v;
      }
    }
    if (c == '[') {
      v.kind = JsonValue::Kind::Array;
      ++pos_;
      skipSpace();
      if (peek() == ']') {
        ++pos_;
        return v;
      }
      while (true) {
        v.items.push_back(value());
        skipSpace();
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        expect(']');
        return v;
      }
    }
    if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = string();
      return v;
    }
    if (literal("true") || literal("false")) {
      v.kind = JsonValue::Kind::Boolean;
      v.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 4] == 't';
      return v;
    }
    if (literal("null")) return v;
    v.kind = JsonValue::Kind::Number;
    v.number = number();
    return v;
  }

  bool digits() {
    const std::size_t start = pos_;
    while (peek() >= '0' && peek() <= '9')
      ++pos_;
    return pos_ > start;
  }

  double number() {
    const std::size_t start = pos_;
    if (peek() == '-') ++pos_;
    if (peek() == '0') {
      ++pos_;
    } else if (!digits()) {
      fail("expected a value");
    }
    if (peek() == '.') {
      ++pos_;
      if (!digits()) fail("no digit after the decimal point");
    }
    if (peek() == 'e' || peek() == 'E') {
      ++pos_;
      if (peek() == '+' || peek() == '-') ++pos_;
      if (!digits()) fail("no digit in the exponent");
    }
    double result = 0.0;
    const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, result);
    if (ec != std::errc{} || end != text_.data() + pos_) fail("number out of range");
    return result;
  }

  void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  std::string string() {
    expect('"');
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail("raw control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = peek();
      ++pos_;
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          unsigned code = 0;
          const auto [end, ec] = std::from_chars(
              text_.data() + pos_, text_.data() + std::min(pos_ + 4, text_.size()), code, 16);
          if (ec != std::errc{} || end != text_.data() + pos_ + 4) fail("bad \\u escape");
          pos_ += 4;
          appendUtf8(out, code);
          break;
        }
        default:
          fail("unknown escape");
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

const JsonValue& JsonValue::at(const std::string& key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return value;
  }
  throw std::runtime_error("JSON: no member \"" + key + "\"");
}

std::vector<std::string> JsonValue::keys() const {
  std::vector<std::string> list;
  for (const auto& member : members)
    list.push_back(member.first);
  return list;
}

JsonValue parseJson(std::string_view document) { return Reader(document).document(); }

}  // namespace velkora::test
