#pragma once

#include <QStringList>
#include <optional>

namespace app::qt {

// The program's options: --help and --version print their text and end the program, also where
// there is no display; anything else on the command line is an error (exit status 2). Qt's own
// options (-platform, -display, ...) are taken out by QApplication before these are read.
// Returns the exit status when the program is to end here, nothing when the window is to open.
std::optional<int> handleCommandLine(const QStringList& arguments);

// argv as a list, for reading the options before any QApplication exists.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace app::qt
