#pragma once
// Locale-free number conversions that every build has: std::to_chars and
// std::from_chars for double, and std::bit_cast. The browser build's standard
// library lacks the floating-point ones and bit_cast; there the fallbacks
// below answer, with the same characters and values (the native tests hold
// them against the standard's). Owns nothing else.

#include <charconv>
#include <cstring>
#include <system_error>
#include <type_traits>

#if !defined(__EMSCRIPTEN__)
#include <bit>
#endif

namespace velkora {

namespace portable_fallback {

// The shortest text that reads back as value, fixed or scientific, whichever
// is shorter (fixed on a tie), as std::to_chars(first, last, value).
std::to_chars_result toCharsShortest(char* first, char* last, double value);
// As std::to_chars with chars_format::fixed and precision decimals.
std::to_chars_result toCharsFixed(char* first, char* last, double value, int decimals);
// As std::to_chars with chars_format::general and precision digits.
std::to_chars_result toCharsGeneral(char* first, char* last, double value, int digits);
// As std::from_chars with chars_format::general.
std::from_chars_result fromCharsGeneral(const char* first, const char* last, double& value);

}  // namespace portable_fallback

inline std::to_chars_result toCharsShortest(char* first, char* last, double value) {
#if defined(__EMSCRIPTEN__)
  return portable_fallback::toCharsShortest(first, last, value);
#else
  return std::to_chars(first, last, value);
#endif
}

inline std::to_chars_result toCharsFixed(char* first, char* last, double value, int decimals) {
#if defined(__EMSCRIPTEN__)
  return portable_fallback::toCharsFixed(first, last, value, decimals);
#else
  return std::to_chars(first, last, value, std::chars_format::fixed, decimals);
#endif
}

inline std::to_chars_result toCharsGeneral(char* first, char* last, double value, int digits) {
#if defined(__EMSCRIPTEN__)
  return portable_fallback::toCharsGeneral(first, last, value, digits);
#else
  return std::to_chars(first, last, value, std::chars_format::general, digits);
#endif
}

inline std::from_chars_result fromCharsGeneral(const char* first, const char* last, double& value) {
#if defined(__EMSCRIPTEN__)
  return portable_fallback::fromCharsGeneral(first, last, value);
#else
  return std::from_chars(first, last, value, std::chars_format::general);
#endif
}

// std::bit_cast for trivially copyable types of one size.
template <typename To, typename From>
To bitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                std::is_trivially_copyable_v<From>);
#if defined(__EMSCRIPTEN__)
  To to;
  std::memcpy(&to, &from, sizeof(To));
  return to;
#else
  return std::bit_cast<To>(from);
#endif
}

}  // namespace velkora
