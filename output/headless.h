#pragma once
// Carrying out a command-line request without a window: the picture, the
// solid, the properties or the paper net of one solid, with the same code as
// the window's menu commands. Messages go to the given streams in English.

#include <QTextStream>

#include "model/solid_catalogue.h"
#include "output/command_line.h"

namespace velkora {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs an export or properties request; returns the exit status: 0 done,
// 1 a file could not be written (nothing partial is left), 2 a bad value.
int runHeadless(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out,
                QTextStream& err);

}  // namespace velkora
