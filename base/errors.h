#pragma once
// The base of the program's error family, and the error of a solid that is
// not a closed convex surface. Every library's errors derive from Error and
// carry the German message that the window shows; no library shows dialogs.

#include <stdexcept>
#include <string>

namespace velkora {

// Base of every error the program raises on purpose. Anything else that
// reaches a handler is a programming fault.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Points and faces that do not make a closed, consistently oriented, convex
// surface around an inner point (see convex_solid.h).
class EInvalidSolid : public Error {
 public:
  using Error::Error;
};

}  // namespace velkora
