#pragma once
// The command-line companion: loads a season as the program does, moves to a
// division and jornada, runs one view's handler and gives back its lines.

#include <QStringList>

namespace vaticor {

struct CommandLineResult {
  int exitCode = 0;
  QStringList lines; // the view, on success
  QString error;     // for the user, on failure
  QStringList notices; // messages the window would have shown on the way
};

class Qmodelop;

// A player's road to a coupon through the window's own handlers: each pass is
// "D/J/M" (match M of jornada J of division D, one by one) or "D/J/todo" (the
// whole jornada); the coupon number N is typed before the first. Ends with the
// figures computed. Returns an error text, or an empty text.
QString playCoupon(Qmodelop &form, int number, const QStringList &passes);

// args excludes the program name.
CommandLineResult runCommandLine(const QStringList &args);
QString commandLineUsage();

} // namespace vaticor
