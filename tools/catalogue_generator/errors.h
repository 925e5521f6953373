// The one exception type of the catalogue generator: a construction or a check failed.
// The message names the type and the offending value; main prints it and exits non-zero.
#pragma once

#include <stdexcept>
#include <string>

namespace velkora::gen {

class GeneratorError : public std::runtime_error {
 public:
  explicit GeneratorError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velkora::gen
