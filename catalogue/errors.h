#pragma once
// The catalogue layer's errors: a missing resource, damaged compressed data,
// input too large to inflate. They join the program's error family (Error)
// and carry the German message that the window shows.

#include <cstddef>
#include <string>

#include "base/errors.h"

namespace velkora {

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
