#pragma once
// Typed errors of the catalogue layer. They carry the German message that the
// window shows; nothing in the libraries shows dialogs or logs.

#include <stdexcept>
#include <string>

namespace velkora {

// No embedded resource of the requested name.
class EResNotFound : public std::runtime_error {
 public:
  explicit EResNotFound(const std::string& name)
      : std::runtime_error("Ressource " + name + " wurde nicht gefunden") {}
};

// Damaged compressed data (bad header, bad deflate data, bad checksum, truncation).
class EDecompressionError : public std::runtime_error {
 public:
  EDecompressionError() : std::runtime_error("Fehler") {}
};

}  // namespace velkora
