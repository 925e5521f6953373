#pragma once
// Typed errors of loading. Messages are German UTF-8 texts that the window
// shows as they are; catalogue bytes quoted in them are widened from
// Windows-1252 so the message is always valid UTF-8.

#include <string>

#include "base/errors.h"

namespace velkora {

// A text that should hold a decimal integer does not.
class EConvertError : public Error {
 public:
  explicit EConvertError(const std::string& message) : Error(message) {}
};

// Catalogue data that would not fit the model or a type number out of range.
class ECatalogueError : public Error {
 public:
  explicit ECatalogueError(const std::string& message) : Error(message) {}
};

}  // namespace velkora
