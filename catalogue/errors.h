#pragma once
// The program's error family: velkora::Error is the base of every error the
// program raises on purpose, and the catalogue layer's own errors. They carry
// the German message that the window shows; no library shows dialogs or logs.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace velkora {

// Base of every error the program raises on purpose. Anything else that
// reaches a handler is a programming fault.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// No embedded resource of the requested name.
class EResNotFound : public Error {
 public:
  explicit EResNotFound(const std::string& name)
      : Error("Ressource " + name + " wurde nicht gefunden") {}
};

// Damaged compressed data (bad header, bad deflate data, bad checksum, truncation);
// what says what failed and where.
class EDecompressionError : public Error {
 public:
  explicit EDecompressionError(const std::string& what)
      : Error("Die eingebetteten Daten lassen sich nicht entpacken: " + what) {}
};

// Compressed input longer than one zlib call can take.
class EInputTooLarge : public Error {
 public:
  explicit EInputTooLarge(std::size_t length)
      : Error("Komprimierte Daten zu groß (" + std::to_string(length) + " Bytes)") {}
};

}  // namespace velkora
