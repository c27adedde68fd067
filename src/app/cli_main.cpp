// vaticor-cli: prints what a view of the program holds, UTF-8 on standard output.
#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  const vaticor::CommandLineResult result = vaticor::runCommandLine(args);
  if (result.exitCode != 0 && result.lines.isEmpty()) {
    std::fputs(result.error.toUtf8().constData(), stderr);
    return result.exitCode;
  }
  for (const QString &notice : result.notices)
    std::fputs(("vaticor-cli: " + notice + "\n").toUtf8().constData(), stderr);
  QByteArray out;
  for (const QString &line : result.lines)
    out += line.toUtf8() + '\n';
  // A full disk or a closed pipe must not pass for a view printed.
  const size_t written = std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
  if (written != static_cast<size_t>(out.size()) || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("vaticor-cli: no se ha podido escribir la salida\n", stderr);
    return 3;
  }
  // A refusal: what the program answered is printed, and the exit tells it.
  std::fputs(result.error.toUtf8().constData(), stderr);
  return result.exitCode;
}
