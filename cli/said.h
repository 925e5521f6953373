#pragma once
// The command line's own texts in the language of the run, for the options'
// rules and the headless runs alike; the sources are German, marked with
// QT_TRANSLATE_NOOP("CommandLine", ...).

#include <QCoreApplication>
#include <QString>

namespace velkora {

inline QString said(const char* text) { return QCoreApplication::translate("CommandLine", text); }

}  // namespace velkora
