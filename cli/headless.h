#pragma once
// Carrying out a command-line request without a window: the picture, the
// solid, the properties or the paper net of one solid, with the same code as
// the window's menu commands. Messages go to the given streams in the
// language in use (useLanguage).

#include <exception>

#include <QTextStream>

#include "cli/command_line.h"
#include "model/solid_catalogue.h"

namespace velkora {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;
// The program's own embedded catalogue is damaged (it cannot be unpacked, or
// a solid cannot be read from it): not the user's fault and no failed write.
inline constexpr int kExitCatalogue = 3;

// Whether error comes from damaged catalogue data (unpacking, reading a
// solid, a solid whose faces do not close).
bool isCatalogueFault(const std::exception& error);

// Prints a usage error and where to find the options; returns kExitUsage.
int reportUsageError(const std::exception& error, QTextStream& err);

// Prints a failure that ended a run; returns kExitCatalogue for damaged
// catalogue data, kExitWriteFailed for anything else.
int reportFailure(const std::exception& error, QTextStream& err);

// Runs an export or properties request; returns the exit status: 0 done,
// 1 a file could not be written (nothing partial is left), 2 a bad value,
// 3 the embedded catalogue is damaged.
int runHeadless(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out,
                QTextStream& err);

}  // namespace velkora
