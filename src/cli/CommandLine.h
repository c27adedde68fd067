#pragma once
// The command-line companion: loads a season as the program does, moves to a
// division and jornada, runs one view's handler and gives back its lines.

#include <QStringList>

namespace vaticor {

// Exit codes: 1 a call that does not read, 2 a season that does not load,
// 3 output that could not be written, 4 an operation the program refused
// (its messages are the lines printed).
constexpr int kExitRefused = 4;

struct CommandLineResult {
  int exitCode = 0;
  QStringList lines; // the view, on success
  QString error;     // for the user, on failure
  QStringList notices; // messages the window would have shown on the way
};

// args excludes the program name.
CommandLineResult runCommandLine(const QStringList &args);
QString commandLineUsage();

} // namespace vaticor
