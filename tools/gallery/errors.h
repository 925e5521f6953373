#pragma once
// The gallery tool's own error: a wrong command line, a solid the name list
// does not hold, or a picture or page that could not be written. German
// messages, like every error of the program.

#include <stdexcept>
#include <string>

namespace velkora::gallery {

class EGalleryError : public std::runtime_error {
 public:
  explicit EGalleryError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velkora::gallery
