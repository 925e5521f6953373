// The one exception type of the catalogue generator: a construction or a check failed.
// The message names the type and the offending value; main prints it and exits non-zero.
#pragma once

#include <string>

#include "base/errors.h"

namespace velkora::gen {

class GeneratorError : public velkora::Error {
 public:
  explicit GeneratorError(const std::string& message) : velkora::Error(message) {}
};

}  // namespace velkora::gen
