#pragma once
// The gallery tool's own error: a wrong command line, a solid the name list
// does not hold, or a picture or page that could not be written. German
// messages, like every error of the program.

#include <string>

#include "base/errors.h"

namespace velkora::gallery {

class EGalleryError : public Error {
 public:
  explicit EGalleryError(const std::string& message) : Error(message) {}
};

}  // namespace velkora::gallery
